#include <gtest/gtest.h>

#include <QAction>
#include <QHeaderView>
#include <QMenu>
#include <QMimeData>
#include <QSignalSpy>
#include <QTest>
#include <algorithm>
#include <array>
#include <memory>

#include "DatabaseBuilder.h"
#include "RecordingMessageSink.h"
#include "document/ChannelDocument.h"
#include "document/commands/EditChannel.h"
#include "document/commands/RenumberChannels.h"
#include "gui/views/ChannelList.h"
#include "gui/views/ChannelTableModel.h"
#include "messages/StringIds.h"

namespace kavro::gui {
namespace {

using test::DatabaseBuilder;

// Two satellites of two transponders with two channels each (numbers 0-7), and groups.
ChannelDatabase twoSatellites() {
    return DatabaseBuilder()
        .satellite("Nile")
        .transponder(11000)
        .channel("Alpha")
        .channel("Beta", ChannelRecord::Radio)
        .transponder(11100)
        .channel("Gamma")
        .channel("Delta")
        .satellite("Badr")
        .transponder(12000)
        .channel("Eta")
        .channel("Theta")
        .transponder(12100)
        .channel("Iota")
        .channel("Kappa")
        .group("ALL", {0, 1, 2, 3, 4, 5, 6, 7})
        .group("TV", {0, 2})
        .group("RADIO", {1})
        .group("Fav", {5, 99, 2, 6, 2})  // 99 names no channel; 2 is listed twice
        .build();
}

class ChannelListTest : public ::testing::Test {
protected:
    ChannelListTest() {
        list.resize(1000, 600);
        list.show();
    }

    void open(const ChannelDatabase& db, TreeItemKey key) {
        doc.installReceived(db, "");
        list.showKey(key);
        QCoreApplication::processEvents();
    }
    QVariant cell(int row, int column, int role = Qt::DisplayRole) const {
        return list.model()->index(row, column).data(role);
    }
    // The channel numbers in display order.
    std::vector<int> shownNumbers() const {
        std::vector<int> numbers;
        for (int r = 0; r < list.rowCountShown(); ++r)
            numbers.push_back(list.channelModel()->rowAt(r).ref.number);
        return numbers;
    }
    void click(int row, Qt::KeyboardModifiers modifiers = {}) {
        QTest::mouseClick(list.viewport(), Qt::LeftButton, modifiers,
                          list.visualRect(list.model()->index(row, 1)).center());
    }
    const ChannelDatabase& db() const { return doc.database(); }
    std::vector<std::uint16_t> members(std::size_t g) const {
        std::vector<std::uint16_t> numbers;
        for (const ChannelRef& ref : db().groups[g].refs) numbers.push_back(ref.number);
        return numbers;
    }

    test::RecordingMessageSink sink;
    ChannelDocument doc{sink};
    ChannelList list{doc};
};

TEST_F(ChannelListTest, FillsCellsAndColoursRunsForEachKindOfItem) {
    ChannelDatabase base = twoSatellites();
    base.satellites[1].transponders[0].channels[1].bytes[4] = 2;  // Arabic-coded name
    open(base, TreeItemKey::satellitesHeader());

    EXPECT_EQ(shownNumbers(), (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7}));
    EXPECT_EQ(cell(1, ChannelColumn).toString(), "   2. Beta");
    EXPECT_EQ(cell(4, SatelliteColumn).toString(), "  2. Badr");
    EXPECT_EQ(cell(4, TpColumn).toString(), "12000 H 27500");
    EXPECT_EQ(cell(4, SidColumn).toString(), "  104");
    const QColor green(0xD8, 0xEC, 0xD8), cyan(0xD8, 0xEC, 0xEC);
    // Runs break at each satellite here.
    EXPECT_EQ(cell(3, 0, Qt::BackgroundRole).value<QColor>(), green);
    EXPECT_EQ(cell(4, 0, Qt::BackgroundRole).value<QColor>(), cyan);
    EXPECT_EQ(cell(0, 0, Qt::ForegroundRole).value<QColor>(), QColor(0, 0, 0x80));
    EXPECT_EQ(cell(5, 0, Qt::ForegroundRole).value<QColor>(), QColor(0, 0x80, 0));

    list.showKey(TreeItemKey::satellite(1));  // runs by transponder
    EXPECT_EQ(shownNumbers(), (std::vector<int>{4, 5, 6, 7}));
    EXPECT_EQ(cell(1, 0, Qt::BackgroundRole).value<QColor>(), green);
    EXPECT_EQ(cell(2, 0, Qt::BackgroundRole).value<QColor>(), cyan);

