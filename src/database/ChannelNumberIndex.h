#pragma once

#include <cstdint>
#include <vector>

#include "database/ChannelPlace.h"

namespace kavro {

class ChannelDatabase;

// Where each channel number stands in the tree (first channel in tree order wins).
// Built once per relink or write, so linking all group references is linear, not quadratic.
class ChannelNumberIndex {
public:
    struct Position {
        ChannelPlace place;
        std::uint16_t imageChannel;      // position in the channel region, in tree order
        std::uint16_t imageTransponder;  // position in the transponder region, in tree order
    };

    explicit ChannelNumberIndex(const ChannelDatabase& db);

    const Position* find(std::uint16_t number) const {
        std::int32_t i = slot_[number];
        return i < 0 ? nullptr : &positions_[static_cast<std::size_t>(i)];
    }

private:
    std::vector<std::int32_t> slot_;  // one per possible number
    std::vector<Position> positions_;
};

}  // namespace kavro
