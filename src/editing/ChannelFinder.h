#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "database/ChannelDatabase.h"
#include "database/ChannelPlace.h"
#include "editing/TreeItemKey.h"
#include "messages/MessageSink.h"

namespace kavro {

// Where a search starts: a satellite and one of its transponders, each kAll for "all".
struct SearchPosition {
    static constexpr std::uint16_t kAll = 0xFFFF;
    std::uint16_t satIndex = kAll;
    std::uint16_t tpIndex = kAll;
};

// Upper case of Windows-1256 text as the search compares it: Latin letters only, since the
// Arabic letters have no case.
std::string upperCaseForSearch(std::string_view text);

// True when the channel's displayed (decoded) name holds `text`, ignoring letter case.
bool channelNameContains(const ChannelRecord& channel, std::string_view text);

// The search of Find and Find Next: walks the database in storage order, starting with the
// transponder after (s, t) when t names one, else at satellite s's first transponder, else
// (s is kAll or beyond the list) at the very first. Returns the first channel whose displayed
// name contains `text` (Windows-1256, any case); only the first match of a transponder is ever
// reached, since the next search continues with the following transponder. No wrap-around:
// nothing after the last satellite means no hit.
std::optional<ChannelPlace> findChannelByName(const ChannelDatabase& db, std::string_view text,
                                              SearchPosition from);

// Every channel whose displayed name contains `text`, in storage order.
std::vector<ChannelPlace> findAllChannelsByName(const ChannelDatabase& db, std::string_view text);

// The start of Find and Find Next for the tree's current item: a satellite or transponder
// item gives its place; the root, the headers and the groups give "all". A group's key holds
// its kind and group index, which name no satellite or transponder to start from.
inline SearchPosition searchPositionFromKey(const TreeItemKey& key) {
    if (!key.inSatelliteBranch()) return {};
    return {key.satIndex, key.subIndex};
}

// "Cannot find '%s'" with the search text.
void reportNotFound(MessageSink& messages, std::string_view text);

// The Find dialog without its window: the search text and the positions of the two lists.
// Entry 0 of each list is "All Satellites" / "All Transponders"; entry i is satellite or
// transponder i - 1. The transponder list holds every transponder of the chosen satellite.
class FindForm {
public:
    static constexpr std::size_t kMaxTextLength = 15;

    std::string text;  // Windows-1256; kept while the program runs, used by Find Next
    int satelliteEntry = 0;
    int transponderEntry = 0;

    // Opening: selects the tree's current item (a satellite or transponder it names, else
    // "All ..."; see searchPositionFromKey).
    void preselect(const ChannelDatabase& db, const TreeItemKey& current);
    // The user picks another satellite entry: its first transponder, or "All Transponders"
    // when it has none.
    void chooseSatellite(const ChannelDatabase& db, int entry);

    // The list texts: "All Satellites", then "%d. name"; "All Transponders", then
    // "%4d. label" for the chosen satellite. Windows-1256.
    std::vector<std::string> satelliteEntries(const ChannelDatabase& db) const;
    std::vector<std::string> transponderEntries(const ChannelDatabase& db) const;

    bool canSearch() const { return !text.empty(); }
    SearchPosition position() const;

    // Next: searches from the selected entries. A hit selects its satellite and transponder,
    // so the following Next goes on after it; no hit reports "Cannot find '%s'" and leaves
    // the selections as they were.
    std::optional<ChannelPlace> next(const ChannelDatabase& db, MessageSink& messages);

private:
    std::size_t transponderCount(const ChannelDatabase& db) const;
};

// Find Next: searches with `text` from the tree's current item; no hit reports
// "Cannot find '%s'".
std::optional<ChannelPlace> findNext(const ChannelDatabase& db, std::string_view text,
                                     const TreeItemKey& current, MessageSink& messages);

}  // namespace kavro
