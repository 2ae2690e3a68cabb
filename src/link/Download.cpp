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
    DownloadRun(BytePort& port, TransferSession& session, MessageSink& messages,
                const TransferOptions& options, TransferReport& report)
        : port_(port),
          session_(session),
          report_(report),
          line_(port, session, messages, options, report) {}

    bool send(const IrdImage& image) {
        if (!callReceiver()) return false;
        line_.watchSilence();
        session_.setStatusText({});
        if (!sendCode(kStart)) return false;

        if (!awaitCode(kSendHeader)) return false;
        if (!port_.writeBlock(image.data(), kHeaderSize)) return false;
        std::size_t position = kHeaderSize;
        session_.setStatus(strings::DownloadHeaderDone);

        if (!awaitCode(kHeaderAccepted)) return false;
        report_.imageBytes = kHeaderSize;
        if (!sendCode(kDataReady) || !awaitCode(kSendPacket)) return false;

        for (std::uint64_t packets = 1;; ++packets) {
            if (line_.pollCancel()) return false;
            const std::size_t n =
                position < image.size() ? std::min(image.size() - position, kPayloadSize) : 0;
            const Packet packet =
                n > 0 ? makeDataPacket(image.data() + position, n) : makeFillerPacket();
            if (!port_.writeBlock(packet.data(), packet.size())) return false;
            if (!awaitCode(kPacketAccepted)) return false;
            report_.imageBytes += n;
            position += kPayloadSize;
            session_.setProgress(downloadPercent(packets));
            if (!sendCode(kPacketFinished)) return false;

            // The receiver, not the PC, ends the loop: 0xE7 asks for more, 0xEB ends.
            std::uint8_t answer = 0;
            for (;;) {
                const ReadOutcome got = line_.read(answer);
                if (got == ReadOutcome::Cancelled || got == ReadOutcome::ReceiverSilent)
                    return false;
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
        MillisecondClock& clock = line_.clock();
        const std::uint64_t start = clock.milliseconds();
        for (;;) {
            if (line_.pollCancel()) return false;
            if (!sendCode(kSenderReady)) return false;
            std::uint8_t byte = 0;
            if (port_.readByte(byte) == 1 && byte == kReceiverReady) return true;
            const auto elapsed = static_cast<int>((clock.milliseconds() - start) / 1000);
            session_.showCountdown(elapsed);
            if (elapsed >= kCallSeconds) return false;
        }
    }

    // Noise is passed over; Cancel or a silent receiver ends the wait.
    bool awaitCode(std::uint8_t expected) {
        for (;;) {
            std::uint8_t byte = 0;
            const ReadOutcome got = line_.read(byte);
            if (got == ReadOutcome::Cancelled || got == ReadOutcome::ReceiverSilent) return false;
            if (got == ReadOutcome::Byte && byte == expected) return true;
        }
    }

    bool sendCode(std::uint8_t code) { return port_.writeByte(code); }

    BytePort& port_;
    TransferSession& session_;
    TransferReport& report_;
    ReceiverLine line_;
};

}  // namespace

bool download(BytePort& port, TransferSession& session, const ChannelDatabase& db,
              MessageSink& messages, const TransferOptions& options, TransferReport* report) {
    TransferReport ignored;
    TransferReport& told = report ? *report : ignored;
    told = {};
    session.setProgress(0);
    if (!port.isOpen() && !port.open()) return false;

    std::optional<IrdImage> image = buildImage(db, messages);
    if (!image || image->size() < kHeaderSize) {
        messages.showMessage(strings::CannotReadFromList);
        port.close();
        return false;
    }
    told.imageSize = image->size();

    DownloadRun run(port, session, messages, options, told);
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

bool download(BytePort& port, TransferSession& session, const ChannelDatabase& db,
              MessageSink& messages, MillisecondClock& clock) {
    TransferOptions options;
    options.clock = &clock;
    return download(port, session, db, messages, options);
}

}  // namespace kavro
