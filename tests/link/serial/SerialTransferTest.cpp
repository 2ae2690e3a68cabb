#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>

#include "DatabaseBuilder.h"
#include "ReceiverSimulator.h"
#include "RecordingMessageSink.h"
#include "RecordingTransferSession.h"
#include "database/ImageReader.h"
#include "link/Download.h"
#include "link/LinkFormat.h"
#include "link/Upload.h"
#include "link/serial/SerialPort.h"
#include "messages/StringIds.h"
#include "messages/StringTable.h"

namespace kavro::test {
namespace {

using namespace std::chrono_literals;

std::vector<int> expectedUploadProgress(std::uint64_t imageLength, int packets) {
    std::vector<int> p = {0};
    for (int k = 1; k <= packets; ++k) p.push_back(link::uploadPercent(k, imageLength));
    return p;
}

TEST(SerialTransferTest, UploadThroughTheSerialPortIsByteExact) {
    ReceiverScript script;
    script.role = ReceiverScript::Role::Sender;
    script.image = makeImage(makeRandomDatabase(41));
    script.callTwice = true;
    script.noiseBeforeCall = {0x00, 0x13, 0x11, 0xFF};
    ReceiverSimulator simulator(script);
    ASSERT_TRUE(simulator.start()) << simulator.error();

    RecordingMessageSink messages;
    RecordingTransferSession session;
    ChannelDatabase db = makeRandomDatabase(2);
    IrdImage received;
    {
        SerialPort port(messages, simulator.devicePath());
        ASSERT_TRUE(upload(port, session, db, messages, steadyClock(), &received));
        EXPECT_FALSE(port.isOpen());
    }
    ASSERT_TRUE(simulator.waitForEnd(5s));
    simulator.stop();

    EXPECT_EQ(received, script.image);
    ChannelDatabase expected;
    ASSERT_TRUE(readImage(expected, &script.image, messages));
    EXPECT_EQ(firstDifference(expected, db), "");
    const ReceiverLog log = simulator.log();
    EXPECT_TRUE(log.completed);
    EXPECT_EQ(log.packetsSent, 642);
    EXPECT_EQ(std::count(log.codesFromPc.begin(), log.codesFromPc.end(), link::kPacketAccepted),
              642);
    EXPECT_EQ(session.progress, expectedUploadProgress(image::kSize, 642));
    ASSERT_EQ(messages.entries.size(), 1u);
    EXPECT_EQ(messages.entries[0].stringId, strings::UploadDone);
}

TEST(SerialTransferTest, DownloadThroughTheSerialPortIsByteExact) {
    ReceiverScript script;
    script.role = ReceiverScript::Role::Receiver;
    script.extraPackets = 1;
    script.noiseBeforeCodes = {0x00, 0x11, 0x13, 0x55};
    ReceiverSimulator simulator(script);
    ASSERT_TRUE(simulator.start()) << simulator.error();

    RecordingMessageSink messages;
    RecordingTransferSession session;
    const ChannelDatabase db = makeRandomDatabase(42);
    {
        SerialPort port(messages, simulator.devicePath());
        ASSERT_TRUE(download(port, session, db, messages));
    }
    ASSERT_TRUE(simulator.waitForEnd(5s));
    simulator.stop();

    const ReceiverLog log = simulator.log();
    EXPECT_TRUE(log.completed);
    EXPECT_EQ(log.packetsReceived, 643);
    EXPECT_EQ(log.badPacketsReceived, 0);
    EXPECT_EQ(simulator.receivedImage(), makeImage(db));
    std::vector<int> progress = {0};
    for (int k = 1; k <= 643; ++k) progress.push_back(link::downloadPercent(k));
    EXPECT_EQ(session.progress, progress);
    EXPECT_EQ(progress[642], 99);
    EXPECT_EQ(progress[643], 100);
    ASSERT_EQ(messages.entries.size(), 1u);
    EXPECT_EQ(messages.entries[0].stringId, strings::DownloadDone);
}

TEST(SerialTransferTest, BadPacketAbandonsTheUploadAndTellsTheReceiver) {
    ReceiverScript script;
    script.role = ReceiverScript::Role::Sender;
    script.image = makeImage(makeRandomDatabase(43));
    script.badChecksumPacket = 7;
    ReceiverSimulator simulator(script);
    ASSERT_TRUE(simulator.start()) << simulator.error();

    RecordingMessageSink messages;
    RecordingTransferSession session;
    ChannelDatabase db = makeRandomDatabase(3);
    const ChannelDatabase before = db;
    SerialPort port(messages, simulator.devicePath());
    EXPECT_FALSE(upload(port, session, db, messages));
    EXPECT_FALSE(port.isOpen());
    ASSERT_TRUE(simulator.waitForEnd(5s));
    simulator.stop();

    EXPECT_TRUE(simulator.log().abandoned);
    EXPECT_EQ(simulator.log().packetsSent, 7);
    EXPECT_EQ(firstDifference(before, db), "");
    ASSERT_EQ(messages.entries.size(), 1u);
    EXPECT_EQ(messages.entries[0].stringId, strings::UploadFailed);
}

}  // namespace
}  // namespace kavro::test
