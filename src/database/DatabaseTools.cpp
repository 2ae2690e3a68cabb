#include "database/DatabaseTools.h"

#include <cstdint>
#include <vector>

#include "database/ChannelOperations.h"
#include "database/TreeOperations.h"

namespace kavro {

int removeDataChannels(ChannelDatabase& db) {
    std::vector<std::uint32_t> carried(0x10000, 0), left(0x10000, 0);
    int removed = 0;
    for (SatelliteRecord& sat : db.satellites) {
        for (TransponderRecord& tp : sat.transponders) {
            for (const ChannelRecord& ch : tp.channels) {
                ++carried[ch.number];
                if (ch.serviceType() == ChannelRecord::Data) ++left[ch.number];
            }
            removed += static_cast<int>(std::erase_if(tp.channels, [](const ChannelRecord& ch) {
                return ch.serviceType() == ChannelRecord::Data;
            }));
        }
    }
    if (removed == 0) return 0;
    removeReferencesToDeletedChannels(db, carried, left);
    // Channels behind a removed one moved up; cached positions would name their neighbours.
    db.relinkGroups();
    return removed;
}

int removeCBand(ChannelDatabase& db) {
    std::vector<bool> leaving(db.satellites.size(), false);
    for (std::size_t s = 0; s < db.satellites.size(); ++s) leaving[s] = db.satellites[s].isCBand();
    return deleteSatellites(db, leaving);
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
