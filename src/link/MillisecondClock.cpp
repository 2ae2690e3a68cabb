#include "link/MillisecondClock.h"

#include <chrono>

namespace kavro {
namespace {

class SteadyClock : public MillisecondClock {
public:
    std::uint64_t milliseconds() override {
        using namespace std::chrono;
        return static_cast<std::uint64_t>(
            duration_cast<std::chrono::milliseconds>(steady_clock::now().time_since_epoch())
                .count());
    }
};

}  // namespace

MillisecondClock& steadyClock() {
    static SteadyClock clock;
    return clock;
}

}  // namespace kavro
