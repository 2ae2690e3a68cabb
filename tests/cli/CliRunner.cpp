#include "CliRunner.h"

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <thread>

extern char** environ;

namespace kavro::test {
namespace {

// An unnamed temporary file standing in for one of the program's standard streams.
struct StreamFile {
    std::FILE* file = std::tmpfile();
    ~StreamFile() {
        if (file) std::fclose(file);
    }
    std::string text() const {
        std::string s;
        std::rewind(file);
        char buffer[65536];
        for (std::size_t k; (k = std::fread(buffer, 1, sizeof buffer, file)) > 0;)
            s.append(buffer, k);
        return s;
    }
};

}  // namespace

ProgramResult runProgram(const std::string& program, const std::vector<std::string>& args,
                         const std::string& input, int hangGuardSeconds) {
    ProgramResult result;
    // Files rather than pipes: neither side can block on a full pipe.
    StreamFile in, out, err;
    if (!in.file || !out.file || !err.file) {
        result.err = std::string("tmpfile: ") + std::strerror(errno);
        return result;
    }
    std::fwrite(input.data(), 1, input.size(), in.file);
    std::fflush(in.file);
    std::rewind(in.file);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, fileno(in.file), 0);
    posix_spawn_file_actions_adddup2(&actions, fileno(out.file), 1);
    posix_spawn_file_actions_adddup2(&actions, fileno(err.file), 2);
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

    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(hangGuardSeconds);
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
    result.out = out.text();
    result.err = err.text();
    return result;
}

ProgramResult runCli(const std::vector<std::string>& args, const std::string& input) {
    return runProgram(KAVRO_CLI_PATH, args, input);
}

}  // namespace kavro::test
