#pragma once

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>

#include "ReceiverModel.h"
#include "ReceiverScript.h"

namespace kavro::test {

// A simulated receiver on the master side of a pseudo-terminal pair, running on its own
// thread. The program under test opens `devicePath()` as its serial port. With a `lineBaud`
// the bytes cross as over a serial line of that speed (ten bits a byte, one byte at a time, in
// both directions); without, as fast as the pseudo-terminal takes them.
class ReceiverSimulator {
public:
    explicit ReceiverSimulator(ReceiverScript script, std::uint32_t lineBaud = 0);
    ~ReceiverSimulator();
    ReceiverSimulator(const ReceiverSimulator&) = delete;
    ReceiverSimulator& operator=(const ReceiverSimulator&) = delete;

    // False when no pseudo-terminal could be made (the reason is in `error()`).
    bool start();
    const std::string& devicePath() const { return devicePath_; }
    const std::string& error() const { return error_; }

    // Waits until the model has ended (completed, abandoned or hung) or `timeout` passed.
    bool waitForEnd(std::chrono::milliseconds timeout);
    // Stops the thread; the model's log is stable afterwards.
    void stop();

    // Safe after stop(), or while the thread runs (a snapshot under the lock).
    ReceiverLog log() const;
    IrdImage receivedImage() const;

private:
    void run();

    ReceiverModel model_;
    std::uint32_t lineBaud_;
    int master_ = -1;
    int slave_ = -1;
    std::string devicePath_;
    std::string error_;
    std::thread thread_;
    mutable std::mutex mutex_;
    std::condition_variable ended_;
    bool stopping_ = false;
};

}  // namespace kavro::test
