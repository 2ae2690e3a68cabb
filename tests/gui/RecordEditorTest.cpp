#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <deque>
#include <functional>

#include "DatabaseBuilder.h"
#include "RecordingMessageSink.h"
#include "TemporaryDirectory.h"
#include "arabic/ReceiverName.h"
#include "document/ChannelDocument.h"
#include "gui/app/DisplayText.h"
#include "gui/dialogs/ChannelDialog.h"
#include "gui/dialogs/GroupCandidateModel.h"
#include "gui/dialogs/GroupDialog.h"
#include "gui/dialogs/RecordEditor.h"
#include "gui/dialogs/SatelliteDialog.h"
#include "gui/dialogs/TransponderDialog.h"
#include "gui/views/ChannelList.h"
#include "gui/views/DatabaseTree.h"
#include "messages/StringIds.h"

namespace kavro::gui {
namespace {

using Key = TreeItemKey;

// Plays the user of the modal dialogs: each dialog that opens gets the next scripted action,
// and is closed with Cancel if the action left it open.
class DialogDriver : public QObject {
public:
    DialogDriver() {
        timer_.setInterval(0);
        connect(&timer_, &QTimer::timeout, this, &DialogDriver::poll);
        timer_.start();
    }

    template <typename Dialog>
    void next(std::function<void(Dialog&)> act) {
        actions_.push_back([act](QDialog& dialog) {
            auto* typed = qobject_cast<Dialog*>(&dialog);
            if (!typed) {
                ADD_FAILURE() << "unexpected " << dialog.metaObject()->className();
                return;
            }
            act(*typed);
        });
    }

    QStringList opened;  // the titles of the dialogs that opened
    bool allUsed() const { return actions_.empty(); }

private:
    void poll() {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog || busy_) return;
        busy_ = true;
        opened << dialog->windowTitle();
        if (!actions_.empty()) {
            auto act = std::move(actions_.front());
            actions_.pop_front();
            act(*dialog);
        }
        if (dialog->isVisible()) dialog->reject();
        busy_ = false;
    }

    QTimer timer_;
    std::deque<std::function<void(QDialog&)>> actions_;
    bool busy_ = false;
};

QPushButton* button(QDialog& dialog, QDialogButtonBox::ButtonRole role) {
    for (QAbstractButton* b : dialog.findChild<QDialogButtonBox*>()->buttons())
        if (dialog.findChild<QDialogButtonBox*>()->buttonRole(b) == role)
            return qobject_cast<QPushButton*>(b);
    return nullptr;
}

void clickOk(QDialog& dialog) {
    QTest::mouseClick(button(dialog, QDialogButtonBox::AcceptRole), Qt::LeftButton);
}

void retype(QLineEdit* edit, const QString& text) {
    edit->selectAll();
    QTest::keyClicks(edit, text);
}

template <typename Widget = QLineEdit>
Widget* control(QDialog& dialog, const char* name) {
    auto* widget = dialog.findChild<Widget*>(QLatin1String(name));
    EXPECT_NE(widget, nullptr) << name;
    return widget;
}

// Nile (West 7.0): 11000 Cocuk(0) Sport(1) | 11500 Music(2, radio)
// Astra: 12000 Kids(3) Info(4, data) | Empty: no transponders
// Groups: ALL {0..4}, Fav {1, 3}: a satellite group of Nile that also holds Astra's Kids.
// Channel 0 is "TRT \xC7ocuk" behind the Latin marker, which shows folded as "TRT Cocuk".
ChannelDatabase sample() {
    test::DatabaseBuilder b;
    b.satellite("Nile", 7.0, true).transponder(11000).channel("\x05TRT \xC7ocuk").channel("Sport");
    b.transponder(11500).channel("Music", ChannelRecord::Radio);
    b.satellite("Astra").transponder(12000).channel("Kids").channel("Info", ChannelRecord::Data);
    b.satellite("Empty");
    return b.group("ALL", {0, 1, 2, 3, 4}).group("Fav", {1, 3}).build();
}

class RecordEditorTest : public ::testing::Test {
protected:
    RecordEditorTest() {
        QObject::connect(&tree, &DatabaseTree::currentKeyChanged, &list, &ChannelList::showKey);
        editor.connectViews();
        tree.show();
        list.show();
    }

    void open(const ChannelDatabase& db) {
        ASSERT_TRUE(test::writeBytes(path, test::makeImage(db)));
        ASSERT_TRUE(document.openDocument(path));
        tree.expandAll();
    }
    const ChannelDatabase& db() const { return document.database(); }
    ChannelRecord channel(int s, int t, int k) const {
        return db().satellites[std::size_t(s)].transponders[std::size_t(t)].channels[std::size_t(
            k)];
    }
    void select(const Key& key) {
        ASSERT_TRUE(tree.selectKey(key));
        tree.setFocus();
    }
    int undoCount() { return document.undoStack()->count(); }

