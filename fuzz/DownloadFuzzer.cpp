// Download against a receiver the fuzzer plays: whatever it answers, the download ends (at the
// latest when the silence limit has passed after its last byte), closes the port, and what the
// PC put on the line is always the image the writer builds, in order: the calls, the start,
// the header, then packets of the image (or filler past its end) each followed by 0xEA.
#include <algorithm>
#include <optional>

#include "DatabaseBuilder.h"
#include "FuzzedReceiver.h"
#include "database/ImageWriter.h"
#include "link/Download.h"
#include "link/LinkFormat.h"
#include "messages/StringIds.h"

namespace kavro::fuzz {
namespace {

using namespace link;

const ChannelDatabase& database() {
    static const ChannelDatabase db = test::makeRandomDatabase(10);
    return db;
}

const IrdImage& imageOf() {
    static const IrdImage image = *writeImage(database());
    return image;
}

// Checks the PC's bytes against the protocol; `complete` when it ended with 0xED.
void checkWritten(const std::vector<std::uint8_t>& out, bool complete) {
    const IrdImage& image = imageOf();
    std::size_t at = 0;
    while (at < out.size() && out[at] == kSenderReady) ++at;
    if (at == out.size()) return;
    require(out[at++] == kStart, "0xEF after the calls");
    if (at == out.size()) return;
    require(out.size() - at >= kHeaderSize &&
                std::equal(image.begin(), image.begin() + kHeaderSize, out.begin() + at),
            "the image's header");
    at += kHeaderSize;
    if (at == out.size()) return;
    require(out[at++] == kDataReady, "0xE6 after the header");
    for (std::size_t position = kHeaderSize; at < out.size(); position += kPayloadSize) {
        if (complete && at + 1 == out.size()) break;
        require(out.size() - at >= kPacketSize, "whole packets");
        const std::size_t n =
            position < image.size() ? std::min(image.size() - position, kPayloadSize) : 0;
        const Packet expected =
            n > 0 ? makeDataPacket(image.data() + position, n) : makeFillerPacket();
        require(std::equal(expected.begin(), expected.end(), out.begin() + at),
                "the image's packets");
        at += kPacketSize;
        if (at == out.size()) return;
        require(out[at++] == kPacketFinished, "0xEA after a packet");
    }
    require(!complete || out.back() == kEndConfirmed, "0xED at the end");
}

}  // namespace
}  // namespace kavro::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace kavro;
    using namespace kavro::fuzz;
    FuzzedReceiver receiver(FuzzInput(data, size));
    SilentMessageSink messages;
    const ChannelDatabase& db = database();
    TransferOptions options;
    options.clock = &receiver.clock;
    TransferReport report;

    const bool ok = download(receiver, receiver, db, messages, options, &report);

    require(!receiver.isOpen() && receiver.ioWhileClosed == 0, "the port closed, and left alone");
    require(receiver.longestSilenceMs() <= 30'000 + FuzzedReceiver::kSilentReadMs,
            "no wait to outlast the silence limit (the call's 20 s included)");
    require(report.cancelled == receiver.cancelPressed, "Cancel to end the download when pressed");
    require(!ok || (!report.cancelled && !report.receiverSilent),
            "a complete download to be neither");
    require(report.imageSize == imageOf().size() && report.imageBytes <= report.imageSize,
            "the amount sent within the image");
    require(db == database(), "the database untouched");
    checkWritten(receiver.written, ok);
    return 0;
}
