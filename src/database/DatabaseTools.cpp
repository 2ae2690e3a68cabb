#include "database/DatabaseTools.h"

#include <vector>

#include "database/ChannelOperations.h"
#include "database/TreeOperations.h"

namespace kavro {

int removeDataChannels(ChannelDatabase& db) {
    int removed = 0;
    for (SatelliteRecord& sat : db.satellites) {
        for (TransponderRecord& tp : sat.transponders) {
            auto& channels = tp.channels;
            // The channel that moves up into position k is looked at next.
            for (std::size_t k = 0; k < channels.size();) {
                if (channels[k].serviceType() != ChannelRecord::Data) {
                    ++k;
                    continue;
                }
                removeReferencesToDeletedChannel(db, channels[k].number);
                channels.erase(channels.begin() + static_cast<std::ptrdiff_t>(k));
                ++removed;
            }
        }
    }
    // Channels behind a removed one moved up; cached positions would name their neighbours.
    if (removed > 0) db.relinkGroups();
    return removed;
}

int removeCBand(ChannelDatabase& db) {
    int removed = 0;
    // Delete from the back so the positions still to be deleted do not move.
    for (std::size_t s = db.satellites.size(); s-- > 0;)
        if (db.satellites[s].isCBand() && deleteSatellite(db, s)) ++removed;
    return removed;
}

void renumberChannels(ChannelDatabase& db) {
    constexpr std::uint16_t kNone = ChannelRecord::kNoNumber;
    // Old number -> new number. When several channels share a number, the first in tree order
    // takes the references, as linking does.
    std::vector<std::uint16_t> renumbered(0x10000, kNone);
    std::vector<bool> claimed(0x10000, false);
    std::uint16_t n = 0;
    for (SatelliteRecord& sat : db.satellites)
        for (TransponderRecord& tp : sat.transponders)
            for (ChannelRecord& ch : tp.channels) {
                if (ch.number != kNone && !claimed[ch.number]) {
                    claimed[ch.number] = true;
                    renumbered[ch.number] = n;
                }
                ch.number = n++;
            }
    // Each reference is judged by the number it held before renumbering, so one that has just
    // been given a new number is never matched again; every reference to a channel follows it.
    for (GroupRecord& g : db.groups)
        for (ChannelRef& ref : g.refs) ref.number = renumbered[ref.number];
}

}  // namespace kavro