    list.showKey(TreeItemKey::transponder(0, 1));  // one run, second colour
    EXPECT_EQ(shownNumbers(), (std::vector<int>{2, 3}));
    EXPECT_EQ(cell(0, 0, Qt::BackgroundRole).value<QColor>(), cyan);

    // A group: members in member order, numbered by position, the unresolved one left out.
    list.showKey(TreeItemKey::group(0, 3));
    EXPECT_EQ(shownNumbers(), (std::vector<int>{5, 2, 6, 2}));
    EXPECT_EQ(cell(1, ChannelColumn).toString(), "   2. Gamma");

    list.showKey(TreeItemKey::groupsHeader());
    EXPECT_EQ(list.rowCountShown(), 0);
}

TEST_F(ChannelListTest, StatusValuesFollowTheSelection) {
    DatabaseBuilder builder;
    for (int i = 0; i < 20; ++i) builder.channel("Ch" + std::to_string(i));
    open(builder.build(), TreeItemKey::transponder(0, 0));
    QSignalSpy changes(&list, &ChannelList::selectionInfoChanged);

    EXPECT_FALSE(list.selectedSpan());
    EXPECT_FALSE(list.canDelete());
    click(2);
    click(6, Qt::ShiftModifier);
    EXPECT_EQ(list.selectedSpan(), std::make_pair(3, 7));
    EXPECT_EQ(list.selectedRowCount(), 5);
    EXPECT_EQ(list.rowCountShown(), 20);
    EXPECT_GE(changes.count(), 2);
    EXPECT_TRUE(list.canEdit() && list.canDelete() && list.canSelectAll());

    list.selectAllRows();
    EXPECT_EQ(list.selectedRowCount(), 20);
    EXPECT_FALSE(list.canSelectAll());
}

TEST_F(ChannelListTest, HeaderClicksSortAndTheSelectionFollowsItsChannel) {
    ChannelDatabase base = twoSatellites();
    const std::uint16_t sids[] = {30, 10, 80, 20, 70, 40, 60, 50};
    int i = 0;
    for (auto& sat : base.satellites)
        for (auto& tp : sat.transponders)
            for (auto& ch : tp.channels) ch.setServiceId(sids[i++]);
    std::swap(base.satellites[0].transponders[0].channels[0].number,
              base.satellites[0].transponders[1].channels[0].number);  // Gamma is now 0
    base.relinkGroups();
    open(base, TreeItemKey::satellitesHeader());
    click(0);  // Gamma, SID 80
    QHeaderView* header = list.horizontalHeader();
    const QPoint sid(header->sectionViewportPosition(SidColumn) + 10, header->height() / 2);

    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, sid);
    EXPECT_EQ(shownNumbers(), (std::vector<int>{1, 3, 2, 5, 7, 6, 4, 0}));
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, sid);
    EXPECT_EQ(shownNumbers(), (std::vector<int>{0, 4, 6, 7, 5, 2, 3, 1}));
    EXPECT_EQ(header->sortIndicatorOrder(), Qt::DescendingOrder);
    EXPECT_EQ(list.selectedSpan(), std::make_pair(1, 1));
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, sid);
    EXPECT_EQ(shownNumbers(), (std::vector<int>{1, 3, 2, 5, 7, 6, 4, 0}));
    EXPECT_EQ(header->sortIndicatorSection(), SidColumn);
    EXPECT_EQ(header->sortIndicatorOrder(), Qt::AscendingOrder);

    // TP sorts by satellite, then transponder, then channel.
    list.channelModel()->sortRows(TpColumn, Qt::DescendingOrder);
    EXPECT_EQ(shownNumbers(), (std::vector<int>{7, 6, 5, 4, 3, 0, 2, 1}));

    // A refill keeps the selected channel even when renumbering moved its row.
    list.channelModel()->sortRows(ChannelColumn, Qt::AscendingOrder);
    doc.push(new RenumberChannels(doc));
    EXPECT_EQ(shownNumbers(), (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7}));
    EXPECT_EQ(cell(2, ChannelColumn).toString(), "   3. Gamma");
    EXPECT_EQ(list.selectedSpan(), std::make_pair(3, 3));
}

