#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <numeric>
#include <ostream>

#include "DatabaseBuilder.h"
#include "RecordingMessageSink.h"
#include "TemporaryDirectory.h"
#include "document/ChannelDocument.h"
#include "document/commands/AddSatellite.h"
#include "document/commands/EditSatellite.h"
#include "document/commands/MoveSatellite.h"
#include "gui/app/DisplayText.h"
#include "gui/views/DatabaseTree.h"
#include "gui/views/DatabaseTreeDrag.h"
#include "gui/views/DatabaseTreeItem.h"
#include "messages/StringIds.h"

namespace kavro {

static void PrintTo(const TreeItemKey& key, std::ostream* os) {
    *os << "(" << key.kind << ", " << key.satIndex << ", " << key.subIndex << ")";
}

namespace {

using gui::DatabaseTree;
using gui::keyOf;
using Key = TreeItemKey;

// Six satellites A..F with two transponders of two channels each (channels 4s .. 4s+3), and
// groups that reach into several satellites.
ChannelDatabase sixSatellites() {
    test::DatabaseBuilder b;
    for (char s = 'A'; s <= 'F'; ++s) {
        b.satellite(std::string("Sat ") + s);
        for (int t = 0; t < 2; ++t) {
            b.transponder(static_cast<std::uint16_t>(11000 + 100 * (s - 'A') + t));
            for (int c = 0; c < 2; ++c)
                b.channel(std::string{s, '-', char('0' + t), char('0' + c)});
        }
    }
    std::vector<std::uint16_t> all(24);
    std::iota(all.begin(), all.end(), std::uint16_t{0});
    return b.group("ALL", all)
        .group("tv", {0, 5, 9})
        .group("FAV", {6, 17, 18, 2})
        .group("News", {16, 19})
        .group("Sport", {21})
        .build();
}

// The channel names every group lists, in order: what must survive moves and deletes.
std::vector<std::vector<QString>> memberNames(const ChannelDatabase& db) {
    ChannelDatabase copy = db;
    std::vector<std::vector<QString>> names;
    for (auto& group : copy.groups) {
        auto& list = names.emplace_back();
        for (auto& ref : group.refs) {
            const ChannelRecord* channel = copy.findChannel(ref);
            list.push_back(channel ? gui::displayName(*channel) : QStringLiteral("<none>"));
        }
    }
    return names;
}

QStringList satelliteNames(const ChannelDatabase& db) {
    QStringList names;
    for (const auto& satellite : db.satellites) names.push_back(gui::displayName(satellite));
    return names;
}

// Every item against the database: labels, keys and order.
void expectTreeShows(const DatabaseTree& tree, const ChannelDatabase& db, const QString& file) {
    ASSERT_EQ(tree.topLevelItemCount(), 1);
    const QTreeWidgetItem* root = tree.topLevelItem(0);
    EXPECT_EQ(root->text(0), file);
    EXPECT_EQ(keyOf(root), Key::root());
    ASSERT_EQ(root->childCount(), 2);
    const QTreeWidgetItem* satellites = root->child(0);
    const QTreeWidgetItem* groups = root->child(1);
    EXPECT_EQ(satellites->text(0) + groups->text(0), "SatellitesGroups");
    EXPECT_EQ(keyOf(satellites), Key::satellitesHeader());
    EXPECT_EQ(keyOf(groups), Key::groupsHeader());
    ASSERT_EQ(static_cast<std::size_t>(satellites->childCount()), db.satellites.size());
    for (std::uint16_t s = 0; s < db.satellites.size(); ++s) {
        const QTreeWidgetItem* satellite = satellites->child(s);
        EXPECT_EQ(keyOf(satellite), Key::satellite(s));
        EXPECT_EQ(satellite->text(0), gui::satelliteLabel(s, db.satellites[s]));
        const auto& transponders = db.satellites[s].transponders;
        ASSERT_EQ(static_cast<std::size_t>(satellite->childCount()), transponders.size());
        for (std::uint16_t t = 0; t < transponders.size(); ++t) {
            EXPECT_EQ(keyOf(satellite->child(t)), Key::transponder(s, t));
            EXPECT_EQ(satellite->child(t)->text(0), gui::transponderLabel(t, transponders[t]));
        }
    }
    const std::size_t shown = std::min<std::size_t>(db.groupCount(), db.groups.size());
    ASSERT_EQ(static_cast<std::size_t>(groups->childCount()), shown);
    for (std::uint16_t g = 0; g < shown; ++g) {
        const int kind = ChannelDatabase::groupKind(db.groups[g]);
        EXPECT_EQ(keyOf(groups->child(g)),
                  Key::group(kind < 0 ? Key::kHeader : static_cast<std::uint16_t>(kind), g));
        EXPECT_EQ(groups->child(g)->text(0), gui::groupLabel(g, db.groups[g]));
    }
}

class DatabaseTreeTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(test::writeBytes(path, test::makeImage(sixSatellites())));
        ASSERT_TRUE(document.openDocument(path));
        tree.resize(320, 480);
        tree.show();
    }

