#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "ReceiverModel.h"
#include "VirtualClock.h"
#include "link/BytePort.h"
#include "messages/MessageSink.h"

namespace kavro::test {

// A byte port wired straight to a ReceiverModel, with virtual time: a read that finds nothing
// costs the 110 ms a silent serial read takes, everything else is instant.
class MemoryPort : public BytePort {
public:
    static constexpr std::uint64_t kSilentReadMs = 110;

    MemoryPort(ReceiverModel& receiver, VirtualClock& clock) : receiver_(receiver), clock_(clock) {}

    bool open() override;
    void close() override;
    bool isOpen() const override { return open_; }
    int readByte(std::uint8_t& byte) override;
    bool writeByte(std::uint8_t byte) override;
    bool writeBlock(const std::uint8_t* data, std::size_t length) override;

    // Fault switches: open fails (showing the port's message on `openMessages`), or the n-th
    // write call (counting bytes and blocks from 1) fails.
    bool failOpen = false;
    MessageSink* openMessages = nullptr;
    int failWriteCall = 0;

    // What happened.
    std::vector<std::uint8_t> written;    // every byte the PC got onto the line
    std::vector<std::size_t> blockSizes;  // lengths of the writeBlock calls
    int opens = 0;
    int closes = 0;
    int reads = 0;
    int silentReads = 0;
    int ioWhileClosed = 0;  // reads or writes attempted on a port that is not open

private:
    bool countWrite();

    ReceiverModel& receiver_;
    VirtualClock& clock_;
    bool open_ = false;
    int writeCalls_ = 0;
};

}  // namespace kavro::test
