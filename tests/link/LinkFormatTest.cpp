#include <gtest/gtest.h>

#include "link/LinkFormat.h"
#include "link/TransferSession.h"

namespace kavro::link {
namespace {

TEST(LinkFormatTest, PercentagesOfTheStandardImage) {
    EXPECT_EQ(uploadPercent(641, 655424), 99);
    EXPECT_EQ(uploadPercent(642, 655424), 100);
    EXPECT_EQ(downloadPercent(642), 99);
    EXPECT_EQ(downloadPercent(643), 100);
    // A receiver asking for packets without end must not wrap the figure back to small values.
    EXPECT_GE(downloadPercent(50'000'000), 100);
    EXPECT_EQ(uploadPercent(1, 0), 100);
}

TEST(LinkFormatTest, PacketChecksumIsHighByteFirstOverThePayload) {
    std::uint8_t data[1021];
    for (int i = 0; i < 1021; ++i) data[i] = 0xFF;  // sum 0x3F903 -> 0xF903
    Packet p = makeDataPacket(data, 1021);
    EXPECT_EQ(p[0], 'G');
    EXPECT_EQ(p[1022], 0xF9);
    EXPECT_EQ(p[1023], 0x03);
    EXPECT_TRUE(packetIsValid(p));
    std::swap(p[1022], p[1023]);
    EXPECT_FALSE(packetIsValid(p));

    Packet filler = makeFillerPacket();
    EXPECT_TRUE(packetIsValid(filler));
    p = makeDataPacket(data, 3);
    EXPECT_EQ(p[4], 0);
    EXPECT_EQ(payloadChecksum(p), 3 * 0xFF);
}

TEST(LinkFormatTest, SessionTexts) {
    EXPECT_EQ(countdownText(0), "Remainder : 20 Sec.");
    EXPECT_EQ(countdownText(17), "Remainder : 3 Sec.");
    EXPECT_EQ(countdownText(25), "Remainder : 0 Sec.");
    EXPECT_EQ(percentText(130), "100%");
    EXPECT_EQ(percentText(-4), "0%");
}

}  // namespace
}  // namespace kavro::link
