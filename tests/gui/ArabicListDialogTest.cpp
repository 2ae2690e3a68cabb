// The Arabic channals dialog driven through its widgets, and Auto Arabisation seen from the
// channel list.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QStyle>
#include <QTableView>
#include <QTest>
#include <QUndoStack>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "RecordingMessageSink.h"
#include "TemporaryDirectory.h"
#include "arabic/ArabicNameList.h"
#include "database/ImageFile.h"
#include "document/ChannelDocument.h"
#include "document/commands/AutoArabize.h"
#include "editing/DemoDatabase.h"
#include "gui/app/DisplayText.h"
#include "gui/dialogs/ArabicListDialog.h"
#include "gui/views/ChannelList.h"
#include "gui/views/ChannelListRows.h"
#include "gui/views/ChannelTableModel.h"
#include "messages/StringIds.h"

namespace kavro::gui {
namespace {

namespace fs = std::filesystem;

const QString kMbcArabic = QString::fromUtf8("إم بي سي");
const QString kJazeera = QString::fromUtf8("الجزيرة");

std::string readText(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

class ArabicListDialogTest : public ::testing::Test {
protected:
    ArabicListDialogTest() {
        EXPECT_EQ(saveArabicNameList({"MBC|" + toWindows1256(kMbcArabic) + "|", "NTV|n|", "ART|a|"},
                                     file, messages),
                  3);
        saved = readText(file);
    }

    std::unique_ptr<ArabicListDialog> dialog() {
        auto d = std::make_unique<ArabicListDialog>(where, messages);
        d->show();
        view = d->findChild<QTableView*>(QStringLiteral("list"));
        return d;
    }
    QString cell(int row, int column) const {
        return view->model()->index(row, column).data().toString();
    }
    void type(QWidget& d, const char* name, const QString& text) {
        auto* box = d.findChild<QLineEdit*>(QLatin1String(name));
        box->selectAll();
        // Arabic letters come as key events that carry their text.
        for (QChar c : text)
            QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
    void names(QWidget& d, const QString& latin, const QString& arabic) {
        type(d, "latinName", latin);
        type(d, "arabicName", arabic);
    }
    void click(QWidget& d, const char* button) {
        QTest::mouseClick(d.findChild<QPushButton*>(QLatin1String(button)), Qt::LeftButton);
    }
    void press(QWidget& d, QDialogButtonBox::StandardButton which) {
        QTest::mouseClick(d.findChild<QDialogButtonBox*>()->button(which), Qt::LeftButton);
    }
    QPoint rowPoint(int row) const {
        return view->visualRect(view->model()->index(row, 1)).center();
    }
    int selectedRow() const {
        const QModelIndexList rows = view->selectionModel()->selectedRows();
        return rows.size() == 1 ? rows.front().row() : -1;
    }

    test::TemporaryDirectory dir;
    fs::path file = dir.path() / "Channel.Ini";
    ArabicNameListLocation where{file, file};
    test::RecordingMessageSink messages;
    std::string saved;
    QTableView* view = nullptr;
};

TEST_F(ArabicListDialogTest, AddAsksAboutADuplicateEditAndDelChangeRowsAndOkSaves) {
    auto d = dialog();
    ASSERT_EQ(view->model()->rowCount(), 3);
    EXPECT_EQ(QStringList({cell(0, 0), cell(0, 1), cell(0, 2)}),
              QStringList({"0001", "MBC", kMbcArabic}));

    names(*d, "JSC", kJazeera);
    click(*d, "add");
    ASSERT_EQ(view->model()->rowCount(), 4);
    EXPECT_EQ(QStringList({cell(3, 0), cell(3, 1), cell(3, 2)}),
              QStringList({"0004", "JSC", kJazeera}));
    EXPECT_EQ(selectedRow(), 3);

    // The same Latin name in small letters: No keeps the row, Yes changes it.
    messages.answer({MessageButton::No, MessageButton::Yes});
    names(*d, "mbc", "m");
    click(*d, "add");
    ASSERT_EQ(messages.entries.size(), 1u);
    EXPECT_EQ(messages.entries[0].text,
              "This channel name already exist at the position 1.\n\nAre sure to change it?");
    EXPECT_EQ(selectedRow(), 0);
    EXPECT_EQ(cell(0, 1), "MBC");
    click(*d, "add");
    EXPECT_EQ(QStringList({cell(0, 1), cell(0, 2)}), QStringList({"mbc", "m"}));
    EXPECT_EQ(view->model()->rowCount(), 4);

    // A double-click takes a row into the boxes; Edit changes the selected row.
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, rowPoint(1));   // a double-click
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, rowPoint(1));  // starts with one
    EXPECT_EQ(d->findChild<QLineEdit*>(QStringLiteral("latinName"))->text(), "NTV");
    EXPECT_EQ(d->findChild<QLineEdit*>(QStringLiteral("arabicName"))->text(), "n");
    type(*d, "arabicName", QString::fromUtf8("ن"));
    click(*d, "edit");
    EXPECT_EQ(cell(1, 2), QString::fromUtf8("ن"));

    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, rowPoint(2));
    click(*d, "del");
    EXPECT_EQ(QStringList({cell(0, 0), cell(1, 0), cell(2, 0)}),
              QStringList({"0001", "0002", "0004"}));
    EXPECT_EQ(selectedRow(), 2);

