#include <gtest/gtest.h>

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTest>
#include <string>

#include "DatabaseBuilder.h"
#include "RecordingMessageSink.h"
#include "TemporaryDirectory.h"
#include "arabic/ReceiverName.h"
#include "arabic/Windows1256.h"
#include "document/ChannelDocument.h"
#include "document/commands/DeleteSatellite.h"
#include "gui/MainWindow.h"
#include "gui/app/FileDialogs.h"
#include "gui/find/FindController.h"
#include "gui/find/FindDialog.h"
#include "gui/views/ChannelList.h"
#include "gui/views/DatabaseTree.h"
#include "messages/StringIds.h"

namespace kavro::gui {
namespace {

// "news" is in five names: far down Nile's first transponder (the list has to scroll to it), on
// Nile's second in capitals, twice on Badr's first, and on Badr's second, the last transponder
// of the last satellite, which also holds an Arabic-coded name.
ChannelDatabase findDatabase() {
    test::DatabaseBuilder b;
    b.satellite("Nile").transponder(11000).channel("Sport");
    for (int i = 0; i < 60; ++i) b.channel("Filler " + std::to_string(i));
    b.channel("Alpha News").transponder(11100).channel("Music").channel("NEWS 24");
    b.satellite("Badr").transponder(12000).channel("Kids").channel("Sky news").channel("news 2");
    b.transponder(12100).channel("Weather news").channel("Arabic");
    b.satellite("Empty");
    ChannelDatabase db = b.build();
    encodeReceiverName(utf8ToWindows1256("قناة رياضة"),
                       db.satellites[1].transponders[1].channels[1].name());
    return db;
}

class FindDialogTest : public ::testing::Test {
protected:
    FindDialogTest() {
        window.show();
        document.installReceived(findDatabase(), "");
    }

    FindDialog& dialog() { return *find.dialog(); }
    QComboBox* satellites() { return dialog().findChild<QComboBox*>("satellites"); }
    QComboBox* transponders() { return dialog().findChild<QComboBox*>("transponders"); }
    QLineEdit* text() { return dialog().findChild<QLineEdit*>("text"); }
    std::pair<int, int> lists() {
        return {satellites()->currentIndex(), transponders()->currentIndex()};
    }
    std::optional<ChannelPlace> selectedChannel() {
        const auto ref = window.channelList()->firstSelectedChannel();
        if (!ref) return std::nullopt;
        return ChannelPlace{ref->satIndex, ref->tpIndex, ref->chIndex};
    }
    void enter() { QTest::keyClick(text(), Qt::Key_Return); }

