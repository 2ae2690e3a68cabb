#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "database/ChannelDatabase.h"
#include "messages/MessageSink.h"

namespace kavro {

// Adding, replacing, deleting and reordering satellites, transponders and groups: what the tree
// view does to the database. Positions are list positions; s is a satellite, t a transponder in
// satellite s's list, g a group. A position out of range changes nothing and reports nothing
// (a stale view); a full list is refused with a numbered message naming the limit
// (TooManySatellites, ...) and changes nothing.
//
// Adds raise the matching count in the settings block by one; deletes and reorders leave the
// counts alone (the image writer recomputes them). Whatever moves satellites or transponders
// re-links the group references afterwards, so they keep resolving by number.
//
// Reorders take the old positions in their new order (see ListOrder.h; dropOrder gives the
// order of a drag). Elements left out of the order leave the database with everything below
// them, so a view can apply its items after a drag or a delete alike.

// Appends a satellite with the record's own fields (its transponder list starts empty; add
// transponders with appendTransponder). Returns its position.
std::optional<std::size_t> appendSatellite(ChannelDatabase& db, const SatelliteRecord& satellite,
                                           MessageSink& messages);
// Replaces satellite s's own fields; its transponders and channels stay.
bool replaceSatellite(ChannelDatabase& db, std::size_t s, const SatelliteRecord& satellite);
// Deletes satellite s with its transponders and channels, and every group reference to them.
bool deleteSatellite(ChannelDatabase& db, std::size_t s);
// The same at once for every satellite s with leaving[s] (one entry per satellite); the others
// keep their order. Returns the number deleted.
int deleteSatellites(ChannelDatabase& db, const std::vector<bool>& leaving);
bool reorderSatellites(ChannelDatabase& db, const std::vector<std::size_t>& order);

// Appends a transponder with the record's own fields (no channels; its satellite field is set
// to s) to satellite s. Returns its position in that satellite's list.
std::optional<std::size_t> appendTransponder(ChannelDatabase& db, std::size_t s,
                                             const TransponderRecord& transponder,
                                             MessageSink& messages);
// Replaces transponder t's own fields; its channels stay.
bool replaceTransponder(ChannelDatabase& db, std::size_t s, std::size_t t,
                        const TransponderRecord& transponder);
// Deletes transponder t of satellite s with its channels, and every group reference to them.
bool deleteTransponder(ChannelDatabase& db, std::size_t s, std::size_t t);
bool reorderTransponders(ChannelDatabase& db, std::size_t s, const std::vector<std::size_t>& order);

// Appends a group with its references. Refused with TooManyGroups when the receiver's groups
// are all taken, or TooManyGroupMembers when it lists too many channels. Returns its position.
std::optional<std::size_t> appendGroup(ChannelDatabase& db, const GroupRecord& group,
                                       MessageSink& messages);
// Replaces group g (name and references); refused like appendGroup for too many members.
bool replaceGroup(ChannelDatabase& db, std::size_t g, const GroupRecord& group,
                  MessageSink& messages);
// Deletes group g; a predefined group ("ALL", "TV", "RADIO", "DATA") is never deleted.
// The start-up group settings are not adjusted.
bool deleteGroup(ChannelDatabase& db, std::size_t g);
bool reorderGroups(ChannelDatabase& db, const std::vector<std::size_t>& order);

}  // namespace kavro
