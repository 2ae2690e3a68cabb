#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <sstream>

#include "CliRunner.h"
#include "DatabaseBuilder.h"
#include "ReceiverSimulator.h"
#include "RecordingMessageSink.h"
#include "TemporaryDirectory.h"
#include "VirtualClock.h"
#include "cli/CliTransferSession.h"
#include "database/ImageFile.h"
#include "database/ImageReader.h"
#include "link/LinkFormat.h"
#include "messages/StringIds.h"

namespace kavro::test {
namespace {

struct TransferCommandsTest : ::testing::Test {
    // Starts a receiver on a pseudo-terminal and gives its device: one sending `image`, or with
    // no image one taking a database; `fault` changes its script.
    std::string receiver(const IrdImage& image, void (*fault)(ReceiverScript&) = nullptr) {
        ReceiverScript script;
        script.image = image;
        if (image.empty()) script.role = ReceiverScript::Role::Receiver;
        if (fault) fault(script);
        simulator = std::make_unique<ReceiverSimulator>(script);
        EXPECT_TRUE(simulator->start()) << simulator->error();
        return simulator->devicePath();
    }

    std::unique_ptr<ReceiverSimulator> simulator;
    TemporaryDirectory dir;
    const std::string file = dir.file("Kavro.ird");
};

TEST_F(TransferCommandsTest, UploadSavesAsFileSaveDoesOrRawWithTheFlag) {
    IrdImage image = demoImage();
    image[image::kSize - 1] ^= 0x5A;  // a byte a save rewrites
    const ProgramResult r = runCli({"upload", "--port", receiver(image), file});
    ASSERT_TRUE(r.exitedWith(0)) << r.err;
    EXPECT_TRUE(contains(r.out, "] 50%"));  // not a terminal: plain lines, no live line
    EXPECT_FALSE(contains(r.out, "\r"));
    EXPECT_EQ(r.err, "kavro-cli: Successful to Upload data.\n");
    RecordingMessageSink messages;
    ChannelDatabase expected;
    ASSERT_TRUE(readImage(expected, &image, messages));
    stampSaveDate(expected.settings, today());
    EXPECT_EQ(readBytes(file), makeImage(expected));

    ASSERT_TRUE(runCli({"upload", "--port", receiver(image), file, "--raw"}).exitedWith(0));
    EXPECT_EQ(readBytes(file), image);
}

TEST_F(TransferCommandsTest, FailedOrCancelledUploadWritesNothing) {
    const auto wrongVersion = [](ReceiverScript& s) { s.headerVersion = 0x8208; };
    const ProgramResult r = runCli({"upload", "--port", receiver(demoImage(), wrongVersion), file});
    EXPECT_TRUE(r.exitedWith(1));
    EXPECT_EQ(r.err,
              "kavro-cli: DATA version must be: 00008209 !!!\n"
              "kavro-cli: Failed to Upload data.\nWant réessayer another time!\n");

    // Ctrl+C while the receiver is silent tells it to stop; neither run leaves a file.
    const auto silent = [](ReceiverScript& s) { s.silent = true; };
    const ProgramResult c = runProgram(
        "/usr/bin/timeout", {"--foreground", "--preserve-status", "-s", "INT", "2", KAVRO_CLI_PATH,
                             "upload", "--port", receiver(demoImage(), silent), file});
    EXPECT_TRUE(c.exitedWith(1));
    EXPECT_TRUE(contains(c.out, "Remainder : 19 Sec.\n"));
    EXPECT_TRUE(contains(c.out, "Cancelled.\n"));
    EXPECT_FALSE(std::filesystem::exists(file));
    ASSERT_TRUE(simulator->waitForEnd(std::chrono::seconds(5)));
    EXPECT_EQ(simulator->log().codesFromPc, std::vector<std::uint8_t>{link::kEndOfTransfer});
}

TEST_F(TransferCommandsTest, DownloadSendsTheImageAndLeavesTheFile) {
    writeImageFile(file, demoImage());
    const ProgramResult r = runCli({"download", "--port", receiver(IrdImage{}), file});
    ASSERT_TRUE(r.exitedWith(0)) << r.err;
    EXPECT_EQ(r.err, "kavro-cli: Successful to Download data.\n");
    ASSERT_TRUE(simulator->waitForEnd(std::chrono::seconds(5)));
    EXPECT_EQ(simulator->receivedImage(), demoImage());
    EXPECT_EQ(readBytes(file), demoImage());
}

// On a terminal one live line shows the countdown, then the bar with percentage and rate; a
// status ends it.
TEST(CliTransferSessionTest, TerminalShowsOneLiveLineForCountdownAndBar) {
    std::ostringstream out;
    std::atomic<bool> cancel{false};
    VirtualClock clock;
    cli::CliTransferSession session(out, true, cancel, 1'000'000, clock);
    session.setProgress(0);
    session.showCountdown(0);
    session.showCountdown(0);  // same second: nothing new
    session.showCountdown(1);
    session.setStatusText({});  // the receiver answered
    session.setStatus(strings::UploadHeaderDone);
    clock.now += 1000;
    session.setProgress(50);                 // 500,000 bytes in one second
    session.setStatus(strings::UploadDone);  // completes the bar, says nothing itself
    session.finish();
    EXPECT_EQ(out.str(),
              "\rRemainder : 20 Sec."
              "\rRemainder : 19 Sec.\n"
              "Successful to Upload Header.\n"
              "\r[###############...............] 50%  500.0 kB/s"
              "\r[##############################] 100%  1000.0 kB/s\n");
}

}  // namespace
}  // namespace kavro::test
