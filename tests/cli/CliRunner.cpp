#include "CliRunner.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <memory>
#include <thread>

#include "DatabaseBuilder.h"
#include "RecordingMessageSink.h"
#include "database/ImageFile.h"
#include "editing/DemoDatabase.h"

extern char** environ;

namespace kavro::test {
namespace {

// Unnamed temporary files take stdout and stderr: unlike pipes, they never block the program.
using StreamFile = std::unique_ptr<std::FILE, int (*)(std::FILE*)>;

std::string textOf(std::FILE* file) {
    std::string s;
    std::rewind(file);
    char buffer[65536];
    for (std::size_t k; (k = std::fread(buffer, 1, sizeof buffer, file)) > 0;) s.append(buffer, k);
    return s;
}

}  // namespace

ProgramResult runProgram(const std::string& program, const std::vector<std::string>& args) {
    ProgramResult result;
    const StreamFile out(std::tmpfile(), std::fclose), err(std::tmpfile(), std::fclose);
    if (!out || !err) return result;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, fileno(out.get()), 1);
    posix_spawn_file_actions_adddup2(&actions, fileno(err.get()), 2);
    std::vector<char*> argv{const_cast<char*>(program.c_str())};
    for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) {
        result.err = "cannot start " + program + ": " + std::strerror(spawned);
        return result;
    }

    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(120);
    int status = 0;
    pid_t done = 0;
    while ((done = ::waitpid(pid, &status, WNOHANG)) == 0) {
        if (std::chrono::steady_clock::now() > deadline) {
            ::kill(pid, SIGKILL);
            result.timedOut = true;
            done = ::waitpid(pid, &status, 0);
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    if (done == pid && WIFEXITED(status)) result.exitCode = WEXITSTATUS(status);
    if (done == pid && WIFSIGNALED(status)) result.signal = WTERMSIG(status);
    result.out = textOf(out.get());
    result.err = textOf(err.get());
    return result;
}

ProgramResult runCli(const std::vector<std::string>& args) {
    return runProgram(KAVRO_CLI_PATH, args);
}

IrdImage demoImage() {
    ChannelDatabase db;
    buildDemoDatabase(db);
    return makeImage(db);
}

void writeImageFile(const std::string& path, const IrdImage& image) {
    ASSERT_TRUE(writeBytes(path, image)) << path;
}

ChannelDatabase readDatabase(const std::string& path) {
    ChannelDatabase db;
    RecordingMessageSink messages;
    EXPECT_TRUE(readFile(db, path, messages)) << path;
    return db;
}

}  // namespace kavro::test
