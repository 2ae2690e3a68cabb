#include "FuzzedReceiver.h"

#include <algorithm>

namespace kavro::fuzz {

FuzzedReceiver::FuzzedReceiver(FuzzInput input) : input_(input), lastByteAtMs_(clock.now) {
    const std::uint8_t flags = input_.byte();
    if (flags & 1) cancelAtPoll_ = input_.u16();
    if (flags & 2) failWriteCall_ = input_.byte();
}

bool FuzzedReceiver::open() {
    ++opens;
    return open_ = true;
}

void FuzzedReceiver::close() {
    open_ = false;
}

int FuzzedReceiver::readByte(std::uint8_t& byte) {
    if (!open_) {
        ++ioWhileClosed;
        return 0;
    }
    for (;;) {
        if (silentReads_ > 0 || input_.empty()) {
            if (silentReads_ > 0) --silentReads_;
            clock.now += kSilentReadMs;
            return 0;
        }
        std::uint8_t b = input_.byte();
        if (b == kSilenceEscape) {
            const std::uint8_t k = input_.byte();
            if (k > 0) {
                silentReads_ = k;
                continue;
            }
        }
        longestGapMs_ = longestSilenceMs();
        lastByteAtMs_ = clock.now;
        byte = b;
        return 1;
    }
}

bool FuzzedReceiver::writeBlock(const std::uint8_t* data, std::size_t length) {
    if (!open_) {
        ++ioWhileClosed;
        return false;
    }
    if (data == nullptr || length == 0) return false;
    lastWriteFailed = ++writes_ == failWriteCall_;
    if (lastWriteFailed) return false;
    written.insert(written.end(), data, data + length);
    return true;
}

std::uint64_t FuzzedReceiver::longestSilenceMs() const {
    return std::max(longestGapMs_, clock.now - lastByteAtMs_);
}

bool FuzzedReceiver::pollCancel() {
    if (cancelPressed || cancelAtPoll_ == 0 || ++polls_ < cancelAtPoll_) return false;
    cancelPressed = true;
    return true;
}

}  // namespace kavro::fuzz
