#pragma once

#include <cstddef>
#include <cstdint>

#include "link/BytePort.h"
#include "link/MillisecondClock.h"
#include "link/TransferOptions.h"
#include "link/TransferSession.h"
#include "messages/MessageSink.h"

namespace kavro::link {

enum class ReadOutcome { Byte, Nothing, Cancelled, ReceiverSilent };

struct BlockRead {
    std::size_t received = 0;
    bool cancelled = false;
    bool receiverSilent = false;
};

// The receiving end of a transfer as both protocols read it. Every read is one poll for
// Cancel, then one read of the port, so Cancel is noticed within one read. Once the receiver
// has answered (watchSilence), a read that finds nothing after the options' silence limit
// without a byte from it reports ReceiverSilent, so no wait lasts for ever. Both endings are
// noted in `report`; the silence is also told to the user, since the protocol's closing text
// alone would not say why.
class ReceiverLine {
public:
    ReceiverLine(BytePort& port, TransferSession& session, MessageSink& messages,
                 const TransferOptions& options, TransferReport& report)
        : port_(port),
          session_(session),
          messages_(messages),
          clock_(options.clock ? *options.clock : steadyClock()),
          silenceLimitMs_(
              static_cast<std::uint64_t>(options.silenceSeconds < 1 ? 1 : options.silenceSeconds) *
              1000),
          report_(report) {}

    // From now on silence counts; the receiver was last heard now.
    void watchSilence() {
        watching_ = true;
        lastHeardMs_ = clock_.milliseconds();
    }

    ReadOutcome read(std::uint8_t& byte) {
        if (pollCancel()) return ReadOutcome::Cancelled;
        if (port_.readByte(byte) == 1) {
            if (watching_) lastHeardMs_ = clock_.milliseconds();
            return ReadOutcome::Byte;
        }
        if (watching_ && clock_.milliseconds() - lastHeardMs_ >= silenceLimitMs_)
            return receiverSilent();
        return ReadOutcome::Nothing;
    }

    // The session's cancel poll, with the answer noted in the report.
    bool pollCancel() {
        if (!session_.pollCancel()) return false;
        report_.cancelled = true;
        return true;
    }

    // Reads a header or packet of `size` bytes into `dest`. The first byte is awaited until it
    // arrives, the user cancels or the receiver has been silent too long; after it, the block
    // ends at the first silent read. A block with fewer than `size` bytes is short and must be
    // rejected by the caller.
    BlockRead readBlock(std::uint8_t* dest, std::size_t size);

    MillisecondClock& clock() { return clock_; }

private:
    ReadOutcome receiverSilent();

    BytePort& port_;
    TransferSession& session_;
    MessageSink& messages_;
    MillisecondClock& clock_;
    std::uint64_t silenceLimitMs_;
    TransferReport& report_;
    bool watching_ = false;
    std::uint64_t lastHeardMs_ = 0;
};

}  // namespace kavro::link
