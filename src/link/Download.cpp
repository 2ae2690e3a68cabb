#include "link/Download.h"

#include <algorithm>
#include <new>
#include <optional>

#include "database/ImageWriter.h"
#include "link/LinkFormat.h"
#include "link/LinkReads.h"
#include "messages/StringIds.h"

namespace kavro {
namespace {

using namespace link;

// The image the writer builds; the editor's database stays as it was.
std::optional<IrdImage> buildImage(const ChannelDatabase& db, MessageSink& messages) {
    try {
        if (auto exceeded = findCapacityExceeded(db))
            messages.showMessageNumber(exceeded->stringId, static_cast<long long>(exceeded->limit));
        return writeImage(db);
    } catch (const std::bad_alloc&) {
        return std::nullopt;
    }
}

class DownloadRun {
public:
    DownloadRun(BytePort& port, TransferSession& session, MillisecondClock& clock)
        : port_(port), session_(session), clock_(clock) {}

    bool send(const IrdImage& image) {
        if (!callReceiver()) return false;
        session_.setStatusText({});
        if (!sendCode(kStart)) return false;

        if (!awaitCode(kSendHeader)) return false;
        if (!port_.writeBlock(image.data(), kHeaderSize)) return false;
        std::size_t position = kHeaderSize;
        session_.setStatus(strings::DownloadHeaderDone);

        if (!awaitCode(kHeaderAccepted) || !sendCode(kDataReady)) return false;
        if (!awaitCode(kSendPacket)) return false;

        for (std::uint64_t packets = 1;; ++packets) {
            if (session_.pollCancel()) return false;
            const Packet packet =
                position < image.size()
                    ? makeDataPacket(image.data() + position,
                                     std::min(image.size() - position, kPayloadSize))
                    : makeFillerPacket();
            if (!port_.writeBlock(packet.data(), packet.size())) return false;
            if (!awaitCode(kPacketAccepted)) return false;
            position += kPayloadSize;
            session_.setProgress(downloadPercent(packets));
            if (!sendCode(kPacketFinished)) return false;

            // The receiver, not the PC, ends the loop: 0xE7 asks for more, 0xEB ends.
            std::uint8_t answer = 0;
            for (;;) {
                const ReadOutcome got = pollAndRead(port_, session_, answer);
                if (got == ReadOutcome::Cancelled) return false;
                if (got == ReadOutcome::Byte && (answer == kSendPacket || answer == kEndOfTransfer))
                    break;
            }
            if (answer == kEndOfTransfer) break;
        }

        if (!sendCode(kEndConfirmed)) return false;
        port_.close();
        return true;
    }

private:
    // Calls with 0xE1 about every read time-out until the receiver answers 0xE2, for at most
    // 20 seconds.
    bool callReceiver() {
        const std::uint64_t start = clock_.milliseconds();
        for (;;) {
            if (session_.pollCancel()) return false;
            if (!sendCode(kSenderReady)) return false;
            std::uint8_t byte = 0;
            if (port_.readByte(byte) == 1 && byte == kReceiverReady) return true;
            const auto elapsed = static_cast<int>((clock_.milliseconds() - start) / 1000);
            session_.showCountdown(elapsed);
            if (elapsed >= kCallSeconds) return false;
        }
    }

    // Noise and silence are passed over; only Cancel ends the wait.
    bool awaitCode(std::uint8_t expected) {
        for (;;) {
            std::uint8_t byte = 0;
            const ReadOutcome got = pollAndRead(port_, session_, byte);
            if (got == ReadOutcome::Cancelled) return false;
            if (got == ReadOutcome::Byte && byte == expected) return true;
        }
    }

    bool sendCode(std::uint8_t code) { return port_.writeByte(code); }

    BytePort& port_;
    TransferSession& session_;
    MillisecondClock& clock_;
};

}  // namespace

bool download(BytePort& port, TransferSession& session, const ChannelDatabase& db,
              MessageSink& messages, MillisecondClock& clock) {
    session.setProgress(0);
    if (!port.isOpen() && !port.open()) return false;

    std::optional<IrdImage> image = buildImage(db, messages);
    if (!image || image->size() < kHeaderSize) {
        messages.showMessage(strings::CannotReadFromList);
        port.close();
        return false;
    }

    DownloadRun run(port, session, clock);
    if (!run.send(*image)) {
        port.close();
        session.setStatus(strings::DownloadFailed);
        messages.showMessage(strings::DownloadFailed);
        return false;
    }
    session.setStatus(strings::DownloadDone);
    messages.showMessage(strings::DownloadDone);
    return true;
}

}  // namespace kavro
