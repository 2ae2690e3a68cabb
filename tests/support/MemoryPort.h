#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "ReceiverModel.h"
#include "VirtualClock.h"
#include "link/BytePort.h"

namespace kavro::test {

// A byte port wired straight to a ReceiverModel, with virtual time: a read that finds nothing
// costs the 110 ms a silent serial read takes, everything else is instant.
class MemoryPort : public BytePort {
public:
    static constexpr std::uint64_t kSilentReadMs = 110;

    MemoryPort(ReceiverModel& receiver, VirtualClock& clock) : receiver_(receiver), clock_(clock) {}

    bool open() override { return open_ = true; }
    void close() override {
        if (open_) endedAtMs = clock_.now;
        open_ = false;
    }
    bool isOpen() const override { return open_; }

    int readByte(std::uint8_t& byte) override {
        if (!usable()) return 0;
        ++reads;
        receiver_.advance(clock_.now);
        if (receiver_.output().empty()) {
            clock_.now += kSilentReadMs;
            receiver_.advance(clock_.now);
            return 0;
        }
        byte = receiver_.output().front();
        receiver_.output().pop_front();
        lastByteAtMs = clock_.now;
        return 1;
    }
    bool writeByte(std::uint8_t byte) override { return writeBlock(&byte, 1); }
    bool writeBlock(const std::uint8_t* data, std::size_t length) override {
        if (data == nullptr || length == 0 || !usable() || ++writeCalls_ == failWriteCall)
            return false;
        for (std::size_t i = 0; i < length; ++i) receiver_.receive(data[i], clock_.now);
        written.insert(written.end(), data, data + length);
        return true;
    }

    int failWriteCall = 0;  // the n-th write call (bytes and blocks, from 1) fails

    std::vector<std::uint8_t> written;  // every byte the PC got onto the line
    int reads = 0;
    int ioWhileClosed = 0;           // reads or writes attempted on a port that is not open
    std::uint64_t lastByteAtMs = 0;  // when the PC last read a byte from the receiver
    std::uint64_t endedAtMs = 0;     // when the port was closed

private:
    bool usable() { return open_ || (++ioWhileClosed, false); }

    ReceiverModel& receiver_;
    VirtualClock& clock_;
    bool open_ = false;
    int writeCalls_ = 0;
};

}  // namespace kavro::test
