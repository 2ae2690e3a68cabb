#include "ReceiverSimulator.h"

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <sys/prctl.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <deque>
#include <vector>

namespace kavro::test {

ReceiverSimulator::ReceiverSimulator(ReceiverScript script, std::uint32_t lineBaud)
    : model_(std::move(script)), lineBaud_(lineBaud) {}

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

namespace {

using Nanoseconds = std::chrono::nanoseconds;

// One direction of a paced line: a byte may start once the one before it is through. Bytes
// that fall due while the thread was late go out together, as from a UART's buffer, so the
// line keeps its speed however the thread is scheduled.
struct PacedLine {
    Nanoseconds byteTime{0};
    Nanoseconds nextStart{0};

    // Bytes are waiting again after the line was idle: the first may start at once.
    void wake(Nanoseconds now) { nextStart = std::max(nextStart, now); }
    // How many bytes may go at `now`.
    std::size_t due(Nanoseconds now) const {
        return now < nextStart ? 0 : static_cast<std::size_t>((now - nextStart) / byteTime) + 1;
    }
    void sent(std::size_t bytes) { nextStart += byteTime * static_cast<long long>(bytes); }
};

}  // namespace

void ReceiverSimulator::run() {
    using namespace std::chrono;
    const auto t0 = steady_clock::now();
    auto now = [&] { return duration_cast<Nanoseconds>(steady_clock::now() - t0); };
    auto nowMs = [&] {
        return static_cast<std::uint64_t>(duration_cast<milliseconds>(now()).count());
    };
    const bool paced = lineBaud_ > 0;
    PacedLine out, in;
    out.byteTime = in.byteTime = Nanoseconds(paced ? 10'000'000'000LL / lineBaud_ : 0);
    // Byte times are below 100 us; the default timer slack would blur them.
    if (paced) ::prctl(PR_SET_TIMERSLACK, 1UL, 0UL, 0UL, 0UL);

    std::vector<std::uint8_t> pending;  // for the PC
    std::deque<std::uint8_t> arriving;  // from the PC, not yet through the line
    std::uint8_t buffer[4096];

    auto collect = [&] {
        auto& output = model_.output();
        if (pending.empty() && !output.empty()) out.wake(now());
        pending.insert(pending.end(), output.begin(), output.end());
        output.clear();
        if (model_.ended()) ended_.notify_all();
    };
    auto deliver = [&](std::size_t count) {
        const std::uint64_t t = nowMs();
        for (std::size_t i = 0; i < count; ++i) model_.receive(arriving[i], t);
        arriving.erase(arriving.begin(), arriving.begin() + static_cast<std::ptrdiff_t>(count));
        in.sent(count);
    };

    for (;;) {
        {
            std::lock_guard lock(mutex_);
            if (stopping_) return;
            model_.advance(nowMs());
            if (!arriving.empty()) deliver(std::min(arriving.size(), in.due(now())));
            collect();
        }
        // Wake for the next byte due on a paced line, else for bytes or every 5 ms.
        Nanoseconds wait = milliseconds(5);
        const Nanoseconds t = now();
        if (paced && !pending.empty())
            wait = std::min(wait, std::max(Nanoseconds(0), out.nextStart - t));
        if (paced && !arriving.empty())
            wait = std::min(wait, std::max(Nanoseconds(0), in.nextStart - t));
        const bool mayWrite = !pending.empty() && (!paced || out.due(t) > 0);
        pollfd pfd{master_, static_cast<short>(POLLIN | (mayWrite ? POLLOUT : 0)), 0};
        const timespec timeout{0, static_cast<long>(wait.count())};
        const int ready = ::ppoll(&pfd, 1, &timeout, nullptr);
        if (ready <= 0) continue;
        if (pfd.revents & POLLIN) {
            const ssize_t n = ::read(master_, buffer, sizeof buffer);
            if (n > 0 && paced) {
                if (arriving.empty()) in.wake(now());
                arriving.insert(arriving.end(), buffer, buffer + n);
            } else if (n > 0) {
                std::lock_guard lock(mutex_);
                const std::uint64_t ms = nowMs();
                for (ssize_t i = 0; i < n; ++i) model_.receive(buffer[i], ms);
                collect();
            }
        }
        if ((pfd.revents & POLLOUT) && !pending.empty()) {
            const std::size_t count =
                paced ? std::min(pending.size(), out.due(now())) : pending.size();
            const ssize_t n = count > 0 ? ::write(master_, pending.data(), count) : 0;
            if (n > 0) {
                pending.erase(pending.begin(), pending.begin() + n);
                if (paced) out.sent(static_cast<std::size_t>(n));
            }
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
