#include "link/serial/SerialPort.h"

#include <QSerialPort>
#include <QString>
#include <algorithm>
#include <chrono>
#include <thread>

#if defined(__unix__) || defined(__APPLE__)
#include <poll.h>
#include <unistd.h>

#include <cerrno>
#define KAVRO_POSIX_SERIAL 1
#endif

#include "link/serial/SerialPortNames.h"
#include "messages/StringIds.h"
#include "messages/StringTable.h"

namespace kavro {
namespace {

using Clock = std::chrono::steady_clock;

int elapsedMs(Clock::time_point since) {
    return static_cast<int>(
        std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - since).count());
}

}  // namespace

bool SerialPort::isSupportedBaudRate(std::uint32_t rate) {
    return std::find(kSupportedBaudRates.begin(), kSupportedBaudRates.end(), rate) !=
           kSupportedBaudRates.end();
}

SerialPort::SerialPort(MessageSink& messages, std::string portName, std::uint32_t baudRate)
    : messages_(messages), portName_(std::move(portName)), baudRate_(baudRate) {}

SerialPort::~SerialPort() {
    close();
}

bool SerialPort::open() {
    close();
    state_ = State::NeverOpened;
    if (portName_.empty() || !isSupportedBaudRate(baudRate_)) return false;

    auto port = std::make_unique<QSerialPort>();
    port->setPortName(QString::fromStdString(serialDevicePath(portName_)));
    if (!port->open(QIODevice::ReadWrite)) {
        messages_.showMessage(strings::CannotOpenPort,
                              withReason(portName_, port->errorString().toStdString()));
        return false;
    }
    port_ = std::move(port);
    state_ = State::Open;
    buffered_ = next_ = blockLeft_ = 0;
    configure();
    return true;
}

void SerialPort::close() {
    buffered_ = next_ = blockLeft_ = 0;
    if (port_) {
        port_->close();
        port_.reset();
    }
    if (state_ == State::Open) state_ = State::Closed;
}

bool SerialPort::configure() {
    if (!port_ || state_ != State::Open || !isSupportedBaudRate(baudRate_)) return false;
    // QSerialPort opens the device in raw mode (no echo, no line editing, no character
    // translation). Flow control is set explicitly: whatever the driver had before, a binary
    // line with XON/XOFF or RTS/CTS would swallow data bytes or stall.
    port_->setBaudRate(static_cast<qint32>(baudRate_));
    port_->setDataBits(QSerialPort::Data8);
    port_->setParity(QSerialPort::NoParity);
    port_->setStopBits(QSerialPort::OneStop);
    port_->setFlowControl(QSerialPort::NoFlowControl);
    // A driver that refuses one of the settings still leaves a usable port; the protocols
    // notice a line that does not work.
    port_->clearError();
    return true;
}

bool SerialPort::ensureOpen() {
    if (state_ == State::NeverOpened) open();
    return state_ == State::Open;
}

int SerialPort::readByte(std::uint8_t& byte) {
    if (next_ == buffered_ && (!ensureOpen() || !fill())) {
        blockLeft_ = 0;  // a read that finds nothing ends a block
        return 0;
    }
    byte = buffer_[next_++];
    if (blockLeft_ > 0) {
        --blockLeft_;
        blockStarted_ = true;
    }
    return 1;
}

bool SerialPort::fill() {
    const auto start = Clock::now();
    next_ = buffered_ = 0;
    // What QSerialPort took in itself (a write waits with it and reads what arrives) first.
    if (port_->bytesAvailable() > 0)
        return take(port_->read(reinterpret_cast<char*>(buffer_.data()),
                                static_cast<qint64>(buffer_.size())));
#ifdef KAVRO_POSIX_SERIAL
    // Straight from the descriptor (non-blocking, as QSerialPort opens it): one read call for
    // whatever is there. A raw tty read that finds nothing gives 0.
    const int fd = static_cast<int>(port_->handle());
    bool slept = false, polled = false;
    for (;;) {
        const ssize_t n = ::read(fd, buffer_.data(), buffer_.size());
        if (n > 0) return take(n);
        if (n < 0 && errno == EINTR) continue;
        // Nothing although the poll said there was, or a failed read: the device is gone (an
        // adapter unplugged). Keep the read's usual length so a broken line cannot turn a wait
        // into a busy loop.
        if (polled || (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK)) {
            const int left = kReadTimeoutMs - elapsedMs(start);
            if (left > 0) std::this_thread::sleep_for(std::chrono::milliseconds(left));
            return false;
        }
        // Once a block streams in, the rest cannot come faster than the line carries it: sleep
        // that long rather than wake for every byte (at 115200 baud a wake-up costs far more
        // than a byte). Its first byte is awaited as any other: the other end may be quick.
        if (blockStarted_ && blockLeft_ > 0 && !slept) {
            std::this_thread::sleep_for(std::chrono::microseconds(blockMicroseconds()));
            slept = true;
            continue;
        }
        pollfd pfd{fd, POLLIN, 0};
        int ready = 0;
        do {
            ready = ::poll(&pfd, 1, std::max(0, kReadTimeoutMs - elapsedMs(start)));
        } while (ready < 0 && errno == EINTR);
        if (ready <= 0) return false;
        polled = true;
    }
#else
    const int left = std::max(0, kReadTimeoutMs - elapsedMs(start));
    if (!port_->waitForReadyRead(left)) {
        const int rest = kReadTimeoutMs - elapsedMs(start);
        if (port_->error() != QSerialPort::TimeoutError && rest > 0)
            std::this_thread::sleep_for(std::chrono::milliseconds(rest));
        port_->clearError();
    }
    return take(
        port_->read(reinterpret_cast<char*>(buffer_.data()), static_cast<qint64>(buffer_.size())));
#endif
}

bool SerialPort::take(long long count) {
    if (count <= 0) {
        port_->clearError();
        return false;
    }
    buffered_ = static_cast<std::size_t>(count);
    return true;
}

long long SerialPort::blockMicroseconds() const {
    // Ten bits a byte on the line; leave a read enough of its 110 ms to look once more.
    const long long us = 10LL * static_cast<long long>(blockLeft_) * 1'000'000 /
                         std::max<std::uint32_t>(baudRate_, 1);
    return std::min(us, (kReadTimeoutMs - 10) * 1'000LL);
}

bool SerialPort::writeByte(std::uint8_t byte) {
    const char c = static_cast<char>(byte);
    return writeAll(&c, 1);
}

bool SerialPort::writeBlock(const std::uint8_t* data, std::size_t length) {
    if (data == nullptr || length == 0) return false;
    return writeAll(reinterpret_cast<const char*>(data), length);
}

bool SerialPort::writeAll(const char* data, std::size_t length) {
    if (!ensureOpen()) return false;
    blockLeft_ = 0;
    const auto start = Clock::now();
    const auto total = static_cast<qint64>(length);
    if (port_->write(data, total) != total) {
        port_->clear(QSerialPort::Output);
        port_->clearError();
        return false;
    }
    const long long budget = static_cast<long long>(length) * kWritePerByteMs + kWriteConstantMs;
    while (port_->bytesToWrite() > 0) {
        const long long left = budget - elapsedMs(start);
        if (left <= 0 || !port_->waitForBytesWritten(static_cast<int>(left))) break;
    }
    if (port_->bytesToWrite() > 0) {
        // Drop the rest (ours and whatever the driver still holds) so nothing of a failed write
        // slips out behind a later one. The protocols abandon the transfer after it anyway.
        port_->clear(QSerialPort::Output);
        port_->clearError();
        return false;
    }
    return true;
}

}  // namespace kavro
