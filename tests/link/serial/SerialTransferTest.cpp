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

}  // namespace
}  // namespace kavro::test
