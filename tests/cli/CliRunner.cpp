#include "CliRunner.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>

extern char** environ;

namespace kavro::test {
namespace {

struct Pipe {
    int fd[2] = {-1, -1};
    bool open() { return ::pipe2(fd, O_CLOEXEC) == 0; }
    void close(int end) {
        if (fd[end] >= 0) ::close(fd[end]);
        fd[end] = -1;
    }
    ~Pipe() {
        close(0);
        close(1);
    }
};

}  // namespace

ProgramResult runProgram(const std::string& program, const std::vector<std::string>& args,
                         const std::string& input, int hangGuardSeconds) {
    // A program that exits without reading all of its input must not take the tests with it.
    ::signal(SIGPIPE, SIG_IGN);
    ProgramResult result;
    Pipe in, out, err;
    if (!in.open() || !out.open() || !err.open()) {
        result.err = std::string("pipe: ") + std::strerror(errno);
        return result;
    }

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, in.fd[0], 0);
    posix_spawn_file_actions_adddup2(&actions, out.fd[1], 1);
    posix_spawn_file_actions_adddup2(&actions, err.fd[1], 2);

    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(program.c_str()));
    for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);

    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) {
        result.err = "cannot start " + program + ": " + std::strerror(spawned);
        return result;
    }
    in.close(0);
    out.close(1);
    err.close(1);

    // Feed stdin and drain both outputs together, so neither side blocks on a full pipe.
    std::size_t written = 0;
    if (input.empty())
        in.close(1);
    else
        ::fcntl(in.fd[1], F_SETFL, ::fcntl(in.fd[1], F_GETFL) | O_NONBLOCK);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(hangGuardSeconds);
    char buffer[65536];
    while (out.fd[0] >= 0 || err.fd[0] >= 0) {
        pollfd fds[3];
        nfds_t n = 0;
        if (out.fd[0] >= 0) fds[n++] = {out.fd[0], POLLIN, 0};
        if (err.fd[0] >= 0) fds[n++] = {err.fd[0], POLLIN, 0};
        if (in.fd[1] >= 0) fds[n++] = {in.fd[1], POLLOUT, 0};
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0) {
            ::kill(pid, SIGKILL);
            result.timedOut = true;
            break;
        }
        const int ready = ::poll(fds, n, static_cast<int>(left.count()));
        if (ready < 0 && errno == EINTR) continue;
        if (ready < 0) break;
        for (nfds_t i = 0; i < n; ++i) {
            if (fds[i].revents == 0) continue;
            if (fds[i].fd == in.fd[1]) {
                const ssize_t k = ::write(in.fd[1], input.data() + written, input.size() - written);
                if (k > 0) written += static_cast<std::size_t>(k);
                if ((k < 0 && errno != EAGAIN && errno != EINTR) || written == input.size())
                    in.close(1);
                continue;
            }
            const ssize_t k = ::read(fds[i].fd, buffer, sizeof buffer);
            const bool isOut = fds[i].fd == out.fd[0];
            if (k > 0) {
                (isOut ? result.out : result.err).append(buffer, static_cast<std::size_t>(k));
            } else if (k == 0 || errno != EINTR) {
                (isOut ? out : err).close(0);
            }
        }
    }
    in.close(1);

    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    if (WIFEXITED(status)) result.exitCode = WEXITSTATUS(status);
    if (WIFSIGNALED(status)) result.signal = WTERMSIG(status);
    return result;
}

ProgramResult runCli(const std::vector<std::string>& args, const std::string& input) {
    return runProgram(KAVRO_CLI_PATH, args, input);
}

}  // namespace kavro::test
