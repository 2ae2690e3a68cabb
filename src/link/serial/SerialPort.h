#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "link/BytePort.h"
#include "messages/MessageSink.h"

class QSerialPort;

namespace kavro {

// The serial line to the receiver: 8 data bits, no parity, one stop bit, raw binary (no flow
// control, no character translation), one-byte reads that give up after about 110 ms and
// writes that complete or fail. One object per transfer attempt; it never stays open between
// attempts.
//
// Built on QSerialPort through its blocking wait functions, so no event loop is needed. Qt
// still creates socket notifiers when the port opens, which warn unless a QCoreApplication
// (or QApplication) exists: create one before the first open.
class SerialPort : public BytePort {
public:
    static constexpr std::uint32_t kDefaultBaudRate = 115200;
    static constexpr std::array<std::uint32_t, 12> kSupportedBaudRates = {
        1200, 2400, 4800, 9600, 14400, 19200, 38400, 56000, 57600, 115200, 128000, 256000};
    static bool isSupportedBaudRate(std::uint32_t rate);

    // `portName` is "COM1".."COM4" or a device path (serialDevicePath maps it). Messages about
    // the port (it cannot be opened) go to `messages`.
    SerialPort(MessageSink& messages, std::string portName,
               std::uint32_t baudRate = kDefaultBaudRate);
    ~SerialPort() override;
    SerialPort(const SerialPort&) = delete;
    SerialPort& operator=(const SerialPort&) = delete;

    // Closes what is open, then opens and configures. An empty name or an unsupported rate
    // fails silently; a device that cannot be opened shows "Cannot open the port '%s'.".
    bool open() override;
    void close() override;
    bool isOpen() const override { return state_ == State::Open; }
    // Applies the line settings to the open port; false without an open port or with an
    // unsupported rate.
    bool configure();

    // Open the port first when it was never opened; after close they do nothing. A read
    // takes whatever has arrived into a buffer in one call and serves single bytes from it;
    // it still gives up after about 110 ms when nothing comes.
    int readByte(std::uint8_t& byte) override;
    bool writeByte(std::uint8_t byte) override;
    bool writeBlock(const std::uint8_t* data, std::size_t length) override;
    // Once a block has begun to arrive, a read that finds nothing sleeps for the line time of
    // the bytes still to come (within its usual 110 ms) instead of waking for each byte.
    void expectBlock(std::size_t count) override {
        blockLeft_ = count;
        blockStarted_ = false;
    }

    const std::string& portName() const { return portName_; }
    std::uint32_t baudRate() const { return baudRate_; }

    // How long a one-byte read waits when the line is silent; a write of n bytes may take
    // n * kWritePerByteMs + kWriteConstantMs before it counts as failed.
    static constexpr int kReadTimeoutMs = 110;
    static constexpr int kWritePerByteMs = 10;
    static constexpr int kWriteConstantMs = 100;

private:
    enum class State { NeverOpened, Open, Closed };

    bool ensureOpen();
    bool writeAll(const char* data, std::size_t length);
    // Waits (at most one read time-out) for bytes and takes all that arrived into the buffer.
    bool fill();
    // Takes `count` bytes just read into the buffer as the ones to serve.
    bool take(long long count);
    // How long the rest of the expected block takes on the line, at most most of a read.
    long long blockMicroseconds() const;

    MessageSink& messages_;
    std::string portName_;
    std::uint32_t baudRate_;
    std::unique_ptr<QSerialPort> port_;
    State state_ = State::NeverOpened;

    std::array<std::uint8_t, 4096> buffer_{};
    std::size_t buffered_ = 0;   // bytes in buffer_
    std::size_t next_ = 0;       // the next one to serve
    std::size_t blockLeft_ = 0;  // bytes of the expected block not yet served
    bool blockStarted_ = false;  // some of it was
};

}  // namespace kavro