    test::TemporaryDirectory dir;
    std::string path = dir.file("Test.ird");
    test::RecordingMessageSink messages;
    ChannelDocument document{messages};
    QWidget window;
    DatabaseTree tree{document};
    ChannelList list{document};
    RecordEditor editor{document, &tree, &list, &window};
    DialogDriver driver;
};

TEST_F(RecordEditorTest, SatelliteEditStoresTheFormsRecordAsOneUndoableStep) {
    open(sample());
    const ChannelDatabase before = db();
    select(Key::satellite(0));
    driver.next<SatelliteDialog>([](SatelliteDialog& d) {
        EXPECT_EQ(d.windowTitle(), QString::fromUtf8("   Edit satellite n° : 01"));
        EXPECT_EQ(control(d, "position")->text(), "7.0");
        EXPECT_EQ(control<QComboBox>(d, "eastWest")->currentText(), "Ouest");
        retype(control(d, "name"), "Nile Sat");
        QTest::mouseClick(control<QCheckBox>(d, "grouped"), Qt::LeftButton);
        clickOk(d);
    });
    QTest::keyClick(&tree, Qt::Key_Return);
    ASSERT_EQ(driver.opened.size(), 1);

    SatelliteForm expected = SatelliteForm::forEdit(0, before.satellites[0]);
    expected.name.text = "Nile Sat";
    expected.grouped = !expected.grouped;
    ASSERT_TRUE(expected.accept(messages));
    EXPECT_EQ(db().satellites[0], expected.record);
    EXPECT_EQ(db().satellites[0].position(), 65536 - 70) << "West 7.0 stored back";
    EXPECT_TRUE(db().satellites[0].west());
    EXPECT_EQ(undoCount(), 1);
    EXPECT_EQ(tree.currentItem()->text(0), "  1. Nile Sat");

    document.undoStack()->undo();
    EXPECT_TRUE(db() == before);
    EXPECT_FALSE(document.isModified());
}

TEST_F(RecordEditorTest, CancelHeadersAndImpossibleAddsChangeNothing) {
    open(sample());
    const ChannelDatabase before = db();
    select(Key::satellite(0));
    driver.next<SatelliteDialog>([](SatelliteDialog& d) {
        retype(control(d, "name"), "Changed");
        QTest::mouseClick(button(d, QDialogButtonBox::RejectRole), Qt::LeftButton);
    });
    QTest::keyClick(&tree, Qt::Key_Return);
    EXPECT_EQ(driver.opened.size(), 1);

    // Headers, the root, a transponder's Add: no dialog, no change, not even "modified".
    editor.editTreeItem(Key::satellitesHeader());
    editor.editTreeItem(Key::groupsHeader());
    editor.editTreeItem(Key::root());
    editor.addTreeItem(Key::groupsHeader());
    editor.addTreeItem(Key::transponder(0, 0));
    editor.editTreeItem(Key::satellite(7));  // gone
    select(Key::satellitesHeader());
    QTest::keyClick(&tree, Qt::Key_Return);
    // The list opens nothing while the tree shows a group.
    select(Key::group(Key::kHeader, 0));
    editor.addChannel();
    editor.editChannel(ChannelRef{0, 0, 0, 0});
    QCoreApplication::processEvents();

    EXPECT_EQ(driver.opened.size(), 1);
    EXPECT_TRUE(db() == before);
    EXPECT_FALSE(document.isModified());
    EXPECT_EQ(undoCount(), 0);
    EXPECT_TRUE(messages.entries.empty());
}

TEST_F(RecordEditorTest, AddsStoreOneStepEachAndSelectTheNewItem) {
    open(sample());
    select(Key::satellitesHeader());
    driver.next<SatelliteDialog>([](SatelliteDialog& d) {
        EXPECT_EQ(d.windowTitle(), QString::fromUtf8("   Add New satellite n° : 04"));
        clickOk(d);
    });
    QTest::keyClick(&tree, Qt::Key_Insert);
    ASSERT_EQ(db().satellites.size(), 4u);
    EXPECT_EQ(decodeReceiverName(db().satellites[3].name()), "New");
    EXPECT_EQ(tree.currentKey(), Key::satellite(3));

    select(Key::satellite(2));
    driver.next<TransponderDialog>([](TransponderDialog& d) {
        EXPECT_EQ(d.windowTitle(), QString::fromUtf8("   Add New TP n° : 01"));
        EXPECT_FALSE(control<QComboBox>(d, "satellite")->isEnabled());
        retype(control(d, "frequency"), "11700");
        clickOk(d);
    });
    QTest::keyClick(&tree, Qt::Key_Insert);
    ASSERT_EQ(db().satellites[2].transponders.size(), 1u);
    EXPECT_EQ(db().satellites[2].transponders[0].frequency(), 11700);
    EXPECT_EQ(tree.currentKey(), Key::transponder(2, 0));

    select(Key::group(Key::kHeader, 0));
    driver.next<GroupDialog>([](GroupDialog& d) {
        EXPECT_EQ(control(d, "name")->text(), "Nile") << "the first satellite's name";
        clickOk(d);
    });
    QTest::keyClick(&tree, Qt::Key_Insert);
    ASSERT_EQ(db().groups.size(), 3u);
    EXPECT_EQ(decodeReceiverName(db().groups[2].name()), "Nile");
    EXPECT_EQ(tree.currentKey().subIndex, 2);
    EXPECT_EQ(undoCount(), 3);
    EXPECT_TRUE(driver.allUsed());
}

TEST_F(RecordEditorTest, FullListsRefuseTheAddBeforeAnyDialog) {
    test::DatabaseBuilder b;
    b.satellite("Nile").channel("News");
    for (int g = 0; g < 25; ++g) b.group("G" + std::to_string(g), {0});
    open(b.build());
    select(Key::group(0, 0));
    QTest::keyClick(&tree, Qt::Key_Insert);
    QCoreApplication::processEvents();
    EXPECT_TRUE(driver.opened.isEmpty());
    ASSERT_EQ(messages.ids(), std::vector<int>{strings::TooManyGroups});
    EXPECT_EQ(db().groups.size(), 25u);
    EXPECT_FALSE(document.isModified());
}

TEST_F(RecordEditorTest, TransponderEditKeepsACodeItsListDoesNotOffer) {
    ChannelDatabase sampleDb = sample();
    sampleDb.satellites[0].transponders[0].setFec(9);
    open(sampleDb);
    const ChannelDatabase before = db();
    select(Key::transponder(0, 0));
    driver.next<TransponderDialog>([](TransponderDialog& d) {
        EXPECT_EQ(control<QComboBox>(d, "fec")->currentIndex(), -1);
        retype(control(d, "symbolRate"), "30000");
        clickOk(d);
    });
    QTest::keyClick(&tree, Qt::Key_Return);

    auto expected = TransponderForm::forEdit(before, 0, 0);
    expected->symbolRateText = "30000";
    ASSERT_TRUE(expected->accept(messages));
    const TransponderRecord& stored = db().satellites[0].transponders[0];
    EXPECT_EQ(stored.bytes, expected->record.bytes);
    EXPECT_EQ(stored.fec(), 9);
    EXPECT_EQ(stored.channels.size(), 2u);
    document.undoStack()->undo();
    EXPECT_TRUE(db() == before);
}

TEST_F(RecordEditorTest, ChannelEditFromTheListIsTheFormsRecordAndSelected) {
    open(sample());
    const ChannelDatabase before = db();
    select(Key::transponder(0, 0));
    // OK on the folded name that opened keeps the stored bytes, marker and all.
    driver.next<ChannelDialog>([](ChannelDialog& d) {
        EXPECT_EQ(control(d, "name")->text(), "TRT Cocuk");
        clickOk(d);
    });
    editor.editChannel(ChannelRef{0, 0, 0, 0});
    EXPECT_EQ(channel(0, 0, 0), before.satellites[0].transponders[0].channels[0]);

    ASSERT_TRUE(list.selectChannel({0, 0, 1}));
    list.setFocus();
    driver.next<ChannelDialog>([](ChannelDialog& d) {
        EXPECT_EQ(d.windowTitle(), QString::fromUtf8("   Edit channal n°: 02"));
        EXPECT_FALSE(control<QComboBox>(d, "satellite")->isEnabled());
        EXPECT_FALSE(control<QComboBox>(d, "transponder")->isEnabled());
        retype(control(d, "audioPid"), "512");
        retype(control(d, "name"), "Sport 2");
        clickOk(d);
    });
    QTest::keyClick(&list, Qt::Key_Return);

    auto form = ChannelForm::open(before, ChannelRef{1, 1, 0, 0}, {}, messages);
    form->audioPidText = "512";
    form->name.text = "Sport 2";
    const auto expected = form->accept(messages);
    ASSERT_TRUE(expected);
    EXPECT_EQ(channel(0, 0, 1), expected->record);
    EXPECT_EQ(channel(0, 0, 1).serviceId(), 0xFFFF) << "renamed";
    EXPECT_EQ(list.firstSelectedChannel(), (ChannelRef{1, 1, 0, 0}));
    EXPECT_EQ(undoCount(), 2);
    document.undoStack()->undo();
    document.undoStack()->undo();
    EXPECT_TRUE(db() == before);
}

TEST_F(RecordEditorTest, CryptedArabicRenameAnsweredNoKeepsNameAndServiceId) {
    ChannelDatabase sampleDb = sample();
    ChannelRecord& news = sampleDb.satellites[0].transponders[0].channels[0];
    news.setCrypted(true);
    news.setServiceId(77);
    open(sampleDb);
    const ChannelRecord before = channel(0, 0, 0);
    select(Key::transponder(0, 0));
    ASSERT_TRUE(list.selectChannel({0, 0, 0}));
    messages.answer({MessageButton::Cancel});
    driver.next<ChannelDialog>([](ChannelDialog& d) {
        control(d, "name")->setText(QString::fromUtf8("قناة"));
        QTest::mouseClick(control<QCheckBox>(d, "locked"), Qt::LeftButton);
        clickOk(d);
    });
    editor.editChannel(*list.firstSelectedChannel());

    ASSERT_EQ(messages.ids(), std::vector<int>{strings::CryptedRenameQuestion});
    EXPECT_EQ(messages.entries[0].style, MessageStyle::OkCancel);
    const ChannelRecord after = channel(0, 0, 0);
    EXPECT_TRUE(std::equal(after.name().begin(), after.name().end(), before.name().begin()));
    EXPECT_EQ(after.serviceId(), 77);
    EXPECT_TRUE(after.locked()) << "every other value is stored";
}

TEST_F(RecordEditorTest, ChannelAddGoesWhereTheTreeAndListPointAndIsSelected) {
    open(sample());
    // A satellite with no row selected: its first transponder.
    select(Key::satellite(0));
    list.clearSelection();
    list.setFocus();
    driver.next<ChannelDialog>([](ChannelDialog& d) {
        EXPECT_EQ(d.windowTitle(), QString::fromUtf8("   Add New channal n°: 06"));
        auto* satellite = control<QComboBox>(d, "satellite");
        auto* ok = button(d, QDialogButtonBox::AcceptRole);
        EXPECT_EQ(control<QComboBox>(d, "transponder")->currentIndex(), 0);
        satellite->setCurrentIndex(2);  // no transponders: nowhere to put it
        EXPECT_FALSE(ok->isEnabled());
        satellite->setCurrentIndex(0);
        EXPECT_TRUE(ok->isEnabled());
        retype(control(d, "name"), "Jazz");
        clickOk(d);
    });
    QTest::keyClick(&list, Qt::Key_Insert);
    ASSERT_EQ(db().satellites[0].transponders[0].channels.size(), 3u);
    EXPECT_EQ(decodeReceiverName(channel(0, 0, 2).name()), "Jazz");
    const auto selected = list.firstSelectedChannel();
    ASSERT_TRUE(selected);
    EXPECT_EQ(selected->number, channel(0, 0, 2).number);

    // The "Satellites" header: the first selected row's satellite and transponder.
    select(Key::satellitesHeader());
    ASSERT_TRUE(list.selectChannel({1, 0, 0}));
    driver.next<ChannelDialog>([](ChannelDialog& d) {
        EXPECT_EQ(control<QComboBox>(d, "satellite")->currentIndex(), 1);
        clickOk(d);
    });
    editor.addChannel();
    EXPECT_EQ(db().satellites[1].transponders[0].channels.size(), 3u);
    EXPECT_EQ(undoCount(), 2);
}

TEST_F(RecordEditorTest, GroupEditKeepsMembersTheListDoesNotShow) {
    open(sample());
    const ChannelDatabase before = db();
    select(Key::group(0, 1));
    driver.next<GroupDialog>([](GroupDialog& d) {
        GroupCandidateModel* model = d.candidates();
        // Nile's channels other than DATA: the member Sport first, then Cocuk and Music.
        ASSERT_EQ(model->rowCount(), 3);
        EXPECT_EQ(model->index(0, GroupCandidateModel::ChannelColumn).data().toString(),
                  "   2. Sport");
        d.candidateView()->setCurrentIndex(model->index(1, 0));  // Cocuk
        QTest::keyClick(d.candidateView(), Qt::Key_Space);
        clickOk(d);
    });
    QTest::keyClick(&tree, Qt::Key_Return);

    auto form = GroupForm::forEdit(before, 1);
    form->setChecked(1, true);
    const auto expected = form->accept(messages);
    ASSERT_TRUE(expected);
    EXPECT_EQ(db().groups[1].refs, expected->refs);
    std::vector<std::uint16_t> numbers;
    for (const ChannelRef& ref : db().groups[1].refs) numbers.push_back(ref.number);
    EXPECT_EQ(numbers, (std::vector<std::uint16_t>{1, 3, 0})) << "Kids (Astra) kept in place";
    document.undoStack()->undo();
    EXPECT_TRUE(db() == before);
}

}  // namespace
}  // namespace kavro::gui
