#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <thread>

#include "CliRunner.h"
#include "CliTestFiles.h"
#include "DatabaseBuilder.h"
#include "ReceiverSimulator.h"
#include "RecordingMessageSink.h"
#include "TemporaryDirectory.h"
#include "database/ImageFile.h"
#include "database/ImageReader.h"
#include "link/LinkFormat.h"

extern char** environ;

namespace kavro::test {
namespace {

using namespace std::chrono_literals;

const std::string kUploadFailed = "Failed to Upload data.\nWant réessayer another time!";

struct Started {
    ReceiverSimulator simulator;
    explicit Started(ReceiverScript script) : simulator(std::move(script)) {
        EXPECT_TRUE(simulator.start()) << simulator.error();
    }
    const std::string& port() const { return simulator.devicePath(); }
};

ReceiverScript sending(IrdImage image) {
    ReceiverScript s;
    s.role = ReceiverScript::Role::Sender;
    s.image = std::move(image);
    return s;
}

ReceiverScript receiving() {
    ReceiverScript s;
    s.role = ReceiverScript::Role::Receiver;
    return s;
}

// Runs kavro-cli, sends it Ctrl+C once its stdout shows `trigger`, and returns its exit
// status with everything it printed.
struct Interrupted {
    int exitCode = -1;
    std::string out;
    std::string err;
};

Interrupted runAndInterrupt(const std::vector<std::string>& args, const std::string& trigger) {
    Interrupted result;
    int out[2], err[2];
    if (::pipe2(out, O_CLOEXEC) != 0 || ::pipe2(err, O_CLOEXEC) != 0) return result;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], 1);
    posix_spawn_file_actions_adddup2(&actions, err[1], 2);
    std::vector<char*> argv = {const_cast<char*>(KAVRO_CLI_PATH)};
    for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, KAVRO_CLI_PATH, &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(out[1]);
    ::close(err[1]);
    if (spawned != 0) return result;

    bool sent = false;
    const auto deadline = std::chrono::steady_clock::now() + 60s;
    int open = 2;
    while (open > 0 && std::chrono::steady_clock::now() < deadline) {
        pollfd fds[2] = {{out[0], POLLIN, 0}, {err[0], POLLIN, 0}};
        if (::poll(fds, 2, 100) <= 0) continue;
        for (int i = 0; i < 2; ++i) {
            if (fds[i].revents == 0 || fds[i].fd < 0) continue;
            char buffer[4096];
            const ssize_t n = ::read(fds[i].fd, buffer, sizeof buffer);
            if (n <= 0) {
                ::close(i == 0 ? out[0] : err[0]);
                (i == 0 ? out[0] : err[0]) = -1;
                --open;
                continue;
            }
            (i == 0 ? result.out : result.err).append(buffer, static_cast<std::size_t>(n));
        }
        if (!sent && result.out.find(trigger) != std::string::npos) {
            ::kill(pid, SIGINT);
            sent = true;
        }
    }
    if (open > 0) ::kill(pid, SIGKILL);
    int status = 0;
    ::waitpid(pid, &status, 0);
    if (WIFEXITED(status)) result.exitCode = WEXITSTATUS(status);
    if (out[0] >= 0) ::close(out[0]);
    if (err[0] >= 0) ::close(err[0]);
    return result;
}

TEST(TransferCommandsTest, UploadSavesAsFileSaveDoes) {
    TemporaryDirectory dir;
    const IrdImage image = demoImage();
    Started receiver(sending(image));
    const std::string out = dir.file("Up.ird");

    const ProgramResult r = runCli({"upload", "--port", receiver.port(), out});
    ASSERT_TRUE(r.exitedWith(0)) << r.err;
    // Not a terminal: plain lines, the header status, progress by tenths, the closing text.
    EXPECT_TRUE(contains(r.out, "Successful to Upload Header.\n"));
    EXPECT_TRUE(contains(r.out, "] 50%"));
    EXPECT_TRUE(contains(r.out, "] 100%"));
    EXPECT_EQ(r.out.find('\r'), std::string::npos);
    EXPECT_EQ(r.err, "kavro-cli: Successful to Upload data.\n");
    EXPECT_TRUE(receiver.simulator.waitForEnd(5s));
    EXPECT_TRUE(receiver.simulator.log().completed);

    // The file is what File > Save writes for the received database today.
    RecordingMessageSink messages;
    ChannelDatabase expected;
    ASSERT_TRUE(readImage(expected, &image, messages));
    stampSaveDate(expected, today());
    EXPECT_EQ(readBytes(out), makeImage(expected));
}