    press(*d, QDialogButtonBox::Ok);
    EXPECT_FALSE(d->isVisible());
    EXPECT_EQ(d->result(), QDialog::Accepted);
    ArabicNameList list;
    loadArabicNameList(list, file);
    EXPECT_EQ(list, ArabicNameList({"mbc|m|", "NTV|" + toWindows1256(QString::fromUtf8("ن")) + "|",
                                    "JSC|" + toWindows1256(kJazeera) + "|"}));
    EXPECT_EQ(messages.entries.size(), 2u) << "only the two questions";
}

TEST_F(ArabicListDialogTest, CancelSavesNothingAndAFailedSaveKeepsTheDialogOpen) {
    auto cancelled = dialog();
    names(*cancelled, "A|B",
          QString::fromUtf8("日ب"));  // neither "|" nor what the file cannot hold
    EXPECT_EQ(cancelled->findChild<QLineEdit*>(QStringLiteral("latinName"))->text(), "AB");
    click(*cancelled, "add");
    EXPECT_EQ(cell(3, 2), QString::fromUtf8("ب"));
    press(*cancelled, QDialogButtonBox::Cancel);
    EXPECT_EQ(readText(file), saved);

    std::ofstream(dir.path() / "blocker") << "a file where a folder should be";
    where.writePath = dir.path() / "blocker" / "Channel.Ini";
    auto failed = dialog();
    press(*failed, QDialogButtonBox::Ok);
    EXPECT_EQ(messages.ids(), std::vector<int>({strings::FileWriteError}));
    EXPECT_TRUE(failed->isVisible());
    press(*failed, QDialogButtonBox::Cancel);

    // A list that cannot be read opens empty with the reason, and is not replaced.
    fs::remove(file);
    fs::create_directory(file);
    where.writePath = file;
    messages.entries.clear();
    auto unreadable = dialog();
    EXPECT_EQ(view->model()->rowCount(), 0);
    press(*unreadable, QDialogButtonBox::Ok);
    EXPECT_EQ(messages.ids(),
              std::vector<int>({strings::FileAccessDenied, strings::FileAccessDenied}));
    EXPECT_TRUE(unreadable->isVisible());
    EXPECT_TRUE(fs::is_directory(file));
}

TEST_F(ArabicListDialogTest, RightClickMenuGreysEditAndDelOffTheRows) {
    auto d = dialog();
    const auto state = [&](const QPoint& pos) {
        std::unique_ptr<QMenu> menu = d->contextMenu(pos);
        QStringList out;
        for (QAction* a : menu->actions())
            out << a->text() + (a->isEnabled() ? "" : " off") +
                       (menu->defaultAction() == a ? " default" : "");
        return out;
    };
    EXPECT_EQ(state(rowPoint(1)),
              QStringList({"&Edit\tCtrl+E default", "&Add\tCtrl+A", "&Del\tDel"}));
    EXPECT_EQ(state(QPoint(5, view->viewport()->height() - 3)),
              QStringList({"&Edit\tCtrl+E off", "&Add\tCtrl+A default", "&Del\tDel off"}));

    // Its keys work in the list.
    d->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(d.get()));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, rowPoint(0));
    view->setFocus();
    QTest::keyClick(view, Qt::Key_Delete);
    EXPECT_EQ(cell(0, 1), "NTV");
}

