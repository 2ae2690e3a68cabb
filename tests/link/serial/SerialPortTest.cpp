#include <gtest/gtest.h>
#include <poll.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include "RecordingMessageSink.h"
#include "link/serial/SerialPort.h"

namespace kavro::test {
namespace {

using Bytes = std::vector<std::uint8_t>;

// A pseudo-terminal whose line starts out "cooked", as a driver may leave a port: echo, line
// editing, XON/XOFF, CR/LF translation, signal characters, seven bits with parity.
struct CookedPty {
    CookedPty() {
        termios t{};
        t.c_iflag = ICRNL | IXON | IXOFF | ISTRIP;
        t.c_oflag = OPOST | ONLCR;
        t.c_cflag = CS7 | CREAD | PARENB;
        t.c_lflag = ICANON | ECHO | ISIG | IEXTEN;
        t.c_cc[VINTR] = 0x03;
        t.c_cc[VSTART] = 0x11;
        t.c_cc[VSTOP] = 0x13;
        cfsetispeed(&t, B9600);
        cfsetospeed(&t, B9600);
        char name[256] = {};
        EXPECT_EQ(openpty(&master, &slave, name, &t, nullptr), 0);
        path = name;
    }
    ~CookedPty() {
        ::close(master);
        ::close(slave);
    }

    // What arrived at this end within `ms`.
    Bytes drain(int ms) {
        Bytes got;
        pollfd pfd{master, POLLIN, 0};
        std::uint8_t buffer[512];
        for (ssize_t n = 0; ::poll(&pfd, 1, ms) > 0 && (n = ::read(master, buffer, 512)) > 0;)
            got.insert(got.end(), buffer, buffer + n);
        return got;
    }

    int master = -1, slave = -1;
    std::string path;
    RecordingMessageSink messages;
};

TEST(SerialPortTest, CarriesEveryByteUnchangedAndGivesUpASilentReadAfter110Ms) {
    CookedPty pty;
    SerialPort port(pty.messages, pty.path);
    ASSERT_TRUE(port.open());
    const Bytes awkward = {0x00, 0x03, 0x0A, 0x0D, 0x11, 0x13, 0x1A,
                           0x7F, 0x80, 0xE1, 0xEB, 0xFF, 0x04, 0x1C};
    ASSERT_TRUE(port.writeBlock(awkward.data(), awkward.size()));
    EXPECT_EQ(pty.drain(200), awkward);

    ASSERT_EQ(::write(pty.master, awkward.data(), awkward.size()), ssize_t(awkward.size()));
    Bytes read;
    std::uint8_t byte = 0;
    while (port.readByte(byte) == 1) read.push_back(byte);
    EXPECT_EQ(read, awkward);
    // A silent read gives up after about 110 ms.
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(port.readByte(byte), 0);
    const auto took = std::chrono::steady_clock::now() - start;
    EXPECT_GE(took, std::chrono::milliseconds(100));
    EXPECT_LT(took, std::chrono::seconds(2));
    EXPECT_TRUE(pty.drain(50).empty()) << "nothing echoed back";
    EXPECT_TRUE(pty.messages.entries.empty());
}

// Reads take what has arrived in one go and serve it byte by byte: in order, never past a
// close, and a block that stops short still ends with a silent read of about 110 ms.
TEST(SerialPortTest, BufferedReadsKeepOrderAndTheReadTimeOut) {
    CookedPty pty;
    SerialPort port(pty.messages, pty.path);
    ASSERT_TRUE(port.open());
    Bytes sent(700);
    for (std::size_t i = 0; i < sent.size(); ++i) sent[i] = static_cast<std::uint8_t>(i * 7);
    port.expectBlock(1024);
    ASSERT_EQ(::write(pty.master, sent.data(), 1), 1);
    std::uint8_t byte = 0;
    ASSERT_EQ(port.readByte(byte), 1);
    ASSERT_EQ(::write(pty.master, sent.data() + 1, 499), 499);
    Bytes read = {byte};
    while (read.size() < 500 && port.readByte(byte) == 1) read.push_back(byte);
    auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(port.readByte(byte), 0) << "the block stopped short";
    auto took = std::chrono::steady_clock::now() - start;
    EXPECT_GE(took, std::chrono::milliseconds(100));
    EXPECT_LT(took, std::chrono::seconds(2));

    ASSERT_EQ(::write(pty.master, sent.data() + 500, 200), 200);
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    for (int i = 0; i < 150 && port.readByte(byte) == 1; ++i) read.push_back(byte);
    EXPECT_EQ(read, Bytes(sent.begin(), sent.begin() + 650));
    port.close();
    EXPECT_EQ(port.readByte(byte), 0) << "what was taken in dies with the port";
    EXPECT_TRUE(port.open());
    EXPECT_EQ(port.readByte(byte), 0);
}

TEST(SerialPortTest, UnsupportedRateOrEmptyNameFailsSilently) {
    CookedPty pty;
    for (std::uint32_t rate : {300u, 0u, 115201u}) {
        SerialPort port(pty.messages, pty.path, rate);
        EXPECT_FALSE(port.open()) << rate;
        EXPECT_FALSE(port.writeByte(0xE1)) << rate;
    }
    EXPECT_FALSE(SerialPort(pty.messages, "").open());
    EXPECT_TRUE(pty.messages.entries.empty());
    EXPECT_TRUE(pty.drain(20).empty());
    for (std::uint32_t rate : SerialPort::kSupportedBaudRates)
        EXPECT_TRUE(SerialPort(pty.messages, pty.path, rate).open()) << rate;
}

TEST(SerialPortTest, MissingDeviceShowsTheMessageOncePerAttempt) {
    RecordingMessageSink messages;
    SerialPort port(messages, "/nonexistent/ttyKAVRO");
    EXPECT_FALSE(port.open());
    ASSERT_EQ(messages.entries.size(), 1u);
    EXPECT_EQ(messages.entries[0].text,
              "Cannot open the port '/nonexistent/ttyKAVRO'.\nNo such file or directory");
    EXPECT_FALSE(port.writeByte(0xE1));  // never opened: tries again, and says so again
    EXPECT_EQ(messages.entries.size(), 2u);
}

}  // namespace
}  // namespace kavro::test