TEST(TransferCommandsTest, RawUploadKeepsTheBytesAsReceived) {
    TemporaryDirectory dir;
    IrdImage image = demoImage();
    image[image::kSize - 1] ^= 0x5A;  // bytes a save would rewrite
    Started receiver(sending(image));
    const std::string out = dir.file("Raw.ird");
    const ProgramResult r = runCli({"upload", "--port", receiver.port(), out, "--raw"});
    ASSERT_TRUE(r.exitedWith(0)) << r.err;
    EXPECT_EQ(readBytes(out), image);
}

TEST(TransferCommandsTest, FailedUploadWritesNothing) {
    TemporaryDirectory dir;
    ReceiverScript script = sending(demoImage());
    script.headerVersion = 0x8208;
    Started receiver(script);
    const std::string out = dir.file("Up.ird");
    const ProgramResult r = runCli({"upload", "--port", receiver.port(), out});
    EXPECT_TRUE(r.exitedWith(1));
    EXPECT_EQ(r.err,
              "kavro-cli: DATA version must be: 00008209 !!!\nkavro-cli: " + kUploadFailed + "\n");
    EXPECT_FALSE(std::filesystem::exists(out));
    EXPECT_TRUE(receiver.simulator.waitForEnd(5s));
    EXPECT_TRUE(receiver.simulator.log().abandoned);
}

TEST(TransferCommandsTest, DownloadSendsTheSavedImageAndLeavesTheFile) {
    TemporaryDirectory dir;
    const std::string in = dir.file("In.ird");
    IrdImage file = demoImage();
    file.resize(image::kSize + 100, 0x77);  // longer files open; only the image is sent
    writeImageFile(in, file);
    ReceiverScript script = receiving();
    script.extraPackets = 1;
    Started receiver(script);

    const ProgramResult r = runCli({"download", "--port", receiver.port(), in});
    ASSERT_TRUE(r.exitedWith(0)) << r.err;
    EXPECT_TRUE(contains(r.out, "Successful to Download Header.\n"));
    EXPECT_TRUE(contains(r.out, "] 100%"));
    EXPECT_EQ(r.err, "kavro-cli: Successful to Download data.\n");
    ASSERT_TRUE(receiver.simulator.waitForEnd(5s));
    EXPECT_EQ(receiver.simulator.log().packetsReceived, 643);
    EXPECT_EQ(receiver.simulator.receivedImage(), demoImage());
    EXPECT_EQ(readBytes(in), file);
}

TEST(TransferCommandsTest, DownloadOfABadFileNeverCallsTheReceiver) {
    TemporaryDirectory dir;
    const std::string in = dir.file("Short.ird");
    writeImageFile(in, IrdImage(1000, 0));
    Started receiver(receiving());
    const ProgramResult r = runCli({"download", "--port", receiver.port(), in});
    EXPECT_TRUE(r.exitedWith(1));
    EXPECT_TRUE(contains(r.err, "cannot be identified as a supported type"));
    std::this_thread::sleep_for(200ms);
    EXPECT_TRUE(receiver.simulator.log().codesFromPc.empty());
}

TEST(TransferCommandsTest, MissingPortOrDeviceIsReported) {
    TemporaryDirectory dir;
    const ProgramResult usage = runCli({"upload", dir.file("x.ird")});
    EXPECT_TRUE(usage.exitedWith(2));
    EXPECT_TRUE(contains(usage.err, "--port"));

    const ProgramResult missing =
        runCli({"upload", "--port", "/nonexistent/ttyKAVRO", dir.file("x.ird")});
    EXPECT_TRUE(missing.exitedWith(1));
    EXPECT_EQ(missing.err, "kavro-cli: Cannot open the port '/nonexistent/ttyKAVRO'.\n");
    EXPECT_FALSE(std::filesystem::exists(dir.file("x.ird")));

    const ProgramResult folder = runCli({"upload", "--port", "COM1", dir.path().string()});
    EXPECT_TRUE(folder.exitedWith(1));
    EXPECT_TRUE(contains(folder.err, "is a folder"));
}

TEST(TransferCommandsTest, CtrlCCancelsTheCallAndTellsTheReceiver) {
    TemporaryDirectory dir;
    ReceiverScript script = sending(demoImage());
    script.silent = true;
    Started receiver(script);
    const std::string out = dir.file("Up.ird");
    const Interrupted r =
        runAndInterrupt({"upload", "--port", receiver.port(), out}, "Remainder : 19 Sec.");
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(contains(r.out, "Cancelled."));
    EXPECT_FALSE(contains(r.out, "Remainder : 15 Sec."));
    EXPECT_EQ(r.err, "kavro-cli: " + kUploadFailed + "\n");
    EXPECT_FALSE(std::filesystem::exists(out));
    std::this_thread::sleep_for(100ms);
    const auto codes = receiver.simulator.log().codesFromPc;
    EXPECT_EQ(codes, std::vector<std::uint8_t>{link::kEndOfTransfer});
}

}  // namespace
}  // namespace kavro::test
