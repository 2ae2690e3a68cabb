#include <gtest/gtest.h>

#include "DatabaseBuilder.h"
#include "OperationsTestHelpers.h"
#include "RecordingMessageSink.h"
#include "database/ChannelOperations.h"
#include "database/DatabaseTools.h"

namespace kavro::test {
namespace {

using Strings = std::vector<std::string>;
constexpr int Data = ChannelRecord::Data;
constexpr int Radio = ChannelRecord::Radio;

// ---- Remove Data ----------------------------------------------------------------------------

TEST(RemoveData, LeavesOnlyTheNonDataChannelsAndTheirReferences) {
    ChannelDatabase db = DatabaseBuilder()
                             .satellite("Sat")
                             .transponder(11000)
                             .channel("D0", Data)
                             .channel("TV", ChannelRecord::Tv)
                             .channel("D2", Data)
                             .channel("D3", Data)
                             .transponder(12000)
                             .channel("R4", Radio)
                             .group("ALL", {0, 1, 2, 3, 4})
                             .group("FAV", {3, 1, 3, 0})  // a DATA channel listed twice
                             .build();
    const auto counts = db.settings;

    EXPECT_EQ(removeDataChannels(db), 3);

    EXPECT_EQ(channelNames(db), (Strings{"TV", "R4"}));
    EXPECT_EQ(memberNames(db, 0), (Strings{"TV", "R4"}));
    EXPECT_EQ(memberNames(db, 1), (Strings{"TV"}));
    EXPECT_EQ(db.groups[1].count(), 1);
    EXPECT_EQ(db.settings, counts);  // counts untouched; the writer recomputes them

    ChannelDatabase back = writeAndRead(db);
    EXPECT_EQ(channelNames(back), (Strings{"TV", "R4"}));
    EXPECT_EQ(memberNames(back, 0), (Strings{"TV", "R4"}));
    EXPECT_EQ(memberNames(back, 1), (Strings{"TV"}));
    EXPECT_EQ(back.channelCount(), 2);
}

TEST(RemoveData, ReferencesBehindARemovedChannelStillShowTheirOwnChannel) {
    // A, DATA, B, C: B and C move up one place; a cached position would now show C for B.
    ChannelDatabase db = DatabaseBuilder()
                             .channel("A")
                             .channel("X", Data)
                             .channel("B")
                             .channel("C")
                             .group("FAV", {2, 3, 0})
                             .build();
    removeDataChannels(db);
    EXPECT_EQ(memberNames(db, 0), (Strings{"B", "C", "A"}));
}

// ---- Remove C Band --------------------------------------------------------------------------

void setLnb(SatelliteRecord& sat, std::uint16_t low, std::uint16_t high) {
    sat.setLnbLow(low);
    sat.setLnbHigh(high);
}

// Four satellites, one channel each, with the given LNB frequencies.
ChannelDatabase fourSatellites() {
    ChannelDatabase db = DatabaseBuilder()
                             .satellite("LowOnly")
                             .channel("c0")
                             .satellite("HighOnly")
                             .channel("c1")
                             .satellite("CBand")
                             .channel("c2")
                             .satellite("KuSingle")
                             .channel("c3")
                             .group("FAV", {0, 1, 2, 3})
                             .build();
    setLnb(db.satellites[0], 9750, 5150);
    setLnb(db.satellites[1], 0, 10600);
    setLnb(db.satellites[2], 0, 5150);
    setLnb(db.satellites[3], 0, 11300);
    return db;
}

TEST(RemoveCBand, KeepsASatelliteWithEitherUniversalFrequencyAndNoOther) {
    ChannelDatabase db = fourSatellites();

    EXPECT_EQ(removeCBand(db), 2);

    EXPECT_EQ(satelliteNames(db), (Strings{"LowOnly", "HighOnly"}));
    EXPECT_EQ(memberNames(db, 0), (Strings{"c0", "c1"}));
    ChannelDatabase back = writeAndRead(db);
    EXPECT_EQ(satelliteNames(back), (Strings{"LowOnly", "HighOnly"}));
    EXPECT_EQ(memberNames(back, 0), (Strings{"c0", "c1"}));
}

TEST(RemoveCBand, JudgesEachReferenceByTheChannelItNamesNotItsCachedSatellite) {
    ChannelDatabase db = DatabaseBuilder()
                             .satellite("CBand")
                             .channel("gone")
                             .satellite("Ku")
                             .channel("kept")
                             .channel("also")
                             .group("FAV", {1, 0, 1, 2})
                             .build();
    setLnb(db.satellites[0], 0, 5150);
    // The repeated reference carries satellite 0 (unlinked, as an older reader left it), and
    // the last one a stale position on satellite 0 too.
    db.groups[0].refs[2].satIndex = 0;
    db.groups[0].refs[3].satIndex = 0;

    EXPECT_EQ(removeCBand(db), 1);

    EXPECT_EQ(memberNames(db, 0), (Strings{"kept", "kept", "also"}));
    EXPECT_EQ(memberNames(writeAndRead(db), 0), (Strings{"kept", "kept", "also"}));
}

TEST(RemoveCBand, WithoutCBandSatellitesChangesNothing) {
    ChannelDatabase db = DatabaseBuilder().satellite("A").channel("a").group("G", {0}).build();
    const ChannelDatabase before = db;
    EXPECT_EQ(removeCBand(db), 0);
    EXPECT_EQ(db, before);
}

// ---- Sort -----------------------------------------------------------------------------------

// Channels whose numbers are not in tree order, as after edits and drags since the last read.
ChannelDatabase shuffledNumbers() {
    ChannelDatabase db = DatabaseBuilder()
                             .satellite("S1")
                             .channel("a")
                             .channel("b")
                             .satellite("S2")
                             .channel("c")
                             .channel("d")
                             .group("G", {})
                             .build();
    const std::uint16_t numbers[] = {3, 0, 2, 1};
    int i = 0;
    for (auto& s : db.satellites)
        for (auto& t : s.transponders)
            for (auto& c : t.channels) c.number = numbers[i++];
    return db;
}

TEST(Sort, AGroupListingAChannelTwiceStillListsItTwice) {
    ChannelDatabase db = shuffledNumbers();
    // "d" (old number 1) twice: renumbering only the first would leave the second holding 1,
    // which after the sort is "b".
    db.groups[0].refs = {{1, 0, 0, 0}, {0, 0, 0, 0}, {1, 0, 0, 0}};
    db.relinkGroups();
    const auto counts = db.settings;

    renumberChannels(db);

    std::vector<int> numbers;
    for (auto& s : db.satellites)
        for (auto& t : s.transponders)
            for (auto& c : t.channels) numbers.push_back(c.number);
    EXPECT_EQ(numbers, (std::vector<int>{0, 1, 2, 3}));
    EXPECT_EQ(db.settings, counts);
    EXPECT_EQ(memberNames(db, 0), (Strings{"d", "b", "d"}));
    EXPECT_EQ(memberNames(writeAndRead(db), 0), (Strings{"d", "b", "d"}));
}

TEST(Sort, AChannelAddedSinceTheLastReadIsNumberedInTreeOrder) {
    ChannelDatabase db = DatabaseBuilder()
                             .satellite("S1")
                             .channel("a")
                             .satellite("S2")
                             .channel("b")
                             .group("G", {1, 0})
                             .build();
    RecordingMessageSink messages;
    ChannelRecord added;
    setPlainName(added.name(), "new");
    auto ref = addChannel(db, 0, 0, added, messages);
    ASSERT_TRUE(ref);
    ASSERT_EQ(toggleGroupMember(db, 0, *ref, messages), MembershipChange::Added);

    renumberChannels(db);

    EXPECT_EQ(db.satellites[0].transponders[0].channels[1].number, 1);  // "new"
    EXPECT_EQ(db.satellites[1].transponders[0].channels[0].number, 2);  // "b"
    EXPECT_EQ(memberNames(db, 0), (Strings{"b", "a", "new"}));
    ChannelDatabase back = writeAndRead(db);
    EXPECT_EQ(channelNames(back), (Strings{"a", "new", "b"}));
    EXPECT_EQ(memberNames(back, 0), (Strings{"b", "a", "new"}));
}

TEST(Sort, AReferenceNamingNoChannelDoesNotComeToNameOne) {
    ChannelDatabase db = shuffledNumbers();
    const std::uint16_t numbers[] = {9, 0, 6, 3};  // a, b, c, d
    int i = 0;
    for (auto& s : db.satellites)
        for (auto& t : s.transponders)
            for (auto& c : t.channels) c.number = numbers[i++];
    // Number 1 names no channel now, but "b" is numbered 1 by the sort.
    db.groups[0].refs = {{1, 0, 0, 0}, {6, 0, 0, 0}};
    db.relinkGroups();

    renumberChannels(db);

    EXPECT_EQ(memberNames(writeAndRead(db), 0), (Strings{"c"}));
}

}  // namespace
}  // namespace kavro::test
