// Upload against a receiver the fuzzer plays: whatever it sends, the upload ends (at the latest
// when the silence limit has passed after its last byte), closes the port and touches nothing
// after it, and either keeps the database exactly as it was or replaces it with an image of at
// least the opener's minimum length that was received whole.
#include <algorithm>

#include "DatabaseBuilder.h"
#include "FuzzedReceiver.h"
#include "database/ImageReader.h"
#include "link/LinkFormat.h"
#include "link/Upload.h"
#include "messages/StringIds.h"

namespace kavro::fuzz {
namespace {

class IdSink : public SilentMessageSink {
public:
    MessageButton showMessage(int id, std::string_view arg, MessageStyle style) override {
        ids.push_back(id);
        return SilentMessageSink::showMessage(id, arg, style);
    }
    MessageButton showMessageNumber(int id, long long value, MessageStyle style) override {
        ids.push_back(id);
        return SilentMessageSink::showMessageNumber(id, value, style);
    }
    MessageButton showText(std::string_view text, MessageStyle style) override {
        ids.push_back(0);
        return SilentMessageSink::showText(text, style);
    }
    int count(int id) const { return static_cast<int>(std::count(ids.begin(), ids.end(), id)); }
    std::vector<int> ids;
};

const ChannelDatabase& previous() {
    static const ChannelDatabase db = test::makeRandomDatabase(9);
    return db;
}

}  // namespace
}  // namespace kavro::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace kavro;
    using namespace kavro::fuzz;
    FuzzedReceiver receiver(FuzzInput(data, size));
    IdSink messages;
    ChannelDatabase db = previous();
    TransferOptions options;
    options.clock = &receiver.clock;
    TransferReport report;
    IrdImage received;

    const bool ok = upload(receiver, receiver, db, messages, options, &report, &received);

    require(!receiver.isOpen() && receiver.ioWhileClosed == 0, "the port closed, and left alone");
    require(receiver.longestSilenceMs() <= 30'000 + FuzzedReceiver::kSilentReadMs,
            "no wait to outlast the silence limit (the call's 20 s included)");
    require(report.cancelled == receiver.cancelPressed, "Cancel to end the upload when pressed");
    require(messages.count(strings::ReceiverSilent) == (report.receiverSilent ? 1 : 0),
            "a silent receiver to be reported once");
    if (!ok) {
        require(db == previous(), "a failed upload to keep the database");
        require(received.empty(), "a failed upload to give no image");
        require(receiver.lastWriteFailed ||
                    (!receiver.written.empty() && receiver.written.back() == link::kEndOfTransfer),
                "a failed upload to tell the receiver to stop");
        require(messages.ids.back() == strings::UploadFailed, "the failure text to come last");
        return 0;
    }
    require(!report.cancelled && !report.receiverSilent, "a complete upload to be neither");
    require(received.size() >= image::kMinFileSize && received.size() == report.imageSize &&
                report.imageBytes == report.imageSize,
            "a complete upload to hold the whole announced image, no less than a file");
    IrdImage padded = received;
    if (padded.size() < image::kSize) padded.resize(image::kSize, 0);
    ChannelDatabase expected;
    require(readImage(expected, &padded, messages) == 1 && expected == db,
            "the database to be what the image reads as");
    require(messages.ids.back() == strings::UploadDone, "the success text to come last");
    return 0;
}