// Where a cell's or box's text starts on screen, left or right, after mirroring.
Qt::Alignment onScreen(const QWidget& widget, const QVariant& alignment) {
    return QStyle::visualAlignment(widget.layoutDirection(), alignment.value<Qt::Alignment>()) &
           (Qt::AlignHorizontal_Mask & ~Qt::AlignAbsolute);
}

// Arabic names start at the right whatever the interface's direction; the Latin column
// starts where the interface's text does.
TEST_F(ArabicListDialogTest, ArabicNamesStartAtTheRightInBothDirections) {
    for (Qt::LayoutDirection direction : {Qt::LeftToRight, Qt::RightToLeft}) {
        QApplication::setLayoutDirection(direction);
        auto d = dialog();
        const auto* arabic = d->findChild<QLineEdit*>(QStringLiteral("arabicName"));
        const QAbstractItemModel& m = *view->model();
        const auto alignment = [&](int column) {
            return onScreen(*view, m.index(0, column).data(Qt::TextAlignmentRole));
        };
        EXPECT_EQ(onScreen(*arabic, QVariant::fromValue(arabic->alignment())), Qt::AlignRight)
            << direction;
        EXPECT_EQ(alignment(2), Qt::AlignRight) << direction;
        EXPECT_EQ(onScreen(*view, m.headerData(2, Qt::Horizontal, Qt::TextAlignmentRole)),
                  Qt::AlignRight);
        EXPECT_EQ(alignment(1), direction == Qt::LeftToRight ? Qt::AlignLeft : Qt::AlignRight);
    }
    QApplication::setLayoutDirection(Qt::LeftToRight);
}

// Auto Arabisation is one step; the channel list follows the document both ways.
TEST(AutoArabisationTest, RenamesAsOneStepThatUndoesExactlyAndTheListFollows) {
    test::TemporaryDirectory dir;
    test::RecordingMessageSink messages;
    ChannelDatabase demo;
    buildDemoDatabase(demo);
    ChannelDocument document(messages);
    document.installReceived(demo, dir.file("Demo.ird"));
    document.undoStack()->clear();
    const ChannelDatabase before = document.database();
    ChannelList list(document);
    list.show();
    list.showKey(TreeItemKey::satellitesHeader());
    QCoreApplication::processEvents();
    const auto shown = [&](const QString& name) {  // rows read "  12. Name"
        int n = 0;
        for (int r = 0; r < list.model()->rowCount(); ++r)
            n += list.model()->index(r, ChannelColumn).data().toString().contains(". " + name);
        return n;
    };
    ASSERT_EQ(shown("MBC"), 10);

    const fs::path file = dir.path() / "Channel.Ini";
    EXPECT_EQ(autoArabize(document, file), 0) << "no list yet";
    saveArabicNameList({"MBC|" + toWindows1256(kMbcArabic) + "|"}, file, messages);
    EXPECT_EQ(autoArabize(document, file), 10);
    EXPECT_EQ(document.undoStack()->count(), 1);
    EXPECT_EQ(shown("MBC"), 0);
    EXPECT_EQ(shown(kMbcArabic), 10);
    const ChannelDatabase after = document.database();
    EXPECT_EQ(autoArabize(document, file), 0) << "the names are there already";
    EXPECT_EQ(document.undoStack()->count(), 1);

    document.undoStack()->undo();
    EXPECT_TRUE(document.database() == before);
    EXPECT_EQ(shown("MBC"), 10);
    document.undoStack()->redo();
    EXPECT_TRUE(document.database() == after);
    EXPECT_EQ(shown(kMbcArabic), 10);
    EXPECT_TRUE(messages.entries.empty());
}

}  // namespace
}  // namespace kavro::gui
