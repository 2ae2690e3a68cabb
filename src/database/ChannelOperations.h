#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "database/ChannelDatabase.h"
#include "database/ChannelPlace.h"
#include "messages/MessageSink.h"

namespace kavro {

// Storing, replacing and deleting channels, and group membership: what the channel dialog and
// the channel list do to the database. Positions are list positions: a channel's is a
// ChannelPlace, a transponder's (s, t) is satellite s and transponder t in that satellite's
// list. A position that is out of range changes nothing and reports nothing (a stale view); a full
// list is refused with a numbered message naming the limit and also changes nothing.

// Stores a new channel at the end of transponder t of satellite s and returns its reference
// (number, chIndex, tpIndex, satIndex); it belongs to no group yet.
//
// The record is stored as given except its `number`, which is assigned here: past the highest
// number held by any channel or group reference, so it can never be taken for a channel that is
// still present, nor be claimed by a stale reference, before the next save renumbers everything.
// `channelCount` in the settings block grows by one.
//
// Refused with TooManyChannels (and nothing stored) when the database already holds the
// receiver's maximum of channels; returns nothing then, or when s / t is out of range.
std::optional<ChannelRef> addChannel(ChannelDatabase& db, std::size_t s, std::size_t t,
                                     const ChannelRecord& channel, MessageSink& messages);

// Replaces the stored channel at `place` with `channel` as a whole; the stored channel keeps
// its `number`, so its group memberships stay. False when the place is out of range.
bool replaceChannel(ChannelDatabase& db, const ChannelPlace& place, const ChannelRecord& channel);

// Deletes the channel at `place`: every group reference naming it goes, `channelCount` drops
// by one, the channel leaves its transponder and the references of the channels behind it are
// re-linked to their new positions. False when the place is out of range.
bool deleteChannel(ChannelDatabase& db, const ChannelPlace& place);

// Deletes the channels of several list rows at once (findRowChannels, then deleteChannelsAt).
// Returns the number of channels deleted.
int deleteChannels(ChannelDatabase& db, const std::vector<ChannelRef>& rows);

// The channels that list rows name: each row by its satIndex, tpIndex and number (its chIndex
// is not trusted), taking the first channel of that number in the transponder that no earlier
// row took, as deleting the rows one after the other would. Rows that name no channel are left
// out.
std::vector<ChannelPlace> findRowChannels(const ChannelDatabase& db,
                                          const std::vector<ChannelRef>& rows);

// Deletes the channels at `places` in one pass: the group references go as they would if the
// channels were deleted one by one, `channelCount` drops, and the references are re-linked
// once. Places out of range or repeated count once or not at all. Returns the number deleted.
int deleteChannelsAt(ChannelDatabase& db, const std::vector<ChannelPlace>& places);

// The references that go with a set of deleted channels, given per channel number how many
// channels carried it (`carried`) and how many of them left (`left`), both 0x10000 long: a
// number no channel carries any more loses every reference; a number that a staying channel
// still carries loses, in each group, only as many of its first references as channels left,
// since the others may be the staying one's.
void removeReferencesToDeletedChannels(ChannelDatabase& db,
                                       const std::vector<std::uint32_t>& carried,
                                       const std::vector<std::uint32_t>& left);

// Removes the group references that name the channel numbered `number`, which is about to
// leave the database: all of them, so none is left behind to name a later channel. When another
// channel still carries the same number (a database built elsewhere), the references may be
// that channel's, and only the first per group goes. Returns the number removed.
int removeReferencesToDeletedChannel(ChannelDatabase& db, std::uint16_t number);

// The number addChannel gives the next new channel.
std::uint16_t newChannelNumber(const ChannelDatabase& db);

enum class MembershipChange { None, Added, Removed };

// The group toggle of the channel list: when group g lists the channel (by number) its first
// such member is removed, otherwise the channel is appended as a member. `channel` is resolved
// with findChannel first; a channel that does not resolve, or g out of range, changes nothing.
// Appending to a full group is refused with TooManyGroupMembers.
MembershipChange toggleGroupMember(ChannelDatabase& db, std::size_t g, ChannelRef channel,
                                   MessageSink& messages);

// Puts the members of group g in a new order after rows were dragged in a group view:
// `order` lists member positions in their new order; members not listed are dropped. False,
// and nothing changed, when g or a position is out of range or a position is repeated.
bool reorderGroupMembers(ChannelDatabase& db, std::size_t g, const std::vector<std::size_t>& order);

}  // namespace kavro
