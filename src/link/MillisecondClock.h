#pragma once

#include <cstdint>

namespace kavro {

// A monotonic millisecond tick, injected into the protocols so the 20-second call to the
// receiver can be tested without 20 seconds passing.
class MillisecondClock {
public:
    virtual ~MillisecondClock() = default;
    virtual std::uint64_t milliseconds() = 0;
};

// The process's monotonic clock.
MillisecondClock& steadyClock();

}  // namespace kavro
