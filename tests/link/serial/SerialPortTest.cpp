#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

#include "RecordingMessageSink.h"
#include "link/serial/SerialPort.h"
#include "link/serial/SerialPortNames.h"

namespace kavro::test {
namespace {

// A pseudo-terminal whose line starts out "cooked", as a driver may leave a port: echo, line
// editing, XON/XOFF, CR/LF translation, signal characters.
class CookedPty {
public:
    CookedPty() {
        termios cooked{};
        cooked.c_iflag = ICRNL | IXON | IXOFF | ISTRIP;
        cooked.c_oflag = OPOST | ONLCR;
        cooked.c_cflag = CS7 | CREAD | PARENB;
        cooked.c_lflag = ICANON | ECHO | ISIG | IEXTEN;
        cooked.c_cc[VINTR] = 0x03;
        cooked.c_cc[VSTART] = 0x11;
        cooked.c_cc[VSTOP] = 0x13;
        cooked.c_cc[VMIN] = 1;
        cfsetispeed(&cooked, B9600);
        cfsetospeed(&cooked, B9600);
        char name[256] = {};
        ok = openpty(&master, &slave, name, &cooked, nullptr) == 0;
        path = name;
    }
    ~CookedPty() {
        if (master >= 0) ::close(master);
        if (slave >= 0) ::close(slave);
    }

    // Reads what arrived on the master side within `ms`.
    std::vector<std::uint8_t> drain(int ms) {
        std::vector<std::uint8_t> got;
        pollfd pfd{master, POLLIN, 0};
        while (::poll(&pfd, 1, ms) > 0) {
            std::uint8_t buffer[512];
            const ssize_t n = ::read(master, buffer, sizeof buffer);
            if (n <= 0) break;
            got.insert(got.end(), buffer, buffer + n);
        }
        return got;
    }

