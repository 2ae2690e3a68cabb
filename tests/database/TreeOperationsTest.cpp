#include <gtest/gtest.h>

#include "DatabaseBuilder.h"
#include "OperationsTestHelpers.h"
#include "RecordingMessageSink.h"
#include "database/ChannelOperations.h"
#include "database/ListOrder.h"
#include "database/TreeOperations.h"
#include "messages/StringIds.h"

namespace kavro::test {
namespace {

using Strings = std::vector<std::string>;

// Seven satellites S0..S6 with one transponder and one channel c0..c6 each; group "FAV" lists
// c6, c2, c4 and c5.
ChannelDatabase sevenSatellites() {
    DatabaseBuilder b;
    for (int s = 0; s < 7; ++s)
        b.satellite("S" + std::to_string(s)).transponder(11000).channel("c" + std::to_string(s));
    return b.group("FAV", {6, 2, 4, 5}).build();
}

// ---- Reorder (drag and drop) ----------------------------------------------------------------

TEST(ReorderSatellites, DragFiveOntoTwoTakesItsPlaceAndReferencesStillResolve) {
    ChannelDatabase db = sevenSatellites();

    ASSERT_TRUE(reorderSatellites(db, dropOrder(7, 5, 2)));

    EXPECT_EQ(satelliteNames(db), (Strings{"S0", "S1", "S5", "S2", "S3", "S4", "S6"}));
    EXPECT_EQ(memberNames(db, 0), (Strings{"c6", "c2", "c4", "c5"}));
    for (std::size_t s = 0; s < db.satellites.size(); ++s)
        EXPECT_EQ(db.satellites[s].transponders[0].satellite(), static_cast<int>(s));
    ChannelDatabase back = writeAndRead(db);
    EXPECT_EQ(satelliteNames(back), (Strings{"S0", "S1", "S5", "S2", "S3", "S4", "S6"}));
    EXPECT_EQ(memberNames(back, 0), (Strings{"c6", "c2", "c4", "c5"}));
}

TEST(ReorderSatellites, DragTwoOntoFiveEndsRightAfterIt) {
    ChannelDatabase db = sevenSatellites();

    ASSERT_TRUE(reorderSatellites(db, dropOrder(7, 2, 5)));

    EXPECT_EQ(satelliteNames(db), (Strings{"S0", "S1", "S3", "S4", "S5", "S2", "S6"}));
    EXPECT_EQ(memberNames(db, 0), (Strings{"c6", "c2", "c4", "c5"}));
    EXPECT_EQ(memberNames(writeAndRead(db), 0), (Strings{"c6", "c2", "c4", "c5"}));
}

TEST(ReorderSatellites, AnOrderOutsideTheListChangesNothing) {
    ChannelDatabase db = sevenSatellites();
    const ChannelDatabase before = db;
    EXPECT_FALSE(reorderSatellites(db, {0, 1, 2, 3, 4, 5, 7}));
    EXPECT_FALSE(reorderSatellites(db, {0, 1, 1, 3, 4, 5, 6}));
    EXPECT_FALSE(reorderTransponders(db, 0, {1}));
    EXPECT_EQ(db, before);
}

TEST(ReorderTransponders, MovesChannelsWithTheirTransponderAndKeepsReferences) {
    ChannelDatabase db = DatabaseBuilder()
                             .satellite("S")
                             .transponder(11000)
                             .channel("a")
                             .transponder(12000)
                             .channel("b")
                             .channel("c")
                             .transponder(13000)
                             .channel("d")
                             .group("G", {3, 1, 0})
                             .build();
    ASSERT_TRUE(reorderTransponders(db, 0, dropOrder(3, 2, 0)));
    EXPECT_EQ(channelNames(db), (Strings{"d", "a", "b", "c"}));
    EXPECT_EQ(memberNames(db, 0), (Strings{"d", "b", "a"}));
    EXPECT_EQ(memberNames(writeAndRead(db), 0), (Strings{"d", "b", "a"}));
}

// ---- Delete ---------------------------------------------------------------------------------

TEST(DeleteSatellite, RemovesItsChannelsFromEveryGroupAndRenumbersTheRest) {
    ChannelDatabase db = sevenSatellites();
    db.groups[0].refs.push_back(ChannelRef{2, 0, 0, 6});  // c2 again, stale satellite
    db.groups[0].syncCount();
    const auto counts = db.settings;

    ASSERT_TRUE(deleteSatellite(db, 2));

    EXPECT_EQ(satelliteNames(db), (Strings{"S0", "S1", "S3", "S4", "S5", "S6"}));
    EXPECT_EQ(memberNames(db, 0), (Strings{"c6", "c4", "c5"}));
    EXPECT_EQ(db.groups[0].count(), 3);
    EXPECT_EQ(db.satellites[4].transponders[0].satellite(), 4);
    EXPECT_EQ(db.settings, counts);
    ChannelDatabase back = writeAndRead(db);
    EXPECT_EQ(memberNames(back, 0), (Strings{"c6", "c4", "c5"}));
    EXPECT_EQ(back.channelCount(), 6);
}

TEST(DeleteTransponder, RemovesOnlyTheReferencesToItsOwnChannels) {
    ChannelDatabase db = DatabaseBuilder()
                             .satellite("S")
                             .transponder(11000)
                             .channel("a")
                             .transponder(12000)
                             .channel("b")
                             .channel("c")
                             .satellite("T")
                             .transponder(11000)
                             .channel("d")
                             .group("G", {3, 1, 0, 2, 1})
                             .build();
    ASSERT_TRUE(deleteTransponder(db, 0, 1));
    EXPECT_EQ(channelNames(db), (Strings{"a", "d"}));
    EXPECT_EQ(memberNames(db, 0), (Strings{"d", "a"}));
    EXPECT_FALSE(deleteTransponder(db, 0, 1));
    EXPECT_FALSE(deleteSatellite(db, 2));
}

TEST(DeleteGroup, APredefinedGroupStays) {
    ChannelDatabase db = DatabaseBuilder()
                             .channel("a")
                             .group("ALL", {0})
                             .group("radio", {})
                             .group("FAV", {0})
                             .build();
    EXPECT_FALSE(deleteGroup(db, 0));
    EXPECT_FALSE(deleteGroup(db, 1));
    EXPECT_TRUE(deleteGroup(db, 2));
    EXPECT_EQ(db.groups.size(), 2u);
    EXPECT_EQ(db.groupCount(), 3);  // recomputed by the writer
}

// ---- Add ------------------------------------------------------------------------------------

TEST(AddRecords, AddsRaiseTheirCountsAndLandAtTheEnd) {
    ChannelDatabase db = DatabaseBuilder().satellite("S").transponder(11000).channel("a").build();
    RecordingMessageSink messages;
    EXPECT_EQ(appendSatellite(db, SatelliteRecord(), messages), 1u);
    EXPECT_EQ(appendTransponder(db, 1, TransponderRecord(), messages), 0u);
    EXPECT_EQ(db.satellites[1].transponders[0].satellite(), 1);
    EXPECT_EQ(appendGroup(db, GroupRecord(), messages), 0u);
    EXPECT_TRUE(addChannel(db, 1, 0, ChannelRecord(), messages));
    EXPECT_EQ(db.satCount(), 2);
    EXPECT_EQ(db.tpCount(), 2);
    EXPECT_EQ(db.groupCount(), 1);
    EXPECT_EQ(db.channelCount(), 2);
    EXPECT_FALSE(appendTransponder(db, 2, TransponderRecord(), messages));  // stale satellite
    EXPECT_TRUE(messages.entries.empty());
}

// ---- Capacities -----------------------------------------------------------------------------

TEST(Capacity, AddingBeyondAnyLimitIsRefusedWithItsMessageAndChangesNothing) {
    ChannelDatabase db = makeFullCapacityDatabase();
    db.relinkGroups();  // positions as a read leaves them, so a member resolves as a row does
    // Group 2 stays full but lacks one channel: it lists another one twice instead.
    GroupRecord& full = db.groups[2];
    const ChannelRef lacking = full.refs.back();
    full.refs.back() = full.refs.front();
    const ChannelDatabase before = db;
    RecordingMessageSink messages;

    EXPECT_FALSE(appendSatellite(db, SatelliteRecord(), messages));
    EXPECT_FALSE(appendTransponder(db, 0, TransponderRecord(), messages));
    EXPECT_FALSE(addChannel(db, 0, 0, ChannelRecord(), messages));
    EXPECT_FALSE(appendGroup(db, GroupRecord(), messages));
    EXPECT_EQ(toggleGroupMember(db, 2, lacking, messages), MembershipChange::None);

    EXPECT_EQ(db, before);
    using namespace strings;
    EXPECT_EQ(messages.ids(),
              (std::vector<int>{TooManySatellites, TooManyTransponders, TooManyChannels,
                                TooManyGroups, TooManyGroupMembers}));
    EXPECT_EQ(messages.entries[0].text, "The receiver holds at most 360 satellites.");
    EXPECT_EQ(messages.entries[4].text, "A group holds at most 3900 channels.");
    // Taking a member out of the full group still works.
    EXPECT_EQ(toggleGroupMember(db, 2, full.refs.front(), messages), MembershipChange::Removed);
}

TEST(Capacity, AGroupWithTooManyMembersIsNotStored) {
    ChannelDatabase db = DatabaseBuilder().channel("a").group("G", {0}).build();
    const ChannelDatabase before = db;
    GroupRecord big;
    big.refs.assign(3901, ChannelRef{0, 0, 0, 0});
    RecordingMessageSink messages;
    EXPECT_FALSE(appendGroup(db, big, messages));
    EXPECT_FALSE(replaceGroup(db, 0, big, messages));
    EXPECT_EQ(db, before);
    EXPECT_EQ(messages.ids(),
              (std::vector<int>{strings::TooManyGroupMembers, strings::TooManyGroupMembers}));
    big.refs.resize(3900);
    EXPECT_TRUE(replaceGroup(db, 0, big, messages));
    EXPECT_EQ(db.groups[0].count(), 3900);
}

}  // namespace
}  // namespace kavro::test
