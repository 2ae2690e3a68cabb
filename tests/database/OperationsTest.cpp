// Whatever the operations and tools move or delete, the group references left must keep naming
// their own channels, in memory and after a save and a read.
#include <gtest/gtest.h>

#include <algorithm>

#include "DatabaseBuilder.h"
#include "RecordingMessageSink.h"
#include "database/ChannelOperations.h"
#include "database/DatabaseTools.h"
#include "database/ImageReader.h"
#include "database/ListOrder.h"
#include "database/TreeOperations.h"
#include "messages/StringIds.h"

namespace kavro::test {
namespace {

using Strings = std::vector<std::string>;

template <typename Record>
std::string plainName(const Record& record) {  // as the builder wrote it, up to the first NUL
    auto field = record.name();
    return std::string(field.begin(), std::find(field.begin(), field.end(), 0));
}

ChannelRecord named(std::string_view name) {
    ChannelRecord ch;
    setPlainName(ch.name(), name);
    return ch;
}

// A group's members resolved as the views resolve them (findChannel on the cached positions).
Strings memberNames(const ChannelDatabase& db, std::size_t g) {
    Strings names;
    for (ChannelRef ref : db.groups.at(g).refs)
        names.push_back(db.findChannel(ref) ? plainName(*db.findChannel(ref)) : "?");
    return names;
}

Strings channelNames(const ChannelDatabase& db, bool satellites = false) {  // in tree order
    Strings names;
    for (const auto& s : db.satellites) {
        if (satellites) names.push_back(plainName(s));
        for (const auto& t : s.transponders)
            for (const auto& c : t.channels)
                if (!satellites) names.push_back(plainName(c));
    }
    return names;
}

ChannelDatabase writeAndRead(const ChannelDatabase& db) {  // as a save and its reload do
    const IrdImage image = makeImage(db);
    ChannelDatabase back;
    SilentMessageSink silent;
    EXPECT_EQ(readImage(back, &image, silent), 1);
    return back;
}

// S0: {a, b, c}, {d}; S1: {e}. Group "G" lists b, e, c, b.
ChannelDatabase fiveChannels() {
    DatabaseBuilder b;
    b.satellite("S0").channel("a").channel("b").channel("c").transponder(12000).channel("d");
    return b.satellite("S1").channel("e").group("G", {1, 4, 2, 1}).build();
}

TEST(Channels, AddAndDeleteLeaveEveryReferenceNamingItsOwnChannel) {
    ChannelDatabase db = fiveChannels();
    // A stale place, whichever part is out of range, changes nothing.
    for (ChannelPlace stale :
         {ChannelPlace{2, 0, 0}, ChannelPlace{1, 1, 0}, ChannelPlace{0, 1, 1}}) {
        EXPECT_FALSE(deleteChannel(db, stale));
        EXPECT_FALSE(replaceChannel(db, stale, named("x")));
    }
    EXPECT_EQ(db, fiveChannels());
    ASSERT_TRUE(deleteChannel(db, {0, 0, 1}));  // "b", listed twice
    EXPECT_EQ(memberNames(db, 0), (Strings{"e", "c"})) << "c moved up a place";
    ASSERT_TRUE(deleteChannel(db, {0, 0, 0}));  // "a": channelCount drops to 3, which "d" holds
    db.groups[0].refs.push_back(ChannelRef{9, 0, 0, 0});  // names no channel (yet)
    db.groups[0].syncCount();
    // The new number is past every number a channel or a reference holds.
    RecordingMessageSink messages;
    auto ref = addChannel(db, 0, 1, named("new"), messages);
    ASSERT_TRUE(ref);
    EXPECT_EQ(*ref, (ChannelRef{10, 1, 1, 0}));
    const ChannelDatabase back = writeAndRead(db);
    EXPECT_EQ(channelNames(back), (Strings{"c", "d", "new", "e"}));
    EXPECT_EQ(memberNames(back, 0), (Strings{"e", "c"}));

    // Numbers run up to the top: the lowest one neither a channel nor a reference holds.
    db = fiveChannels();
    db.satellites[1].transponders[0].channels[0].number = 0xFFFE;  // the group still holds 4
    EXPECT_EQ(newChannelNumber(db), 5);

    // Several rows, each found by number ("c" is no longer at 2 once "a" is gone).
    db = fiveChannels();
    EXPECT_EQ(deleteChannels(db, {{0, 0xFFFF, 0, 0}, {2, 0xFFFF, 0, 0}, {42, 0xFFFF, 0, 0}}), 2);
    EXPECT_EQ(channelNames(db), (Strings{"b", "d", "e"}));
    EXPECT_EQ(memberNames(db, 0), (Strings{"b", "e", "b"}));
}

TEST(Channels, DeletingRowsAtOnceEqualsDeletingThemOneByOne) {
    // Random databases share numbers between channels and repeat references, where a batch
    // that is not careful would take the wrong channel or the wrong references.
    for (std::uint32_t seed = 1; seed <= 60; ++seed) {
        const ChannelDatabase start = test::makeRandomDatabase(seed);
        std::vector<ChannelRef> rows;
        std::uint32_t pick = seed;
        for (std::uint16_t s = 0; s < start.satellites.size(); ++s)
            for (std::uint16_t t = 0; t < start.satellites[s].transponders.size(); ++t)
                for (const auto& ch : start.satellites[s].transponders[t].channels)
                    if ((pick = pick * 1103515245u + 12345u) % 3 == 0)
                        rows.push_back({ch.number, 0xFFFF, t, s});
        ChannelDatabase oneByOne = start;
        int deleted = 0;
        for (ChannelRef row : rows)
            if (oneByOne.findChannel(row))
                deleted += deleteChannel(oneByOne, {row.satIndex, row.tpIndex, row.chIndex});
        ChannelDatabase atOnce = start;
        EXPECT_EQ(deleteChannels(atOnce, rows), deleted);
        EXPECT_EQ(test::firstDifference(oneByOne, atOnce), "") << "seed " << seed;
    }
}

TEST(GroupMembers, ToggleReorderAndDeleteGroup) {
    ChannelDatabase db = fiveChannels();
    RecordingMessageSink messages;
    EXPECT_EQ(toggleGroupMember(db, 0, ChannelRef{3, 0, 1, 0}, messages), MembershipChange::Added);
    EXPECT_EQ(toggleGroupMember(db, 0, ChannelRef{1, 1, 0, 0}, messages),
              MembershipChange::Removed);  // only the first of two
    // A row that resolves to nothing, or a group that does not exist, changes nothing.
    EXPECT_EQ(toggleGroupMember(db, 0, ChannelRef{0, 9, 0, 5}, messages), MembershipChange::None);
    EXPECT_EQ(toggleGroupMember(db, 1, ChannelRef{3, 0, 1, 0}, messages), MembershipChange::None);
    EXPECT_EQ(memberNames(writeAndRead(db), 0), (Strings{"e", "c", "b", "d"}));

    ASSERT_TRUE(reorderGroupMembers(db, 0, {2, 0, 3}));
    EXPECT_EQ(memberNames(writeAndRead(db), 0), (Strings{"b", "e", "d"}));
    EXPECT_FALSE(reorderGroupMembers(db, 0, {0, 0}));

    db = DatabaseBuilder().channel("a").group("ALL", {0}).group("radio").group("FAV", {0}).build();
    EXPECT_FALSE(deleteGroup(db, 0));  // predefined
    EXPECT_FALSE(deleteGroup(db, 1));
    EXPECT_TRUE(deleteGroup(db, 2));
    EXPECT_EQ(db.groups.size(), 2u);
}

// Satellites S0..S6 with one channel c0..c6 each; group "FAV" lists c6, c2, c4 and c5.
ChannelDatabase sevenSatellites() {
    DatabaseBuilder b;
    for (int s = 0; s < 7; ++s)
        b.satellite("S" + std::to_string(s)).channel("c" + std::to_string(s));
    return b.group("FAV", {6, 2, 4, 5}).build();
}

TEST(ReorderSatellites, TheDraggedSatelliteEndsAtTheTargetAndReferencesStillResolve) {
    const struct {
        std::size_t dragged, target;
        Strings order;
    } drags[] = {{5, 2, {"S0", "S1", "S5", "S2", "S3", "S4", "S6"}},
                 {2, 5, {"S0", "S1", "S3", "S4", "S5", "S2", "S6"}}};
    for (const auto& drag : drags) {
        SCOPED_TRACE(std::to_string(drag.dragged) + " onto " + std::to_string(drag.target));
        ChannelDatabase db = sevenSatellites();
        ASSERT_TRUE(reorderSatellites(db, dropOrder(7, drag.dragged, drag.target)));
        for (std::size_t s = 0; s < db.satellites.size(); ++s)
            EXPECT_EQ(db.satellites[s].transponders[0].satellite(), static_cast<int>(s));
        for (const ChannelDatabase& d : {db, writeAndRead(db)}) {
            EXPECT_EQ(channelNames(d, true), drag.order);
            EXPECT_EQ(memberNames(d, 0), (Strings{"c6", "c2", "c4", "c5"}));
        }
    }
    ChannelDatabase db = sevenSatellites();
    const ChannelDatabase before = db;
    EXPECT_FALSE(reorderSatellites(db, {0, 1, 2, 3, 4, 5, 7}));
    EXPECT_FALSE(reorderSatellites(db, {0, 1, 1, 3, 4, 5, 6}));
    EXPECT_FALSE(reorderTransponders(db, 0, {1}));
    EXPECT_EQ(db, before);
}

TEST(DeleteSatellite, RemovesItsChannelsFromEveryGroupAndRenumbersTheRest) {
    ChannelDatabase db = sevenSatellites();
    db.groups[0].refs.push_back(ChannelRef{2, 0, 0, 6});  // c2 again, stale satellite
    db.groups[0].syncCount();
    ASSERT_TRUE(deleteSatellite(db, 2));

    EXPECT_EQ(channelNames(db, true), (Strings{"S0", "S1", "S3", "S4", "S5", "S6"}));
    EXPECT_EQ(db.satellites[4].transponders[0].satellite(), 4);
    EXPECT_EQ(db.groups[0].count(), 3);
    EXPECT_EQ(memberNames(db, 0), (Strings{"c6", "c4", "c5"}));
    EXPECT_EQ(memberNames(writeAndRead(db), 0), (Strings{"c6", "c4", "c5"}));
    EXPECT_FALSE(deleteSatellite(db, 6));
}

TEST(Transponders, ReorderAndDeleteKeepTheReferencesOfTheOtherChannels) {
    DatabaseBuilder b;
    b.satellite("S").channel("a").transponder(12000).channel("b").channel("c");
    ChannelDatabase db = b.satellite("T").channel("d").group("G", {3, 1, 0, 2, 1}).build();
    ASSERT_TRUE(reorderTransponders(db, 0, dropOrder(2, 1, 0)));
    EXPECT_EQ(memberNames(writeAndRead(db), 0), (Strings{"d", "b", "a", "c", "b"}));
    ASSERT_TRUE(deleteTransponder(db, 0, 0));  // b and c
    EXPECT_EQ(channelNames(db), (Strings{"a", "d"}));
    EXPECT_EQ(memberNames(db, 0), (Strings{"d", "a"}));
    EXPECT_FALSE(deleteTransponder(db, 0, 1));
}

TEST(Capacity, AddingBeyondAnyLimitIsRefusedWithItsMessageAndChangesNothing) {
    ChannelDatabase db = makeFullCapacityDatabase();
    db.relinkGroups();  // positions as a read leaves them, so a member resolves as a row does
    // Group 2 stays full but lacks one channel: it lists another one twice instead.
    const ChannelRef lacking = db.groups[2].refs.back();
    db.groups[2].refs.back() = db.groups[2].refs.front();
    GroupRecord tooBig;
    tooBig.refs.resize(3901);
    const ChannelDatabase before = db;
    RecordingMessageSink messages;
    EXPECT_FALSE(appendSatellite(db, SatelliteRecord(), messages));
    EXPECT_FALSE(appendTransponder(db, 0, TransponderRecord(), messages));
    EXPECT_FALSE(addChannel(db, 0, 0, ChannelRecord(), messages));
    EXPECT_FALSE(appendGroup(db, GroupRecord(), messages));
    EXPECT_EQ(toggleGroupMember(db, 2, lacking, messages), MembershipChange::None);
    EXPECT_FALSE(replaceGroup(db, 0, tooBig, messages));
    EXPECT_EQ(db, before);
    using namespace strings;
    EXPECT_EQ(messages.ids(),
              (std::vector<int>{TooManySatellites, TooManyTransponders, TooManyChannels,
                                TooManyGroups, TooManyGroupMembers, TooManyGroupMembers}));
    // Taking a member out of the full group still works.
    EXPECT_EQ(toggleGroupMember(db, 2, db.groups[2].refs[0], messages), MembershipChange::Removed);
}

constexpr int Data = ChannelRecord::Data;

TEST(RemoveData, LeavesOnlyTheOtherChannelsAndTheirReferences) {
    DatabaseBuilder b;
    b.satellite("Sat").channel("D0", Data).channel("TV").channel("D2", Data).channel("D3", Data);
    b.transponder(12000).channel("R4", ChannelRecord::Radio);
    // TV moves up a place; FAV lists a DATA channel twice.
    ChannelDatabase db = b.group("ALL", {0, 1, 2, 3, 4}).group("FAV", {3, 1, 3, 0}).build();
    EXPECT_EQ(removeDataChannels(db), 3);
    for (const ChannelDatabase& d : {db, writeAndRead(db)}) {
        EXPECT_EQ(channelNames(d), (Strings{"TV", "R4"}));
        EXPECT_EQ(memberNames(d, 0), (Strings{"TV", "R4"}));
        EXPECT_EQ(memberNames(d, 1), (Strings{"TV"}));
        EXPECT_EQ(d.groups[1].count(), 1);
    }
}

// Channels sharing a number (a database built elsewhere): a number no channel keeps loses every
// reference; one a staying channel keeps loses only as many first references per group as
// channels left, since the others may be the staying channel's.
TEST(RemoveData, SharedNumbersLoseOnlyTheReferencesOfTheChannelsThatLeft) {
    DatabaseBuilder b;
    b.channel("D1", Data).channel("T1").channel("D2", Data).channel("D2'", Data);
    b.channel("D5", Data).channel("D5'", Data).channel("T5");
    ChannelDatabase db = b.group("G", {1, 2, 1, 5, 5, 2, 5, 1}).group("H", {5, 1}).build();
    const std::uint16_t numbers[] = {1, 1, 2, 2, 5, 5, 5};
    for (std::size_t k = 0; k < 7; ++k)
        db.satellites[0].transponders[0].channels[k].number = numbers[k];

    EXPECT_EQ(removeDataChannels(db), 5);

    EXPECT_EQ(channelNames(db), (Strings{"T1", "T5"}));
    EXPECT_EQ(memberNames(db, 0), (Strings{"T1", "T5", "T1"}));
    EXPECT_TRUE(db.groups[1].refs.empty());
    EXPECT_EQ(db.groups[1].count(), 0);
}

TEST(RemoveCBand, KeepsASatelliteWithEitherUniversalFrequencyAndJudgesReferencesByChannel) {
    DatabaseBuilder b;
    b.satellite("LowOnly").channel("c0").satellite("HighOnly").channel("c1");
    b.satellite("CBand").channel("c2").satellite("KuSingle").channel("c3");
    ChannelDatabase db = b.group("FAV", {0, 1, 2, 3, 1, 2}).build();
    const std::pair<std::uint16_t, std::uint16_t> lnb[] = {
        {9750, 5150}, {0, 10600}, {0, 5150}, {0, 11300}};  // low, high
    for (std::size_t s = 0; s < 4; ++s) {
        db.satellites[s].setLnbLow(lnb[s].first);
        db.satellites[s].setLnbHigh(lnb[s].second);
    }
    // Stale cached satellites: c1 again claiming the C-band one, c2 again claiming a kept one.
    db.groups[0].refs[4].satIndex = 2;
    db.groups[0].refs[5].satIndex = 0;

    EXPECT_EQ(removeCBand(db), 2);

    for (const ChannelDatabase& d : {db, writeAndRead(db)}) {
        EXPECT_EQ(channelNames(d, true), (Strings{"LowOnly", "HighOnly"}));
        EXPECT_EQ(memberNames(d, 0), (Strings{"c0", "c1", "c1"}));
    }

    // A shared number is judged by its first channel in tree order, as linking judges it.
    DatabaseBuilder shared;
    shared.satellite("C1").channel("x").satellite("Ku").channel("y").channel("z");
    db = shared.satellite("C2").channel("w").group("G", {7, 8}).build();
    auto channel = [&](std::size_t s, std::size_t k) -> ChannelRecord& {
        return db.satellites[s].transponders[0].channels[k];
    };
    channel(0, 0).number = channel(1, 0).number = 7;  // x, y
    channel(1, 1).number = channel(2, 0).number = 8;  // z, w
    for (std::size_t s : {0, 2}) {  // C1 and C2 are C band, Ku keeps its Universal LNB
        db.satellites[s].setLnbLow(0);
        db.satellites[s].setLnbHigh(5150);
    }
    EXPECT_EQ(removeCBand(db), 2);
    EXPECT_EQ(channelNames(db), (Strings{"y", "z"}));
    EXPECT_EQ(memberNames(db, 0), (Strings{"z"}));
}

// Sort: a, b, c, d numbered 9, 0, 6, 1, as after edits and drags since the last read.
TEST(Sort, RenumbersInTreeOrderWithEveryRepeatAndNoReferenceComingToNameAChannel) {
    DatabaseBuilder b;
    ChannelDatabase db =
        b.channel("a").channel("b").channel("c").channel("d").group("G", {1, 0, 1, 2}).build();
    auto& channels = db.satellites[0].transponders[0].channels;
    const std::uint16_t numbers[] = {9, 0, 6, 1};
    for (std::size_t i = 0; i < 4; ++i) channels[i].number = numbers[i];
    // "d" twice: renumbering only the first would leave the second holding 1, "b" after the
    // sort. And 2 names no channel now, but "c" is numbered 2 by the sort.
    db.relinkGroups();

    renumberChannels(db);

    for (std::size_t i = 0; i < 4; ++i) EXPECT_EQ(channels[i].number, i);
    EXPECT_EQ(memberNames(writeAndRead(db), 0), (Strings{"d", "b", "d"}));
}

TEST(Sort, AChannelAddedSinceTheLastReadIsNumberedInTreeOrder) {
    DatabaseBuilder b;
    b.satellite("S1").channel("a").satellite("S2").channel("b");
    ChannelDatabase db = b.group("G", {1, 0}).build();
    RecordingMessageSink messages;
    auto ref = addChannel(db, 0, 0, named("new"), messages);
    ASSERT_TRUE(ref);
    ASSERT_EQ(toggleGroupMember(db, 0, *ref, messages), MembershipChange::Added);

    renumberChannels(db);

    EXPECT_EQ(db.satellites[0].transponders[0].channels[1].number, 1);  // "new"
    EXPECT_EQ(db.satellites[1].transponders[0].channels[0].number, 2);  // "b"
    for (const ChannelDatabase& d : {db, writeAndRead(db)})
        EXPECT_EQ(memberNames(d, 0), (Strings{"b", "a", "new"}));
    EXPECT_EQ(channelNames(writeAndRead(db)), (Strings{"a", "new", "b"}));
}

}  // namespace
}  // namespace kavro::test