TEST_F(ChannelListTest, DeleteInSatelliteViewAsksOnceAndRemovesEveryMembership) {
    const ChannelDatabase base = twoSatellites();
    open(base, TreeItemKey::satellitesHeader());
    click(1);
    click(2, Qt::ControlModifier);
    click(5, Qt::ControlModifier);

    sink.answer({MessageButton::No});
    QTest::keyClick(&list, Qt::Key_Delete);
    EXPECT_EQ(sink.ids(), std::vector<int>{strings::RemoveChannelsQuestion});
    EXPECT_EQ(db(), base);

    sink.answer({MessageButton::Yes});
    QTest::keyClick(&list, Qt::Key_Delete);
    EXPECT_EQ(sink.ids().size(), 2u);
    EXPECT_EQ(shownNumbers(), (std::vector<int>{0, 3, 4, 6, 7}));
    EXPECT_EQ(members(0), (std::vector<std::uint16_t>{0, 3, 4, 6, 7}));
    EXPECT_EQ(members(1), (std::vector<std::uint16_t>{0}));
    EXPECT_TRUE(db().groups[2].refs.empty());
    EXPECT_EQ(members(3), (std::vector<std::uint16_t>{99, 6}));
    // The row after the last removed one is selected.
    EXPECT_EQ(list.selectedSpan(), std::make_pair(4, 4));

    doc.undoStack()->undo();
    EXPECT_EQ(db(), base);
    EXPECT_EQ(list.rowCountShown(), 8);
}

TEST_F(ChannelListTest, DeleteInGroupViewRemovesOnlyTheMembership) {
    open(twoSatellites(), TreeItemKey::group(0, 3));
    click(1);  // the first of channel 2's two rows
    sink.answer({MessageButton::Yes});
    QTest::keyClick(&list, Qt::Key_Delete);

    EXPECT_EQ(sink.ids(), std::vector<int>{strings::RemoveChannelQuestion});
    EXPECT_EQ(members(3), (std::vector<std::uint16_t>{5, 99, 6, 2}));
    EXPECT_EQ(db().satellites[0].transponders[1].channels[0].number, 2);
    EXPECT_EQ(members(0).size(), 8u);
    EXPECT_EQ(shownNumbers(), (std::vector<int>{5, 6, 2}));
}

TEST_F(ChannelListTest, GroupMenuMarksMembersAndTogglesOnlyTheFirstSelectedChannel) {
    open(twoSatellites(), TreeItemKey::satellite(0));
    QAction edit("Edit"), add("Add"), del("Del"), all("All");
    list.setCommandActions(&edit, &add, &del, &all);
    click(1);                       // Beta, a radio channel
    click(2, Qt::ControlModifier);  // Gamma, in Fav twice
    const QPoint gamma = list.visualRect(list.model()->index(2, 1)).center();

    std::unique_ptr<QMenu> menu = list.createContextMenu(gamma);
    ASSERT_TRUE(menu);
    EXPECT_EQ(menu->defaultAction(), &edit);
    QMenu* groups = menu->actions().last()->menu();
    ASSERT_TRUE(groups && groups->isEnabled());
    QStringList texts;
    for (QAction* a : groups->actions())
        texts << (a->isSeparator()
                      ? "-"
                      : a->text() + (a->isChecked() ? "*" : "") + (a->isEnabled() ? "" : "!"));
    // Checked by the clicked row; TV refuses the first selected channel, a radio one.
    EXPECT_EQ(texts, QStringList({"1. ALL*", "2. TV*!", "3. RADIO", "-", "4. Fav*"}));

    groups->actions().last()->trigger();  // Fav: Beta goes in, Gamma stays twice
    EXPECT_EQ(members(3), (std::vector<std::uint16_t>{5, 99, 2, 6, 2, 1}));
    list.toggleGroup(3);
    EXPECT_EQ(members(3), (std::vector<std::uint16_t>{5, 99, 2, 6, 2}));

    list.showKey(TreeItemKey::group(0, 3));
    EXPECT_FALSE(list.createContextMenu(gamma));
}

// The menu selects every free-to-air or every crypted row of the list, sorted or not, ready
// for one Del; a kind the list does not hold is greyed out.
TEST_F(ChannelListTest, MenuSelectsTheCryptedOrTheFreeToAirRowsForOneDel) {
    ChannelDatabase base = twoSatellites();
    for (auto [s, t, k] : {std::array{0, 0, 1}, {0, 1, 0}, {1, 1, 1}})
        base.satellites[s].transponders[t].channels[k].setCrypted(true);  // Beta, Gamma, Kappa
    open(base, TreeItemKey::satellitesHeader());
    list.channelModel()->sortByHeader(SidColumn);  // runs of kinds interleave differently
    const auto pick = [&](const char* name) {
        std::unique_ptr<QMenu> menu = list.createContextMenu({5, 5});
        auto* action = menu->findChild<QAction*>(QLatin1String(name));
        EXPECT_TRUE(action && action->isEnabled()) << name;
        if (action) action->trigger();
        std::vector<int> numbers;
        for (const QModelIndex& index : list.selectionModel()->selectedRows())
            numbers.push_back(list.channelModel()->rowAt(index.row()).ref.number);
        std::sort(numbers.begin(), numbers.end());
        return numbers;
    };
    EXPECT_EQ(pick("selectCrypted"), (std::vector<int>{1, 2, 7}));
    EXPECT_EQ(pick("selectClear"), (std::vector<int>{0, 3, 4, 5, 6}));
    sink.answer({MessageButton::Yes});
    QTest::keyClick(&list, Qt::Key_Delete);
    EXPECT_EQ(shownNumbers(), (std::vector<int>{1, 2, 7}));

    open(base, TreeItemKey::transponder(1, 0));  // Eta and Theta, both clear
    std::unique_ptr<QMenu> menu = list.createContextMenu({5, 5});
    EXPECT_FALSE(menu->findChild<QAction*>(QStringLiteral("selectCrypted"))->isEnabled());
}

