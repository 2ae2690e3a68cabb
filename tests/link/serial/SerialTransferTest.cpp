#include <gtest/gtest.h>

#include <chrono>

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

using namespace std::chrono_literals;

// Whole transfers through the real serial port and the receiver simulator on a pseudo-terminal.
struct SerialTransferTest : ::testing::Test {
    RecordingMessageSink messages;
    RecordingTransferSession session;
};

TEST_F(SerialTransferTest, UploadIsByteExact) {
    ReceiverScript script;
    script.image = makeImage(makeRandomDatabase(41));
    ReceiverSimulator simulator(script);
    ASSERT_TRUE(simulator.start()) << simulator.error();
    ChannelDatabase db;
    IrdImage received;
    SerialPort port(messages, simulator.devicePath());
    ASSERT_TRUE(upload(port, session, db, messages, steadyClock(), &received));
    EXPECT_FALSE(port.isOpen());
    ASSERT_TRUE(simulator.waitForEnd(5s));

    EXPECT_EQ(received, script.image);
    EXPECT_TRUE(simulator.log().completed);
    EXPECT_EQ(simulator.log().packetsSent, 642);
    std::vector<int> progress = {0};
    for (int k = 1; k <= 642; ++k) progress.push_back(link::uploadPercent(k, image::kSize));
    EXPECT_EQ(session.progress, progress);
    EXPECT_EQ(messages.ids(), std::vector<int>{strings::UploadDone});
}

TEST_F(SerialTransferTest, DownloadIsByteExact) {
    ReceiverScript script;
    script.role = ReceiverScript::Role::Receiver;
    script.extraPackets = 1;
    ReceiverSimulator simulator(script);
    ASSERT_TRUE(simulator.start()) << simulator.error();
    const ChannelDatabase db = makeRandomDatabase(42);
    SerialPort port(messages, simulator.devicePath());
    ASSERT_TRUE(download(port, session, db, messages));
    EXPECT_FALSE(port.isOpen());
    ASSERT_TRUE(simulator.waitForEnd(5s));

    EXPECT_EQ(simulator.receivedImage(), makeImage(db));
    EXPECT_TRUE(simulator.log().completed);
    EXPECT_EQ(simulator.log().packetsReceived, 643);
    EXPECT_EQ(simulator.log().badPacketsReceived, 0);
    std::vector<int> progress = {0};
    for (int k = 1; k <= 643; ++k) progress.push_back(link::downloadPercent(k));
    EXPECT_EQ(session.progress, progress);
    EXPECT_EQ(messages.ids(), std::vector<int>{strings::DownloadDone});
}

// A receiver that falls silent after packet 100 ends either transfer by itself once the
// silence limit has passed, with the failure ending and the port closed.
TEST_F(SerialTransferTest, SilentReceiverEndsEitherTransferWithThePortClosed) {
    for (auto role : {ReceiverScript::Role::Sender, ReceiverScript::Role::Receiver}) {
        const bool sender = role == ReceiverScript::Role::Sender;
        SCOPED_TRACE(sender ? "upload" : "download");
        ReceiverScript script;
        script.role = role;
        script.image = makeImage(makeRandomDatabase(43));
        script.hangAfterPacket = 100;
        ReceiverSimulator simulator(script);
        ASSERT_TRUE(simulator.start()) << simulator.error();
        messages.entries.clear();
        ChannelDatabase db = makeRandomDatabase(44);
        const ChannelDatabase before = db;
        SerialPort port(messages, simulator.devicePath());
        TransferOptions options;
        options.silenceSeconds = 1;
        TransferReport report;
        const auto start = std::chrono::steady_clock::now();
        EXPECT_FALSE(sender ? upload(port, session, db, messages, options, &report)
                            : download(port, session, db, messages, options, &report));
        const auto took = std::chrono::steady_clock::now() - start;
        EXPECT_GE(took, 1s);
        EXPECT_LT(took, 5s);
        EXPECT_FALSE(port.isOpen());
        EXPECT_TRUE(report.receiverSilent);
        EXPECT_EQ(messages.ids(),
                  (std::vector<int>{strings::ReceiverSilent,
                                    sender ? strings::UploadFailed : strings::DownloadFailed}));
        EXPECT_EQ(db, before);
        // The upload stored 100 packets; the download's 100th was never acknowledged.
        EXPECT_EQ(report.imageBytes, 64u + (sender ? 100 : 99) * 1021);
    }
}

}  // namespace
}  // namespace kavro::test
