#pragma once

#include <cstdint>

#include "link/MillisecondClock.h"

namespace kavro::test {

// A clock that moves only when told to.
class VirtualClock : public MillisecondClock {
public:
    std::uint64_t milliseconds() override { return now; }
    std::uint64_t now = 1'000'000;
};

}  // namespace kavro::test
