#pragma once

#include <cstdint>
#include <vector>

#include "FuzzSupport.h"
#include "VirtualClock.h"
#include "link/BytePort.h"
#include "link/TransferSession.h"

namespace kavro::fuzz {

// The receiver's side of a transfer played by the fuzzer. The input starts with a flags byte:
// bit 0 gives a 16-bit count of cancel polls after which the user presses Cancel, bit 1 a
// byte numbering the write call that fails. The rest is what the receiver sends, byte by byte,
// where 0xF0 k stands for k reads that find nothing (k = 0: the byte 0xF0 itself). Once it is
// all read the receiver is silent for good. Virtual time: a silent read costs 110 ms, as on
// the line, everything else nothing.
class FuzzedReceiver : public BytePort, public TransferSession {
public:
    static constexpr std::uint8_t kSilenceEscape = 0xF0;
    static constexpr std::uint64_t kSilentReadMs = 110;

    explicit FuzzedReceiver(FuzzInput input);

    bool open() override;
    void close() override;
    bool isOpen() const override { return open_; }
    int readByte(std::uint8_t& byte) override;
    bool writeByte(std::uint8_t byte) override { return writeBlock(&byte, 1); }
    bool writeBlock(const std::uint8_t* data, std::size_t length) override;

    void setProgress(int) override {}
    void showCountdown(int) override {}
    void setStatus(int) override {}
    void setStatusText(std::string_view) override {}
    bool pollCancel() override;

    test::VirtualClock clock;
    std::vector<std::uint8_t> written;  // every byte the PC put on the line
    bool cancelPressed = false;
    int ioWhileClosed = 0;
    int opens = 0;
    bool lastWriteFailed = false;

    // The longest time the PC went on without a byte from the receiver, up to now.
    std::uint64_t longestSilenceMs() const;

private:
    FuzzInput input_;
    unsigned cancelAtPoll_ = 0;  // 0: never
    unsigned failWriteCall_ = 0;
    unsigned polls_ = 0;
    unsigned writes_ = 0;
    unsigned silentReads_ = 0;  // still to come from an escape
    std::uint64_t lastByteAtMs_;
    std::uint64_t longestGapMs_ = 0;
    bool open_ = false;
};

}  // namespace kavro::fuzz
