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
#include "database/ByteOrder.h"
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

    // Runs kavro-cli and says how long it took.
    ProgramResult timedRun(const std::vector<std::string>& args, double& seconds) {
        const auto start = std::chrono::steady_clock::now();
        ProgramResult r = runCli(args);
        seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        return r;
    }

    // A database file to send.
    std::string demoFile() {
        const std::string path = dir.file("Demo.ird");
        if (!std::filesystem::exists(path)) writeImageFile(path, demoImage());
        return path;
    }

    std::unique_ptr<ReceiverSimulator> simulator;
    TemporaryDirectory dir;
    const std::string file = dir.file("Kavro.ird");
    const std::string failed = "kavro-cli: Failed to Upload data.\nWant réessayer another time!\n";
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
    EXPECT_EQ(r.err, "kavro-cli: DATA version must be: 00008209 !!!\n" + failed);

    // Ctrl+C while the receiver is silent tells it to stop; neither run leaves a file.
    const auto silent = [](ReceiverScript& s) { s.silent = true; };
    const ProgramResult c = runProgram(
        "/usr/bin/timeout", {"--foreground", "--preserve-status", "-s", "INT", "2", KAVRO_CLI_PATH,
                             "upload", "--port", receiver(demoImage(), silent), file});
    EXPECT_TRUE(c.exitedWith(1));
    EXPECT_TRUE(contains(c.out, "Remainder : 19 Sec.\n"));
    EXPECT_EQ(c.err, "kavro-cli: The transfer was cancelled.\n" + failed);
    EXPECT_FALSE(std::filesystem::exists(file));
    ASSERT_TRUE(simulator->waitForEnd(std::chrono::seconds(5)));
    EXPECT_EQ(simulator->log().codesFromPc, std::vector<std::uint8_t>{link::kEndOfTransfer});
}

// A receiver that stops after packet 100 ends either transfer after --timeout seconds, with the
// failure ending (an upload tells the receiver to stop); nothing is written. The time-outs
// are a few seconds so that a busy test machine pausing the simulator does not trip them first.
TEST_F(TransferCommandsTest, SilentReceiverEndsTheTransferAfterTheTimeout) {
    const auto hang = [](ReceiverScript& s) { s.hangAfterPacket = 100; };
    const IrdImage old(1000, 0x42);
    writeImageFile(file, old);
    double seconds = 0;
    const ProgramResult up = timedRun(
        {"upload", "--port", receiver(demoImage(), hang), file, "--timeout", "2"}, seconds);
    EXPECT_TRUE(up.exitedWith(1));
    EXPECT_EQ(up.err,
              "kavro-cli: The receiver stopped answering: nothing arrived for 2 s.\n" + failed);
    EXPECT_GE(seconds, 2.0);
    EXPECT_LT(seconds, 15.0);
    EXPECT_EQ(readBytes(file), old);
    ASSERT_TRUE(simulator->waitForEnd(std::chrono::seconds(5)));
    EXPECT_EQ(simulator->log().codesFromPc.back(), link::kEndOfTransfer);

    const ProgramResult down = timedRun(
        {"download", "--port", receiver(IrdImage{}, hang), demoFile(), "--timeout=3"}, seconds);
    EXPECT_TRUE(down.exitedWith(1));
    EXPECT_EQ(down.err,
              "kavro-cli: The receiver stopped answering: nothing arrived for 3 s.\n"
              "kavro-cli: Failed to Download data.\nWant réessayer another time!\n");
    EXPECT_GE(seconds, 3.0);
    EXPECT_LT(seconds, 15.0);
    EXPECT_EQ(simulator->log().packetsReceived, 100);
}

// An image shorter than the opener accepts is refused after its header; --raw writes exactly
// what arrived and says how much that was.
TEST_F(TransferCommandsTest, UploadRefusesAShortImageAndRawNeverClaimsMoreThanArrived) {
    const IrdImage old(1000, 0x42);
    writeImageFile(file, old);
    for (std::uint32_t length : {200000u, 100u, 64u}) {
        const auto announce = [](ReceiverScript& s) { s.headerDataLength = s.image.size() - 64; };
        IrdImage image = demoImage();
        image.resize(length);
        for (const char* raw : {"--raw", "--timeout=30"}) {
            const ProgramResult r =
                runCli({"upload", "--port", receiver(image, announce), file, raw});
            EXPECT_TRUE(r.exitedWith(1)) << length << raw;
            EXPECT_EQ(r.err, "kavro-cli: The receiver announced an image of " +
                                 std::to_string(length) +
                                 " bytes, too short for a receiver database.\n"
                                 "Nothing was received.\n" +
                                 failed);
            EXPECT_EQ(readBytes(file), old);
            EXPECT_EQ(simulator->log().packetsSent, 0);
        }
    }

    IrdImage shortest = demoImage();
    shortest.resize(image::kMinFileSize);
    const auto announce = [](ReceiverScript& s) { s.headerDataLength = s.image.size() - 64; };
    const ProgramResult r =
        runCli({"upload", "--port", receiver(shortest, announce), file, "--raw"});
    ASSERT_TRUE(r.exitedWith(0)) << r.err;
    EXPECT_EQ(r.out.substr(r.out.rfind("Wrote")),
              "Wrote the received image to " + file + " (589,888 bytes, as received)\n");
    writeU32(&shortest[link::kDataLengthOffset], image::kMinFileSize - 64);  // as announced
    EXPECT_EQ(readBytes(file), shortest);
}

TEST_F(TransferCommandsTest, DownloadSendsTheImageAndLeavesTheFile) {
    writeImageFile(file, demoImage());
    const ProgramResult r = runCli({"download", "--port", receiver(IrdImage{}), file});
    ASSERT_TRUE(r.exitedWith(0)) << r.err;
    EXPECT_EQ(r.err, "kavro-cli: Successful to Download data.\n");
    ASSERT_TRUE(simulator->waitForEnd(std::chrono::seconds(5)));
    EXPECT_EQ(simulator->receivedImage(), demoImage());
    EXPECT_EQ(readBytes(file), demoImage());

    // The receiver may stop early; the command then says how much it took.
    const auto early = [](ReceiverScript& s) { s.endAfterPacket = 2; };
    const ProgramResult e = runCli({"download", "--port", receiver(IrdImage{}, early), file});
    ASSERT_TRUE(e.exitedWith(0)) << e.err;
    EXPECT_EQ(e.err,
              "kavro-cli: Successful to Download data.\n"
              "kavro-cli: The receiver ended the transfer after 2,106 of 655,424 bytes.\n");
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