TEST_F(ChannelListTest, DraggedGroupRowsStoreTheDisplayedOrder) {
    const ChannelDatabase base = twoSatellites();
    open(base, TreeItemKey::group(0, 3));
    ChannelTableModel* model = list.channelModel();
    model->sortRows(SidColumn, Qt::DescendingOrder);
    EXPECT_EQ(shownNumbers(), (std::vector<int>{6, 5, 2, 2}));
    click(3);

    // Drag the last row to the top, as the view's drop hands it to the model.
    std::unique_ptr<QMimeData> data(model->mimeData({model->index(3, 0), model->index(3, 5)}));
    ASSERT_TRUE(model->dropMimeData(data.get(), Qt::MoveAction, 0, 0, {}));
    EXPECT_EQ(shownNumbers(), (std::vector<int>{2, 6, 5, 2}));
    // The member naming no channel keeps its place.
    EXPECT_EQ(members(3), (std::vector<std::uint16_t>{2, 99, 6, 5, 2}));
    EXPECT_EQ(list.horizontalHeader()->sortIndicatorSection(), ChannelColumn);
    EXPECT_EQ(cell(0, ChannelColumn).toString(), "   1. Gamma");
    EXPECT_EQ(list.selectedSpan(), std::make_pair(1, 1));

    doc.undoStack()->undo();
    EXPECT_EQ(db(), base);
    EXPECT_EQ(shownNumbers(), (std::vector<int>{5, 2, 6, 2}));

    list.showKey(TreeItemKey::satellite(0));  // no dragging outside a group
    EXPECT_FALSE(model->flags(model->index(0, 0)) & Qt::ItemIsDragEnabled);
    EXPECT_FALSE(model->dropMimeData(data.get(), Qt::MoveAction, 0, 0, {}));
}

TEST_F(ChannelListTest, EditRequestsAndDocumentChangesReachTheRows) {
    open(twoSatellites(), TreeItemKey::transponder(0, 1));
    QSignalSpy edits(&list, &ChannelList::editRequested);
    QSignalSpy adds(&list, &ChannelList::addRequested);
    QTest::mouseDClick(list.viewport(), Qt::LeftButton, {},
                       list.visualRect(list.model()->index(1, 1)).center());
    QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, QPoint(20, 500));
    QTest::keyClick(&list, Qt::Key_Insert);
    ASSERT_EQ(edits.count(), 1);
    const auto ref = edits.first().first().value<ChannelRef>();
    EXPECT_EQ(ref, (ChannelRef{3, 1, 1, 0}));
    EXPECT_EQ(adds.count(), 2);

    click(1);
    ChannelRecord renamed = db().satellites[0].transponders[1].channels[1];
    test::setPlainName(renamed.name(), "Omega");
    doc.push(new EditChannel(doc, {0, 1, 1}, renamed));
    EXPECT_EQ(cell(1, ChannelColumn).toString(), "   4. Omega");
    EXPECT_EQ(cell(1, 0, Qt::ForegroundRole).value<QColor>(), QColor(0xF0, 0, 0));
    EXPECT_EQ(list.selectedSpan(), std::make_pair(2, 2));
    doc.undoStack()->undo();
    EXPECT_EQ(cell(1, ChannelColumn).toString(), "   4. Delta");

    // Nothing opens from a group view.
    list.showKey(TreeItemKey::group(0, 3));
    click(0);
    QTest::keyClick(&list, Qt::Key_Return);
    QTest::mouseDClick(list.viewport(), Qt::LeftButton, {},
                       list.visualRect(list.model()->index(0, 1)).center());
    EXPECT_EQ(edits.count() + adds.count(), 3);
}

}  // namespace
}  // namespace kavro::gui
