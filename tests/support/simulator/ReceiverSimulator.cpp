#include "ReceiverSimulator.h"

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <vector>

namespace kavro::test {

ReceiverSimulator::ReceiverSimulator(ReceiverScript script) : model_(std::move(script)) {}

ReceiverSimulator::~ReceiverSimulator() {
    stop();
    if (master_ >= 0) ::close(master_);
    if (slave_ >= 0) ::close(slave_);
}

bool ReceiverSimulator::start() {
    // Raw from the start: no echo, no line editing, no character translation, so every byte
    // crosses unchanged even before the program under test configures its side.
    termios raw{};
    ::cfmakeraw(&raw);
    ::cfsetispeed(&raw, B115200);
    ::cfsetospeed(&raw, B115200);
    char name[256] = {};
    if (::openpty(&master_, &slave_, name, &raw, nullptr) != 0) {
        error_ = std::string("cannot create a pseudo-terminal: ") + std::strerror(errno);
        return false;
    }
    // The slave stays open here too, so the line survives the program closing and reopening it.
    ::fcntl(master_, F_SETFL, ::fcntl(master_, F_GETFL) | O_NONBLOCK);
    ::fcntl(master_, F_SETFD, FD_CLOEXEC);
    ::fcntl(slave_, F_SETFD, FD_CLOEXEC);
    devicePath_ = name;
    thread_ = std::thread([this] { run(); });
    return true;
}

void ReceiverSimulator::run() {
    using namespace std::chrono;
    const auto t0 = steady_clock::now();
    auto now = [&] {
        return static_cast<std::uint64_t>(
            duration_cast<milliseconds>(steady_clock::now() - t0).count());
    };
    std::vector<std::uint8_t> pending;
    std::uint8_t buffer[4096];

    auto collect = [&] {
        auto& out = model_.output();
        pending.insert(pending.end(), out.begin(), out.end());
        out.clear();
        if (model_.ended()) ended_.notify_all();
    };

    for (;;) {
        {
            std::lock_guard lock(mutex_);
            if (stopping_) return;
            model_.advance(now());
            collect();
        }
        pollfd pfd{master_, static_cast<short>(POLLIN | (pending.empty() ? 0 : POLLOUT)), 0};
        const int ready = ::poll(&pfd, 1, 5);
        if (ready <= 0) continue;
        if (pfd.revents & POLLIN) {
            const ssize_t n = ::read(master_, buffer, sizeof buffer);
            if (n > 0) {
                std::lock_guard lock(mutex_);
                const std::uint64_t t = now();
                for (ssize_t i = 0; i < n; ++i) model_.receive(buffer[i], t);
                collect();
            }
        }
        if ((pfd.revents & POLLOUT) && !pending.empty()) {
            const ssize_t n = ::write(master_, pending.data(), pending.size());
            if (n > 0) pending.erase(pending.begin(), pending.begin() + n);
        }
        if ((pfd.revents & (POLLHUP | POLLERR)) && !(pfd.revents & POLLIN))
            std::this_thread::sleep_for(milliseconds(5));
    }
}

bool ReceiverSimulator::waitForEnd(std::chrono::milliseconds timeout) {
    std::unique_lock lock(mutex_);
    return ended_.wait_for(lock, timeout, [this] { return model_.ended(); });
}

void ReceiverSimulator::stop() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    if (thread_.joinable()) thread_.join();
}

ReceiverLog ReceiverSimulator::log() const {
    std::lock_guard lock(mutex_);
    return model_.log();
}

IrdImage ReceiverSimulator::receivedImage() const {
    std::lock_guard lock(mutex_);
    return model_.receivedImage();
}

}  // namespace kavro::test
