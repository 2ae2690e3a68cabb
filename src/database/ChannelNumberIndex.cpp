#include "database/ChannelNumberIndex.h"

#include "database/ChannelDatabase.h"

namespace kavro {

ChannelNumberIndex::ChannelNumberIndex(const ChannelDatabase& db) : slot_(0x10000, -1) {
    positions_.reserve(db.channelTotal());
    std::size_t t = 0, c = 0;
    for (std::size_t s = 0; s < db.satellites.size(); ++s) {
        const auto& tps = db.satellites[s].transponders;
        for (std::size_t p = 0; p < tps.size(); ++p, ++t) {
            const auto& channels = tps[p].channels;
            for (std::size_t k = 0; k < channels.size(); ++k, ++c) {
                std::int32_t& entry = slot_[channels[k].number];
                if (entry >= 0) continue;
                entry = static_cast<std::int32_t>(positions_.size());
                const ChannelPlace place{static_cast<std::uint16_t>(s),
                                         static_cast<std::uint16_t>(p),
                                         static_cast<std::uint16_t>(k)};
                positions_.push_back(
                    {place, static_cast<std::uint16_t>(c), static_cast<std::uint16_t>(t)});
            }
        }
    }
}

}  // namespace kavro
