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

// Transfers through the real serial port and the receiver simulator on a pseudo-terminal; whole
// byte-exact ones run in the window and command-line tests and the soak test.
struct SerialTransferTest : ::testing::Test {
    RecordingMessageSink messages;
    RecordingTransferSession session;
};

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