    test::TemporaryDirectory dir;
    test::RecordingMessageSink messages;
    ChannelDocument document{messages};
    NoFileDialogs fileDialogs;
    QSettings profile{QString::fromStdString(dir.file("profile.ini")), QSettings::IniFormat};
    MainWindow window{document, fileDialogs, profile};
    DatabaseTree* tree = window.tree();
    FindController find{document, window.tree(), window.channelList(), &window};
};

TEST_F(FindDialogTest, NextFromAllSatellitesShowsEachHitAndGoesOnAfterItsTransponder) {
    tree->selectKey(TreeItemKey::root());
    find.find();
    EXPECT_EQ(lists(), std::pair(0, 0));
    QTest::keyClicks(text(), "news");
    enter();

    EXPECT_EQ(tree->currentKey(), TreeItemKey::transponder(0, 0));
    EXPECT_EQ(selectedChannel(), (ChannelPlace{0, 0, 61}));
    ChannelList* list = window.channelList();
    const QModelIndex row = list->selectionModel()->selectedRows().value(0);
    EXPECT_TRUE(list->viewport()->rect().contains(list->visualRect(row)));
    EXPECT_EQ(lists(), std::pair(1, 1));

    // Upper case matches; the second match of Badr's first transponder is passed over.
    const std::pair<ChannelPlace, std::pair<int, int>> following[] = {
        {{0, 1, 1}, {1, 2}}, {{1, 0, 1}, {2, 1}}, {{1, 1, 0}, {2, 2}}};
    for (const auto& [place, entries] : following) {
        enter();
        EXPECT_EQ(selectedChannel(), place);
        EXPECT_EQ(tree->currentKey(), TreeItemKey::transponder(place.satIndex, place.tpIndex));
        EXPECT_EQ(lists(), entries);
    }
    EXPECT_TRUE(messages.entries.empty());

    // Nothing after the last transponder, and no wrap-around: the views and lists stay.
    enter();
    ASSERT_EQ(messages.ids(), std::vector<int>{strings::CannotFind});
    EXPECT_EQ(messages.entries[0].text, "Cannot find 'news'");
    EXPECT_EQ(selectedChannel(), (ChannelPlace{1, 1, 0}));
    EXPECT_EQ(lists(), std::pair(2, 2));
}

TEST_F(FindDialogTest, FindNextSearchesFromTheTreeItemWithTheKeptText) {
    find.findNext();  // no text yet: it is Find
    ASSERT_TRUE(find.dialog() && dialog().isVisible());
    EXPECT_FALSE(find.hasSearchText());
    EXPECT_FALSE(dialog().findChild<QPushButton*>("next")->isEnabled());
    QTest::keyClicks(text(), "NeWs");
    QTest::keyClick(text(), Qt::Key_Escape);
    EXPECT_FALSE(dialog().isVisible());
    EXPECT_TRUE(find.hasSearchText());

    tree->selectKey(TreeItemKey::transponder(0, 0));
    find.findNext();
    EXPECT_FALSE(dialog().isVisible());
    EXPECT_EQ(tree->currentKey(), TreeItemKey::transponder(0, 1));
    EXPECT_EQ(selectedChannel(), (ChannelPlace{0, 1, 1}));
    find.findNext();
    EXPECT_EQ(selectedChannel(), (ChannelPlace{1, 0, 1}));
    EXPECT_EQ(lists(), std::pair(0, 0));  // the dialog's lists are Next's, not Find Next's

    // From the last transponder of the last satellite nothing is left, though earlier ones
    // match.
    tree->selectKey(TreeItemKey::transponder(1, 1));
    window.channelList()->selectRow(1);
    find.findNext();
    ASSERT_EQ(messages.ids(), std::vector<int>{strings::CannotFind});
    EXPECT_EQ(messages.entries[0].text, "Cannot find 'NeWs'");
    EXPECT_EQ(tree->currentKey(), TreeItemKey::transponder(1, 1));
    EXPECT_EQ(selectedChannel(), (ChannelPlace{1, 1, 1}));
}

TEST_F(FindDialogTest, ListsOpenOnTheTreeItemAndFollowTheUserAndTheDatabase) {
    tree->selectKey(TreeItemKey::transponder(1, 1));
    find.find();
    EXPECT_EQ(lists(), std::pair(2, 2));
    EXPECT_EQ(satellites()->count(), 4);
    EXPECT_EQ(transponders()->count(), 3);
    EXPECT_EQ(transponders()->itemText(0), QStringLiteral("All Transponders"));
    EXPECT_EQ(dialog().focusWidget(), text());

    // Another satellite: its transponders, the first chosen.
    QTest::keyClick(satellites(), Qt::Key_Up);
    EXPECT_EQ(lists(), std::pair(1, 1));
    EXPECT_EQ(transponders()->itemText(2).simplified(), QStringLiteral("2. 11100 H 27500"));

    // A deleted satellite leaves the lists while the dialog is open.
    ASSERT_TRUE(document.push(new DeleteSatellite(document, 0)));
    EXPECT_EQ(satellites()->count(), 3);
    EXPECT_EQ(satellites()->itemText(2), QStringLiteral("2. Empty"));
    document.undoStack()->undo();
    EXPECT_EQ(satellites()->count(), 4);
}

TEST_F(FindDialogTest, TypedArabicTextIsSearchedInTheReceiversCoding) {
    find.find();
    // Arabic comes as text without a Latin key code, as from an Arabic keyboard layout.
    for (const QChar c : QStringLiteral("رياض")) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(text(), &press);
    }
    ASSERT_EQ(text()->text(), QStringLiteral("رياض"));
    enter();
    EXPECT_TRUE(messages.entries.empty());
    EXPECT_EQ(selectedChannel(), (ChannelPlace{1, 1, 1}));
}

}  // namespace
}  // namespace kavro::gui
