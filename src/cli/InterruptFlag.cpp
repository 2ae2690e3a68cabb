#include "cli/InterruptFlag.h"

#include <csignal>

namespace kavro::cli {
namespace {

std::atomic<bool> requested{false};
static_assert(std::atomic<bool>::is_always_lock_free, "the signal handler needs a lock-free flag");

using Handler = void (*)(int);
Handler previous = SIG_DFL;

extern "C" void onInterrupt(int) {
    if (requested.exchange(true)) {
        // Still not taken: the program is stuck somewhere no poll reaches. Let it end.
        std::signal(SIGINT, SIG_DFL);
        std::raise(SIGINT);
    }
}

}  // namespace

InterruptFlag::InterruptFlag() {
    requested = false;
    previous = std::signal(SIGINT, onInterrupt);
    if (previous == SIG_ERR) previous = SIG_DFL;
}

InterruptFlag::~InterruptFlag() {
    std::signal(SIGINT, previous);
}

std::atomic<bool>& InterruptFlag::flag() {
    return requested;
}

}  // namespace kavro::cli
