// Many transfers in one process, as a long session of the editor makes them: random receivers
// and faults through the real serial port, after which no descriptor, thread or memory is left
// behind.
#include <gtest/gtest.h>
#include <malloc.h>

#include <chrono>
#include <filesystem>
#include <numeric>
#include <random>

#include "DatabaseBuilder.h"
#include "ReceiverSimulator.h"
#include "RecordingMessageSink.h"
#include "RecordingTransferSession.h"
#include "link/Download.h"
#include "link/LinkFormat.h"
#include "link/Upload.h"
#include "link/serial/SerialPort.h"
#include "messages/StringIds.h"

namespace kavro::test {
namespace {

using Script = ReceiverScript;

// Time a hundred times faster than the wall clock, so the 20-second call and the 30-second
// silence limit pass in a fraction of a second while the line itself runs as it does.
class FastClock : public MillisecondClock {
public:
    std::uint64_t milliseconds() override { return steadyClock().milliseconds() * 100; }
};

std::size_t entriesIn(const char* folder) {
    return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(folder),
                                                  std::filesystem::directory_iterator()));
}

std::size_t heapInUse() {
    const struct mallinfo2 info = ::mallinfo2();
    return info.uordblks + info.hblkhd;
}

struct Fault {
    const char* name;
    bool completes;
    void (*apply)(Script&, int k);
};

// Swapped checksum bytes show only when the two differ.
bool swapShows(const IrdImage& image, int k) {
    const auto payload = image.begin() + 64 + (k - 1) * 1021;
    const unsigned sum = std::accumulate(payload, payload + 1021, 0u);
    return (sum >> 8 & 0xFF) != (sum & 0xFF);
}

// k is a random packet number, count or delay (1..64).
const Fault kUploadFaults[] = {
    {"none", true, [](Script&, int) {}},
    {"noise and a double call", true,
     [](Script& s, int) {
         s.noiseBeforeCall = {0x00, 0x55, 0xFF};
         s.callTwice = true;
     }},
    {"a late call", true, [](Script& s, int k) { s.startDelayMs = k % 60; }},
    {"a bad checksum", false, [](Script& s, int k) { s.badChecksumPacket = k; }},
    {"swapped checksum bytes", false, [](Script& s, int k) { s.swappedChecksumPacket = k; }},
    {"a short packet", false, [](Script& s, int k) { s.shortPacket = k; }},
    {"a wrong version", false, [](Script& s, int) { s.headerVersion = 0x8208; }},
    {"a short header", false, [](Script& s, int k) { s.headerBytes = k % 64; }},
    {"an image too short", false, [](Script& s, int k) { s.headerDataLength = k * 100; }},
    {"an unexpected code", false,
     [](Script& s, int) { s.replaceCode.emplace(link::kDataReady, 0xE9); }},
    {"silence after a packet", false, [](Script& s, int k) { s.hangAfterPacket = k; }},
    {"no call at all", false, [](Script& s, int) { s.silent = true; }},
};
const Fault kDownloadFaults[] = {
    {"none", true, [](Script&, int) {}},
    {"noise", true,
     [](Script& s, int) {
         s.noiseBeforeCodes = {0x00, 0x55, 0xAA};
     }},
    {"an early end", true, [](Script& s, int k) { s.endAfterPacket = k; }},
    {"packets past the image", true, [](Script& s, int k) { s.extraPackets = k % 3; }},
    {"silence after a packet", false, [](Script& s, int k) { s.hangAfterPacket = k; }},
    {"no answer at all", false, [](Script& s, int) { s.silent = true; }},
};

TEST(SoakTest, TwoHundredTransfersLeaveNoDescriptorThreadOrMemoryBehind) {
    const IrdImage image = makeImage(makeRandomDatabase(61));
    const ChannelDatabase previous = makeRandomDatabase(62);
    std::mt19937 random(20261206);
    FastClock clock;
    const std::size_t fds = entriesIn("/proc/self/fd");
    const std::size_t threads = entriesIn("/proc/self/task");
    std::size_t heapAfterWarmUp = 0;
    int completed = 0;

    for (int run = 1; run <= 200; ++run) {
        const bool up = random() % 2 == 0;
        const Fault& fault = up ? kUploadFaults[random() % std::size(kUploadFaults)]
                                : kDownloadFaults[random() % std::size(kDownloadFaults)];
        const int k = 1 + static_cast<int>(random() % 64);
        // Now and then the user cancels, at any read.
        const int cancelAtPoll = random() % 8 == 0 ? 1 + static_cast<int>(random() % 20000) : 0;
        SCOPED_TRACE(std::to_string(run) + (up ? ": upload, " : ": download, ") + fault.name +
                     ", k " + std::to_string(k) + ", cancel at poll " +
                     std::to_string(cancelAtPoll));
        Script script;
        script.role = up ? Script::Role::Sender : Script::Role::Receiver;
        script.image = image;
        fault.apply(script, k);

        ReceiverSimulator simulator(script);
        ASSERT_TRUE(simulator.start()) << simulator.error();
        RecordingMessageSink messages;
        RecordingTransferSession session;
        int polls = 0;
        session.cancelWhen = [&] { return cancelAtPoll > 0 && ++polls >= cancelAtPoll; };
        ChannelDatabase db = previous;
        TransferOptions options;
        options.clock = &clock;
        TransferReport report;
        bool ok = false;
        {
            SerialPort port(messages, simulator.devicePath());
            ok = up ? upload(port, session, db, messages, options, &report)
                    : download(port, session, db, messages, options, &report);
            EXPECT_FALSE(port.isOpen());
        }
        simulator.stop();

        const bool completes =
            fault.completes || (script.swappedChecksumPacket > 0 && !swapShows(image, k));
        EXPECT_EQ(ok, completes && !report.cancelled);
        EXPECT_EQ(report.cancelled, cancelAtPoll > 0 && polls >= cancelAtPoll);
        if (!ok || !up) {
            EXPECT_EQ(db, previous);
        }
        completed += ok;
        if (run == 20) heapAfterWarmUp = heapInUse();
    }
    EXPECT_GT(completed, 40);
    EXPECT_EQ(entriesIn("/proc/self/fd"), fds);
    EXPECT_EQ(entriesIn("/proc/self/task"), threads);
    // A transfer holds a 655,424-byte image at most; a leak of one per transfer would show as
    // 100 MB here.
    EXPECT_LT(heapInUse(), heapAfterWarmUp + 4'000'000);
}

}  // namespace
}  // namespace kavro::test
