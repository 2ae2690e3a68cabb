#pragma once

#include <cstdint>

namespace kavro {

// Where a channel stands in the tree: satellite s, transponder t in that satellite's list,
// channel k in that transponder's list.
struct ChannelPlace {
    std::uint16_t satIndex = 0;
    std::uint16_t tpIndex = 0;
    std::uint16_t chIndex = 0;

    friend bool operator==(const ChannelPlace&, const ChannelPlace&) = default;
};

}  // namespace kavro