    bool ok = false;
    int master = -1;
    int slave = -1;
    std::string path;
};

const std::vector<std::uint8_t> kAwkwardBytes = {0x00, 0x03, 0x0A, 0x0D, 0x11, 0x13, 0x1A,
                                                 0x7F, 0x80, 0xE1, 0xEB, 0xFF, 0x04, 0x1C};

TEST(SerialPortTest, CarriesEveryByteUnchangedBothWays) {
    CookedPty pty;
    ASSERT_TRUE(pty.ok);
    RecordingMessageSink messages;
    SerialPort port(messages, pty.path);
    ASSERT_TRUE(port.open());

    ASSERT_TRUE(port.writeBlock(kAwkwardBytes.data(), kAwkwardBytes.size()));
    ASSERT_TRUE(port.writeByte(0x0A));
    std::vector<std::uint8_t> expected = kAwkwardBytes;
    expected.push_back(0x0A);
    EXPECT_EQ(pty.drain(200), expected);

    ASSERT_EQ(::write(pty.master, kAwkwardBytes.data(), kAwkwardBytes.size()),
              static_cast<ssize_t>(kAwkwardBytes.size()));
    std::vector<std::uint8_t> read;
    std::uint8_t byte = 0;
    while (port.readByte(byte) == 1) read.push_back(byte);
    EXPECT_EQ(read, kAwkwardBytes);
    // Nothing was echoed back to the other end.
    EXPECT_TRUE(pty.drain(50).empty());
    EXPECT_TRUE(messages.entries.empty());
}

TEST(SerialPortTest, SilentReadReturnsNothingAfterAbout110Milliseconds) {
    CookedPty pty;
    ASSERT_TRUE(pty.ok);
    RecordingMessageSink messages;
    SerialPort port(messages, pty.path);
    std::uint8_t byte = 0x5A;
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(port.readByte(byte), 0);  // opens on demand, then waits
    const auto took = std::chrono::steady_clock::now() - start;
    EXPECT_TRUE(port.isOpen());
    EXPECT_GE(took, std::chrono::milliseconds(100));
    EXPECT_LT(took, std::chrono::seconds(2));
    EXPECT_EQ(byte, 0x5A);
}

TEST(SerialPortTest, UnsupportedRateOrEmptyNameFailsSilently) {
    CookedPty pty;
    ASSERT_TRUE(pty.ok);
    RecordingMessageSink messages;
    for (std::uint32_t rate : {300u, 0u, 115201u}) {
        SerialPort port(messages, pty.path, rate);
        EXPECT_FALSE(port.open());
        EXPECT_FALSE(port.configure());
        std::uint8_t byte = 0;
        EXPECT_EQ(port.readByte(byte), 0);
        EXPECT_FALSE(port.writeByte(0xE1));
    }
    SerialPort unnamed(messages, "");
    EXPECT_FALSE(unnamed.open());
    EXPECT_TRUE(messages.entries.empty());
    EXPECT_TRUE(pty.drain(20).empty());

    for (std::uint32_t rate : SerialPort::kSupportedBaudRates) {
        SerialPort port(messages, pty.path, rate);
        EXPECT_TRUE(port.open()) << rate;
    }
}

TEST(SerialPortTest, MissingDeviceShowsTheMessageOncePerOpen) {
    RecordingMessageSink messages;
    {
        SerialPort port(messages, "/nonexistent/ttyKAVRO");
        EXPECT_FALSE(port.open());
        ASSERT_EQ(messages.entries.size(), 1u);
        EXPECT_EQ(messages.entries[0].text, "Cannot open the port '/nonexistent/ttyKAVRO'.");
        EXPECT_FALSE(port.isOpen());
        // Still never opened: the next write tries again, and says so again.
        EXPECT_FALSE(port.writeByte(0xE1));
        EXPECT_EQ(messages.entries.size(), 2u);
    }
    SerialPort neverOpened(messages, "/nonexistent/ttyKAVRO");
    EXPECT_EQ(messages.entries.size(), 2u);
}

TEST(SerialPortTest, ClosedPortDoesNoMoreIo) {
    CookedPty pty;
    ASSERT_TRUE(pty.ok);
    RecordingMessageSink messages;
    SerialPort port(messages, pty.path);
    ASSERT_TRUE(port.open());
    EXPECT_FALSE(port.writeBlock(nullptr, 4));
    const std::uint8_t one = 1;
    EXPECT_FALSE(port.writeBlock(&one, 0));
    port.close();
    EXPECT_FALSE(port.isOpen());
    EXPECT_FALSE(port.writeByte(0xEB));
    EXPECT_TRUE(pty.drain(20).empty());
    // A new open after close is allowed and works.
    EXPECT_TRUE(port.open());
    EXPECT_TRUE(port.writeByte(0xEB));
    EXPECT_EQ(pty.drain(100), std::vector<std::uint8_t>{0xEB});
}

// Nobody reads the other end: once the line's buffers are full a write cannot complete within
// its time-out and reports false, and what it could not send never follows a later write.
// (What the driver still held is dropped with it; the transfer is over by then anyway.)
TEST(SerialPortTest, WriteThatCannotCompleteFails) {
    CookedPty pty;
    ASSERT_TRUE(pty.ok);
    RecordingMessageSink messages;
    SerialPort port(messages, pty.path);
    ASSERT_TRUE(port.open());
    std::vector<std::uint8_t> block(64, 0x00);
    int blocks = 0;
    while (blocks < 100000 && port.writeBlock(block.data(), block.size())) ++blocks;
    ASSERT_LT(blocks, 100000);

    const std::vector<std::uint8_t> line = pty.drain(100);
    EXPECT_LE(line.size(), std::size_t(blocks + 1) * block.size());
    EXPECT_TRUE(std::all_of(line.begin(), line.end(), [](std::uint8_t b) { return b == 0; }));
    ASSERT_TRUE(port.writeByte(0xAB));
    EXPECT_EQ(pty.drain(100), std::vector<std::uint8_t>{0xAB});
}

#ifndef _WIN32
TEST(SerialPortTest, PortNamesMapToDevices) {
    EXPECT_EQ(serialDevicePath("COM1"), "/dev/ttyS0");
    EXPECT_EQ(serialDevicePath("com4"), "/dev/ttyS3");
    EXPECT_EQ(serialDevicePath("COM5"), "/dev/COM5");
    EXPECT_EQ(serialDevicePath("/dev/ttyUSB0"), "/dev/ttyUSB0");
    EXPECT_EQ(serialDevicePath("ttyUSB0"), "/dev/ttyUSB0");
    EXPECT_EQ(serialDevicePath("./link"), "./link");
}
#endif

}  // namespace
}  // namespace kavro::test
