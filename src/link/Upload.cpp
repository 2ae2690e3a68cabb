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
              const TransferOptions& options, TransferReport& report)
        : port_(port),
          session_(session),
          messages_(messages),
          report_(report),
          line_(port, session, messages, options, report) {}

    // Steps up to the end code; the image is then complete and the port closed. `imageLength`
    // gets the length the header announced.
    bool receive(IrdImage& image, std::uint64_t& imageLength) {
        if (!awaitCall()) return false;
        line_.watchSilence();
        session_.setStatusText({});
        if (!send(kReceiverReady)) return false;
        // A receiver that called twice may still have a second 0xE1 on its way.
        if (!awaitCode(kStart, kSenderReady) || !send(kSendHeader)) return false;

        std::uint8_t header[kHeaderSize];
        const BlockRead got = line_.readBlock(header, kHeaderSize);
        if (got.cancelled || got.receiverSilent || got.received < kHeaderSize) return false;
        if (readU32(header + image::kVersionOffset) != image::kDataVersion) {
            messages_.showText("DATA version must be: 00008209 !!!");
            return false;
        }
        if (readU32(header + image::kMagicOffset) != image::kMagic) return false;

        imageLength = static_cast<std::uint64_t>(readU32(header + kDataLengthOffset)) + kHeaderSize;
        report_.imageSize = imageLength;
        if (imageLength > kMaxUploadImageSize) {
            messages_.showMessageNumber(strings::ImageTooLong, static_cast<long long>(imageLength));
            return false;
        }
        // Whatever the receiver sends, the result must be an image the editor can open; a
        // short one would read as an empty database and pass for a successful upload.
        if (imageLength < image::kMinFileSize) {
            messages_.showMessageNumber(strings::ImageTooShort,
                                        static_cast<long long>(imageLength));
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
        report_.imageBytes = position;

        if (!awaitCode(kDataReady) || !send(kSendPacket)) return false;

        Packet packet;
        for (std::uint64_t packets = 1;; ++packets) {
            const BlockRead block = line_.readBlock(packet.data(), kPacketSize);
            if (block.cancelled || block.receiverSilent || block.received < kPacketSize)
                return false;
            if (position < imageLength) {
                const auto n = static_cast<std::size_t>(
                    std::min<std::uint64_t>(imageLength - position, kPayloadSize));
                if (!packetIsValid(packet)) return false;
                std::memcpy(image.data() + position, packet.data() + 1, n);
                report_.imageBytes += n;
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
        MillisecondClock& clock = line_.clock();
        const std::uint64_t start = clock.milliseconds();
        for (;;) {
            std::uint8_t byte = 0;
            const ReadOutcome got = line_.read(byte);
            if (got == ReadOutcome::Cancelled) return false;
            if (got == ReadOutcome::Byte && byte == kSenderReady) return true;
            const auto elapsed = static_cast<int>((clock.milliseconds() - start) / 1000);
            session_.showCountdown(elapsed);
            if (elapsed >= kCallSeconds) return false;
        }
    }

    // The first byte that arrives must be `expected`; only a repeat of `skipped` (when given)
    // is passed over. Cancel or a silent receiver ends the wait.
    bool awaitCode(std::uint8_t expected, int skipped = -1) {
        for (;;) {
            std::uint8_t byte = 0;
            const ReadOutcome got = line_.read(byte);
            if (got == ReadOutcome::Nothing) continue;
            if (got != ReadOutcome::Byte) return false;
            if (byte == expected) return true;
            if (byte != skipped) return false;
        }
    }

    bool send(std::uint8_t code) { return port_.writeByte(code); }

    BytePort& port_;
    TransferSession& session_;
    MessageSink& messages_;
    TransferReport& report_;
    ReceiverLine line_;
};

}  // namespace

bool upload(BytePort& port, TransferSession& session, ChannelDatabase& db, MessageSink& messages,
            const TransferOptions& options, TransferReport* report, IrdImage* receivedImage) {
    TransferReport ignored;
    TransferReport& told = report ? *report : ignored;
    told = {};
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

    UploadRun run(port, session, messages, options, told);
    std::uint64_t imageLength = 0;
    if (!run.receive(image, imageLength)) {
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
    if (receivedImage) {
        // Only what arrived: the zeros the reader saw past a shorter image are not the
        // receiver's.
        image.resize(static_cast<std::size_t>(imageLength));
        *receivedImage = std::move(image);
    }
    session.setStatus(strings::UploadDone);
    messages.showMessage(strings::UploadDone);
    return true;
}

bool upload(BytePort& port, TransferSession& session, ChannelDatabase& db, MessageSink& messages,
            MillisecondClock& clock, IrdImage* receivedImage) {
    TransferOptions options;
    options.clock = &clock;
    return upload(port, session, db, messages, options, nullptr, receivedImage);
}

}  // namespace kavro
