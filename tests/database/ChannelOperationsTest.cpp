#include <gtest/gtest.h>

#include "DatabaseBuilder.h"
#include "OperationsTestHelpers.h"
#include "RecordingMessageSink.h"
#include "database/ChannelOperations.h"

namespace kavro::test {
namespace {

using Strings = std::vector<std::string>;

ChannelRecord named(std::string_view name) {
    ChannelRecord ch;
    setPlainName(ch.name(), name);
    return ch;
}

// S0: tp0 {a, b, c}, tp1 {d}; S1: tp0 {e}. Group "G" lists b, e, c, b.
ChannelDatabase fiveChannels() {
    return DatabaseBuilder()
        .satellite("S0")
        .transponder(11000)
        .channel("a")
        .channel("b")
        .channel("c")
        .transponder(12000)
        .channel("d")
        .satellite("S1")
        .transponder(11000)
        .channel("e")
        .group("G", {1, 4, 2, 1})
        .build();
}

// ---- Add ------------------------------------------------------------------------------------

TEST(AddChannel, NumbersPastEveryNumberInUseSoNothingCollidesAfterDeletions) {
    ChannelDatabase db = fiveChannels();
    RecordingMessageSink messages;
    ASSERT_TRUE(deleteChannel(db, 0, 0, 0));  // "a" (0): channelCount drops to 4
    EXPECT_EQ(db.channelCount(), 4);

    // Numbering by channelCount would give 4, which "e" still holds.
    auto ref = addChannel(db, 0, 1, named("new"), messages);
    ASSERT_TRUE(ref);
    EXPECT_EQ(ref->number, 5);
    EXPECT_EQ(*ref, (ChannelRef{5, 1, 1, 0}));
    EXPECT_EQ(db.channelCount(), 5);
    EXPECT_EQ(memberNames(db, 0), (Strings{"b", "e", "c", "b"}));

    ChannelDatabase back = writeAndRead(db);
    EXPECT_EQ(channelNames(back), (Strings{"b", "c", "d", "new", "e"}));
    EXPECT_EQ(memberNames(back, 0), (Strings{"b", "e", "c", "b"}));
}

TEST(AddChannel, ANumberAReferenceStillHoldsIsNotReused) {
    ChannelDatabase db = fiveChannels();
    db.groups[0].refs.push_back(ChannelRef{9, 0, 0, 0});  // names no channel (yet)
    db.groups[0].syncCount();
    RecordingMessageSink messages;
    auto ref = addChannel(db, 1, 0, named("new"), messages);
    ASSERT_TRUE(ref);
    EXPECT_EQ(ref->number, 10);
    EXPECT_EQ(memberNames(writeAndRead(db), 0), (Strings{"b", "e", "c", "b"}));
}

TEST(AddChannel, NumbersRunningUpToTheTopFallBackToAFreeOne) {
    ChannelDatabase db = fiveChannels();
    db.satellites[1].transponders[0].channels[0].number = 0xFFFE;
    // Channels hold 0-3 and 0xFFFE; the group still holds 4, which named "e" before.
    EXPECT_EQ(newChannelNumber(db), 5);
}

// ---- Replace --------------------------------------------------------------------------------

TEST(ReplaceChannel, KeepsTheNumberAndSoTheGroupMemberships) {
    ChannelDatabase db = fiveChannels();
    ChannelRecord edited = named("B2");
    edited.number = 77;  // whatever the form holds, the stored channel keeps its number
    ASSERT_TRUE(replaceChannel(db, 0, 0, 1, edited));
    EXPECT_EQ(db.satellites[0].transponders[0].channels[1].number, 1);
    EXPECT_EQ(memberNames(writeAndRead(db), 0), (Strings{"B2", "e", "c", "B2"}));
}

// ---- Delete ---------------------------------------------------------------------------------

TEST(DeleteChannel, RemovesEveryReferenceToItAndKeepsTheOthersResolving) {
    ChannelDatabase db = fiveChannels();
    ASSERT_TRUE(deleteChannel(db, 0, 0, 1));  // "b", listed twice
    EXPECT_EQ(channelNames(db), (Strings{"a", "c", "d", "e"}));
    // "c" moved up a place: the group still shows "c", not "d" or nothing.
    EXPECT_EQ(memberNames(db, 0), (Strings{"e", "c"}));
    EXPECT_EQ(db.groups[0].count(), 2);

    // Nor does a channel added afterwards show up in the group, in memory or in the file.
    RecordingMessageSink messages;
    ASSERT_TRUE(addChannel(db, 0, 0, named("new"), messages));
    EXPECT_EQ(memberNames(db, 0), (Strings{"e", "c"}));
    EXPECT_EQ(memberNames(writeAndRead(db), 0), (Strings{"e", "c"}));
}

TEST(DeleteChannel, SeveralRowsAreEachFoundByNumber) {
    ChannelDatabase db = fiveChannels();
    // Rows of a satellite view for "a" and "c": once "a" is gone "c" is no longer at 2.
    std::vector<ChannelRef> rows = {{0, 0xFFFF, 0, 0}, {2, 0xFFFF, 0, 0}, {42, 0xFFFF, 0, 0}};
    EXPECT_EQ(deleteChannels(db, rows), 2);
    EXPECT_EQ(channelNames(db), (Strings{"b", "d", "e"}));
    EXPECT_EQ(memberNames(db, 0), (Strings{"b", "e", "b"}));
    EXPECT_EQ(db.channelCount(), 3);
}

// ---- Group membership -----------------------------------------------------------------------

TEST(GroupToggle, AddsAtTheEndAndRemovesOnlyTheFirstMembership) {
    ChannelDatabase db = fiveChannels();
    RecordingMessageSink messages;
    EXPECT_EQ(toggleGroupMember(db, 0, ChannelRef{3, 0, 1, 0}, messages), MembershipChange::Added);
    EXPECT_EQ(memberNames(db, 0), (Strings{"b", "e", "c", "b", "d"}));
    EXPECT_EQ(toggleGroupMember(db, 0, ChannelRef{1, 1, 0, 0}, messages),
              MembershipChange::Removed);
    EXPECT_EQ(memberNames(db, 0), (Strings{"e", "c", "b", "d"}));
    EXPECT_EQ(db.groups[0].count(), 4);
    // A row that resolves to nothing, or a group that does not exist, changes nothing.
    EXPECT_EQ(toggleGroupMember(db, 0, ChannelRef{0, 9, 0, 5}, messages), MembershipChange::None);
    EXPECT_EQ(toggleGroupMember(db, 1, ChannelRef{3, 0, 1, 0}, messages), MembershipChange::None);
    EXPECT_EQ(memberNames(writeAndRead(db), 0), (Strings{"e", "c", "b", "d"}));
}

TEST(GroupMemberReorder, StoresTheDisplayedOrder) {
    ChannelDatabase db = fiveChannels();
    ASSERT_TRUE(reorderGroupMembers(db, 0, {2, 0, 3, 1}));
    EXPECT_EQ(memberNames(db, 0), (Strings{"c", "b", "b", "e"}));
    EXPECT_EQ(memberNames(writeAndRead(db), 0), (Strings{"c", "b", "b", "e"}));
    const ChannelDatabase before = db;
    EXPECT_FALSE(reorderGroupMembers(db, 0, {0, 0, 1, 2}));
    EXPECT_FALSE(reorderGroupMembers(db, 0, {4}));
    EXPECT_FALSE(reorderGroupMembers(db, 1, {}));
    EXPECT_EQ(db, before);
}

}  // namespace
}  // namespace kavro::test
