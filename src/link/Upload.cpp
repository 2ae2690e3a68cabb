#include "link/Upload.h"

#include <algorithm>
#include <cstring>
#include <new>

#include "database/ByteOrder.h"
#include "database/ImageReader.h"
#include "link/LinkFormat.h"
#include "link/LinkReads.h"
#include "messages/StringIds.h"

namespace kavro {
namespace {

using namespace link;

class UploadRun {
public:
    UploadRun(BytePort& port, TransferSession& session, MessageSink& messages,
              MillisecondClock& clock)
        : port_(port), session_(session), messages_(messages), clock_(clock) {}

    // Steps up to the end code; the image is then complete and the port closed.
    bool receive(IrdImage& image) {
        if (!awaitCall()) return false;
        session_.setStatusText({});
        if (!send(kReceiverReady)) return false;
        // A receiver that called twice may still have a second 0xE1 on its way.
        if (!awaitCode(kStart, kSenderReady) || !send(kSendHeader)) return false;

        std::uint8_t header[kHeaderSize];
        const BlockRead got = readBlock(port_, session_, header, kHeaderSize);
        if (got.cancelled || got.received < kHeaderSize) return false;
        if (readU32(header + image::kVersionOffset) != image::kDataVersion) {
            messages_.showText("DATA version must be: 00008209 !!!");
            return false;
        }
        if (readU32(header + image::kMagicOffset) != image::kMagic) return false;

        const std::uint64_t imageLength =
            static_cast<std::uint64_t>(readU32(header + kDataLengthOffset)) + kHeaderSize;
        if (imageLength > kMaxUploadImageSize) {
            messages_.showMessageNumber(strings::ImageTooLong, static_cast<long long>(imageLength));
            return false;
        }
        if (imageLength > image.size()) {
            try {
                image.resize(static_cast<std::size_t>(imageLength), 0);
            } catch (const std::bad_alloc&) {
                messages_.showMessage(strings::OutOfMemory);
                return false;
            }
        }

        if (!send(kHeaderAccepted)) return false;
        session_.setStatus(strings::UploadHeaderDone);
        std::memcpy(image.data(), header, kHeaderSize);
        std::uint64_t position = kHeaderSize;

        if (!awaitCode(kDataReady) || !send(kSendPacket)) return false;

        Packet packet;
        for (std::uint64_t packets = 1;; ++packets) {
            const BlockRead block = readBlock(port_, session_, packet.data(), kPacketSize);
            if (block.cancelled || block.received < kPacketSize) return false;
            if (position < imageLength) {
                const auto n = static_cast<std::size_t>(
                    std::min<std::uint64_t>(imageLength - position, kPayloadSize));
                if (!packetIsValid(packet)) return false;
                std::memcpy(image.data() + position, packet.data() + 1, n);
            }
            if (!send(kPacketAccepted)) return false;
            const int percent = uploadPercent(packets, imageLength);
            session_.setProgress(percent);
            if (!awaitCode(kPacketFinished)) return false;
            if (percent >= 100) break;
            if (!send(kSendPacket)) return false;
            position += kPayloadSize;
        }

        if (!send(kEndOfTransfer)) return false;
        port_.close();
        return true;
    }

    void failureEnding() {
        if (port_.isOpen()) {
            port_.writeByte(kEndOfTransfer);
            port_.close();
        }
        session_.setStatus(strings::UploadFailed);
        messages_.showMessage(strings::UploadFailed);
    }

private:
    // The receiver announces itself with 0xE1; anything else on the line before that is
    // ignored. Gives up after 20 seconds.
    bool awaitCall() {
        const std::uint64_t start = clock_.milliseconds();
        for (;;) {
            std::uint8_t byte = 0;
            const ReadOutcome got = pollAndRead(port_, session_, byte);
            if (got == ReadOutcome::Cancelled) return false;
            if (got == ReadOutcome::Byte && byte == kSenderReady) return true;
            const auto elapsed = static_cast<int>((clock_.milliseconds() - start) / 1000);
            session_.showCountdown(elapsed);
            if (elapsed >= kCallSeconds) return false;
        }
    }

    // The first byte that arrives must be `expected`; only a repeat of `skipped` (when given)
    // is passed over. No time limit: Cancel ends the wait.
    bool awaitCode(std::uint8_t expected, int skipped = -1) {
        for (;;) {
            std::uint8_t byte = 0;
            const ReadOutcome got = pollAndRead(port_, session_, byte);
            if (got == ReadOutcome::Cancelled) return false;
            if (got == ReadOutcome::Nothing) continue;
            if (byte == expected) return true;
            if (byte != skipped) return false;
        }
    }

    bool send(std::uint8_t code) { return port_.writeByte(code); }

    BytePort& port_;
    TransferSession& session_;
    MessageSink& messages_;
    MillisecondClock& clock_;
};

}  // namespace

bool upload(BytePort& port, TransferSession& session, ChannelDatabase& db, MessageSink& messages,
            MillisecondClock& clock, IrdImage* receivedImage) {
    session.setProgress(0);
    if (!port.isOpen() && !port.open()) return false;

    IrdImage image;
    try {
        image.assign(image::kSize, 0);
    } catch (const std::bad_alloc&) {
        messages.showMessage(strings::OutOfMemory);
        port.close();
        return false;
    }

    UploadRun run(port, session, messages, clock);
    if (!run.receive(image)) {
        run.failureEnding();
        return false;
    }

    // Read into a fresh database so that a reader failure cannot leave `db` half rebuilt.
    bool stored = false;
    try {
        ChannelDatabase fresh;
        stored = readImage(fresh, &image, messages) != 0;
        if (stored)
            db = std::move(fresh);
        else
            messages.showMessage(strings::CannotWriteToList);
    } catch (const std::bad_alloc&) {
        messages.showMessage(strings::OutOfMemory);
    }
    if (!stored) {
        run.failureEnding();
        return false;
    }
    if (receivedImage) *receivedImage = std::move(image);
    session.setStatus(strings::UploadDone);
    messages.showMessage(strings::UploadDone);
    return true;
}

}  // namespace kavro
