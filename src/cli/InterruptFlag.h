#pragma once

#include <atomic>

namespace kavro::cli {

// Turns Ctrl+C into a request the transfer polls, for as long as the object lives; the
// previous handler comes back afterwards. A second Ctrl+C before the first was taken ends the
// program the usual way.
class InterruptFlag {
public:
    InterruptFlag();
    ~InterruptFlag();
    InterruptFlag(const InterruptFlag&) = delete;
    InterruptFlag& operator=(const InterruptFlag&) = delete;

    std::atomic<bool>& flag();
};

}  // namespace kavro::cli
