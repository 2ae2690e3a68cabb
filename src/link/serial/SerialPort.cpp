#include "link/serial/SerialPort.h"

#include <QSerialPort>
#include <QString>
#include <algorithm>
#include <chrono>
#include <thread>

#include "link/serial/SerialPortNames.h"
#include "messages/StringIds.h"

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
        messages_.showMessage(strings::CannotOpenPort, portName_);
        return false;
    }
    port_ = std::move(port);
    state_ = State::Open;
    configure();
    return true;
}

void SerialPort::close() {
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
    if (!ensureOpen()) return 0;
    if (port_->bytesAvailable() == 0) {
        const auto start = Clock::now();
        if (!port_->waitForReadyRead(kReadTimeoutMs)) {
            // An error (a device unplugged) returns at once; keep the read's usual length so a
            // broken line cannot turn a wait into a busy loop.
            const int left = kReadTimeoutMs - elapsedMs(start);
            if (left > 0) std::this_thread::sleep_for(std::chrono::milliseconds(left));
            port_->clearError();
        }
        if (port_->bytesAvailable() == 0) return 0;
    }
    char c = 0;
    if (port_->read(&c, 1) != 1) return 0;
    byte = static_cast<std::uint8_t>(c);
    return 1;
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