    const ChannelDatabase& db() const { return document.database(); }
    // Group g's key as the item carries it: its kind is its first member's satellite.
    Key group(std::uint16_t g) const { return keyOf(tree.itemForKey(Key::group(0, g))); }

    // Drags `dragged` over `target` and drops it there as Qt delivers a drag to the viewport;
    // true when the tree accepted the target (the drag cursor says so).
    bool drop(const Key& dragged, const Key& target) {
        QTreeWidgetItem* item = tree.itemForKey(target);
        EXPECT_NE(item, nullptr);
        if (!item) return false;
        tree.scrollToItem(item);
        const QPoint at = tree.visualItemRect(item).center();
        const auto data = gui::makeTreeDragData(dragged);
        QDragEnterEvent enter(at, Qt::MoveAction, data.get(), Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(tree.viewport(), &enter);
        QDragMoveEvent move(at, Qt::MoveAction, data.get(), Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(tree.viewport(), &move);
        QDropEvent dropped(at, Qt::MoveAction, data.get(), Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(tree.viewport(), &dropped);
        EXPECT_EQ(dropped.isAccepted(), move.isAccepted());
        return move.isAccepted();
    }

    void press(const Key& key, Qt::Key pressed) {
        ASSERT_TRUE(tree.selectKey(key));
        QTest::keyClick(&tree, pressed);
    }

    test::TemporaryDirectory dir;
    std::string path = dir.file("ChData.ird");
    test::RecordingMessageSink messages;
    ChannelDocument document{messages};
    DatabaseTree tree{document};
};

TEST_F(DatabaseTreeTest, ShowsTheDatabaseWithTheRootSelected) {
    expectTreeShows(tree, db(), "ChData.ird");
    EXPECT_EQ(tree.currentKey(), Key::root());
    EXPECT_TRUE(tree.itemForKey(Key::satellitesHeader())->isExpanded());
    EXPECT_EQ(tree.itemForKey(group(3))->text(0), " 4. News");

    // Only the groups the settings count.
    ChannelDatabase counted = db();
    counted.setGroupCount(2);
    document.installReceived(counted, "");
    expectTreeShows(tree, counted, "");

    // No satellites: the root and the headers, nothing of the previous database.
    document.installReceived(ChannelDatabase(), "");
    expectTreeShows(tree, ChannelDatabase(), "");
}

TEST_F(DatabaseTreeTest, DraggedSatelliteTakesTheTargetsPlaceAndReferencesFollow) {
    const ChannelDatabase before = db();
    const auto members = memberNames(before);
    QSignalSpy current(&tree, &DatabaseTree::currentKeyChanged);

    ASSERT_TRUE(drop(Key::satellite(5), Key::satellite(2)));
    EXPECT_EQ(satelliteNames(db()).join(','), "Sat A,Sat B,Sat F,Sat C,Sat D,Sat E");
    EXPECT_EQ(memberNames(db()), members);
    expectTreeShows(tree, db(), "ChData.ird");
    EXPECT_EQ(tree.currentKey(), Key::satellite(2));
    EXPECT_EQ(current.last().at(0).value<Key>(), Key::satellite(2));

    document.undoStack()->undo();
    EXPECT_EQ(db(), before) << test::firstDifference(db(), before);
    expectTreeShows(tree, db(), "ChData.ird");

    ASSERT_TRUE(drop(Key::satellite(2), Key::satellite(5)));
    EXPECT_EQ(satelliteNames(db()).join(','), "Sat A,Sat B,Sat D,Sat E,Sat F,Sat C");
    EXPECT_EQ(memberNames(db()), members);
    expectTreeShows(tree, db(), "ChData.ird");
    EXPECT_EQ(tree.currentKey(), Key::satellite(5));
}

TEST_F(DatabaseTreeTest, DropsOnlyAmongSiblings) {
    const ChannelDatabase before = db();
    // Refused: another satellite's transponder, a satellite for a group or the other way, the
    // headers, and predefined groups as the dragged item.
    EXPECT_FALSE(drop(Key::transponder(1, 0), Key::transponder(2, 1)));
    EXPECT_FALSE(drop(group(2), Key::satellite(1)));
    EXPECT_FALSE(drop(Key::satellite(1), group(2)));
    EXPECT_FALSE(drop(Key::satellite(1), Key::satellitesHeader()));
    EXPECT_FALSE(drop(Key::satellitesHeader(), Key::groupsHeader()));
    EXPECT_FALSE(drop(group(0), group(2)));
    EXPECT_EQ(db(), before);
    EXPECT_EQ(document.undoStack()->count(), 0);

    // Accepted: a transponder within its satellite, a group onto a predefined one.
    const QString moved = tree.itemForKey(Key::transponder(3, 1))->text(0).mid(5);
    ASSERT_TRUE(drop(Key::transponder(3, 1), Key::transponder(3, 0)));
    EXPECT_EQ(tree.currentKey(), Key::transponder(3, 0));
    EXPECT_EQ(tree.currentItem()->text(0).mid(5), moved);
    ASSERT_TRUE(drop(group(2), group(0)));
    EXPECT_EQ(gui::displayName(db().groups[0]), "FAV");
    expectTreeShows(tree, db(), "ChData.ird");
    EXPECT_EQ(document.undoStack()->count(), 2);
}

TEST_F(DatabaseTreeTest, DeleteAsksAndRemovesTheGroupReferences) {
    const ChannelDatabase before = db();
    messages.answer({MessageButton::No});
    press(Key::satellite(4), Qt::Key_Delete);
    EXPECT_EQ(messages.ids(), std::vector<int>{strings::RemoveSatelliteQuestion});
    EXPECT_EQ(messages.entries.back().style, MessageStyle::YesNo);
    EXPECT_EQ(db(), before);

    messages.answer({MessageButton::Yes});
    press(Key::satellite(4), Qt::Key_Delete);
    EXPECT_EQ(satelliteNames(db()).join(','), "Sat A,Sat B,Sat C,Sat D,Sat F");
    // Satellite E held channels E-00 .. E-11; every other reference is kept in order.
    auto expected = memberNames(before);
    for (auto& names : expected)
        std::erase_if(names, [](const QString& name) { return name.startsWith("E-"); });
    EXPECT_EQ(memberNames(db()), expected);
    expectTreeShows(tree, db(), "ChData.ird");
    EXPECT_EQ(tree.currentItem()->text(0), "  5. Sat F");

    document.undoStack()->undo();
    EXPECT_EQ(db(), before) << test::firstDifference(db(), before);

    messages.entries.clear();
    press(group(0), Qt::Key_Delete);  // "ALL"
    press(Key::groupsHeader(), Qt::Key_Delete);
    press(Key::satellitesHeader(), Qt::Key_Delete);
    press(Key::root(), Qt::Key_Delete);
    EXPECT_TRUE(messages.entries.empty());
    EXPECT_EQ(db(), before);

    messages.answer({MessageButton::Yes, MessageButton::Yes});
    press(Key::transponder(0, 1), Qt::Key_Delete);
    press(group(4), Qt::Key_Delete);
    EXPECT_EQ(messages.ids(),
              (std::vector<int>{strings::RemoveTransponderQuestion, strings::RemoveGroupQuestion}));
    EXPECT_EQ(db().satellites[0].transponders.size(), 1u);
    EXPECT_EQ(tree.currentKey().subIndex, 3);  // the group before the deleted last one
    expectTreeShows(tree, db(), "ChData.ird");
}

TEST_F(DatabaseTreeTest, CommandsFollowTheSelection) {
    struct Row {
        Key key;
        bool edit, add, del;
    };
    const Row rows[] = {
        {Key::root(), false, false, false},
        {Key::satellitesHeader(), false, true, false},
        {Key::satellite(1), true, true, true},
        {Key::transponder(1, 1), true, false, true},
        {Key::groupsHeader(), false, false, false},
        {group(0), true, true, false},  // "ALL"
        {group(1), true, true, false},  // "tv", any case
        {group(2), true, true, true},
    };
    QSignalSpy edits(&tree, &DatabaseTree::editRequested);
    QSignalSpy adds(&tree, &DatabaseTree::addRequested);
    int wantEdits = 0, wantAdds = 0;
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::PrintToString(row.key));
        ASSERT_TRUE(tree.selectKey(row.key));
        EXPECT_EQ(tree.canEdit(), row.edit);
        EXPECT_EQ(tree.canAdd(), row.add);
        EXPECT_EQ(tree.canDelete(), row.del);
        QTest::keyClick(&tree, Qt::Key_Return);
        QTest::keyClick(&tree, Qt::Key_Insert);
        ASSERT_EQ(edits.count(), wantEdits += row.edit);
        ASSERT_EQ(adds.count(), wantAdds += row.add);
    }
    EXPECT_EQ(adds.last().at(0).value<Key>(), group(2));

    // A double click edits a record.
    QTreeWidgetItem* fav = tree.itemForKey(group(2));
    tree.scrollToItem(fav);
    const QPoint at = tree.visualItemRect(fav).center();
    QTest::mouseClick(tree.viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(tree.viewport(), Qt::LeftButton, {}, at);
    EXPECT_EQ(edits.count(), wantEdits + 1);
    EXPECT_EQ(edits.last().at(0).value<Key>(), keyOf(fav));
}

TEST_F(DatabaseTreeTest, ContextMenuOffersTheCommandsWithTheirDefault) {
    QAction edit("Edit"), add("Add"), del("Del");
    tree.setCommandActions(&edit, &add, &del);
    // The preferred action of the menu shown on right-clicking `key`; null without a menu.
    const auto menuDefault = [&](const Key& key) -> QAction* {
        QTreeWidgetItem* item = tree.itemForKey(key);
        tree.scrollToItem(item);
        const QPoint at = tree.visualItemRect(item).center();
        QAction* shown = nullptr;
        QTimer closer;
        closer.setSingleShot(true);
        QObject::connect(&closer, &QTimer::timeout, [&] {
            if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
                shown = menu->defaultAction();
                EXPECT_EQ(menu->actions(), (QList<QAction*>{&edit, &add, &del}));
                menu->close();
            }
        });
        closer.start(0);
        QContextMenuEvent event(QContextMenuEvent::Mouse, at, tree.viewport()->mapToGlobal(at));
        QCoreApplication::sendEvent(tree.viewport(), &event);
        EXPECT_EQ(tree.currentKey(), key);
        return shown;
    };
    EXPECT_EQ(menuDefault(Key::satellitesHeader()), &add);
    EXPECT_EQ(menuDefault(Key::transponder(2, 0)), &edit);
    EXPECT_EQ(menuDefault(group(3)), &edit);
    EXPECT_EQ(menuDefault(Key::root()), nullptr);
    EXPECT_EQ(menuDefault(Key::groupsHeader()), nullptr);
}

TEST_F(DatabaseTreeTest, ChangesKeepTheSelectedRecordAndTheOpenSatellites) {
    tree.itemForKey(Key::satellite(1))->setExpanded(true);
    tree.itemForKey(Key::satellite(4))->setExpanded(true);
    ASSERT_TRUE(tree.selectKey(Key::transponder(4, 1)));
    QTreeWidgetItem* satelliteB = tree.itemForKey(Key::satellite(1));

    // Another satellite's edit relabels in place.
    SatelliteRecord renamed = db().satellites[1];
    test::setPlainName(renamed.name(), "Renamed");
    ASSERT_TRUE(document.push(new EditSatellite(document, 1, renamed)));
    EXPECT_EQ(tree.itemForKey(Key::satellite(1)), satelliteB);
    EXPECT_EQ(satelliteB->text(0), "  2. Renamed");
    EXPECT_EQ(tree.currentKey(), Key::transponder(4, 1));

    // A move renumbers: the selection and the open satellites go with their records, and undo
    // brings them back.
    QSignalSpy current(&tree, &DatabaseTree::currentKeyChanged);
    ASSERT_TRUE(document.push(new MoveSatellite(document, 4, 0)));
    EXPECT_EQ(tree.currentKey(), Key::transponder(0, 1));
    EXPECT_EQ(current.last().at(0).value<Key>(), Key::transponder(0, 1));
    const auto expanded = [&] {
        std::vector<int> open;
        QTreeWidgetItem* header = tree.itemForKey(Key::satellitesHeader());
        for (int s = 0; s < header->childCount(); ++s)
            if (header->child(s)->isExpanded()) open.push_back(s);
        return open;
    };
    EXPECT_EQ(expanded(), (std::vector<int>{0, 2}));
    document.undoStack()->undo();
    EXPECT_EQ(tree.currentKey(), Key::transponder(4, 1));
    EXPECT_EQ(expanded(), (std::vector<int>{1, 4}));
    expectTreeShows(tree, db(), "ChData.ird");
}

TEST_F(DatabaseTreeTest, ReloadSelectsTheSameItemAgain) {
    QSignalSpy current(&tree, &DatabaseTree::currentKeyChanged);
    for (const Key key : {Key::transponder(2, 1), group(3), Key::satellite(5)}) {
        ASSERT_TRUE(tree.selectKey(key));
        ASSERT_TRUE(document.push(new MoveSatellite(document, 0, 1)));
        current.clear();
        ASSERT_TRUE(document.readAgain());
        expectTreeShows(tree, db(), "ChData.ird");
        EXPECT_EQ(tree.currentKey(), key);
        ASSERT_EQ(current.count(), 1);
        EXPECT_EQ(current.last().at(0).value<Key>(), key);
    }

    // A satellite the file does not have: the "Satellites" header.
    ASSERT_TRUE(document.push(new AddSatellite(document, SatelliteRecord())));
    ASSERT_TRUE(tree.selectKey(Key::satellite(6)));
    ASSERT_TRUE(document.readAgain());
    EXPECT_EQ(tree.currentKey(), Key::satellitesHeader());
    EXPECT_FALSE(tree.selectTransponderItem(0, 2));
    EXPECT_TRUE(tree.selectTransponderItem(5, 1));
    EXPECT_EQ(tree.currentKey(), Key::transponder(5, 1));
}

}  // namespace
}  // namespace kavro
