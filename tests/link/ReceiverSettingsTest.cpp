#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <vector>

#include "link/ReceiverSettings.h"

namespace kavro {
namespace {

using Block = ReceiverSettings::Block;

// Offsets of the bytes a write may change, and the bits within each.
struct Touch {
    std::size_t offset;
    std::uint8_t bits;
};

// Applies `write` to a block of all ones and of all zeros, and checks that no byte outside the
// expected bits moved.
void expectOnlyTouches(const std::function<void(ReceiverSettings&)>& write,
                       std::vector<Touch> touches, const char* what) {
    for (std::uint8_t fill : {std::uint8_t{0xFF}, std::uint8_t{0x00}}) {
        Block block;
        block.fill(fill);
        ReceiverSettings s(block);
        write(s);
        for (std::size_t i = 0; i < block.size(); ++i) {
            std::uint8_t allowed = 0;
            for (const Touch& t : touches)
                if (t.offset == i) allowed |= t.bits;
            EXPECT_EQ(block[i] & ~allowed & 0xFF, fill & ~allowed & 0xFF)
                << what << ": byte " << i << " changed outside its field";
        }
    }
}

TEST(ReceiverSettingsTest, EachWriteChangesOnlyItsOwnBits) {
    expectOnlyTouches([](auto& s) { s.setWideScreen(false); }, {{33, 0x80}}, "screen mode");
    expectOnlyTouches([](auto& s) { s.setMenuLanguage(5); }, {{33, 0x78}}, "menu language");
    expectOnlyTouches([](auto& s) { s.setShowInfoCode(40); }, {{34, 0x7F}}, "show info");
    expectOnlyTouches([](auto& s) { s.setAgeLimit(12); }, {{34, 0x80}, {35, 0x0F}}, "age");
    expectOnlyTouches([](auto& s) { s.setLockMode(1); }, {{35, 0x30}}, "lock mode");
    expectOnlyTouches([](auto& s) { s.setCvbsOutput(false); }, {{36, 0x01}}, "video output");
    expectOnlyTouches([](auto& s) { s.setPalStandard(2); }, {{36, 0x30}}, "PAL standard");
    expectOnlyTouches([](auto& s) { s.setWakeupEnabled(false); }, {{36, 0x40}}, "wake-up");
    expectOnlyTouches([](auto& s) { s.setSleepEnabled(false); }, {{36, 0x80}}, "sleep");
    expectOnlyTouches([](auto& s) { s.setAudioLanguage(9); }, {{37, 0x1F}}, "audio language");
    expectOnlyTouches([](auto& s) { s.setOsdBackground(2); }, {{37, 0x60}}, "background");
    expectOnlyTouches([](auto& s) { s.setSubtitleMode(ReceiverSettings::SubtitleText); },
                      {{38, 0x02}, {39, 0x40}}, "subtitle mode");
    expectOnlyTouches([](auto& s) { s.setDolbySound(true); }, {{80, 0xFF}, {81, 0xFF}}, "dolby");
    expectOnlyTouches([](auto& s) { s.setLockPassword("12"); },
                      {{24, 0xFF}, {25, 0xFF}, {26, 0xFF}, {27, 0xFF}}, "password");
    // The three writes that also rewrite a neighbouring bit or byte.
    expectOnlyTouches([](auto& s) { s.setUhfChannel(30); }, {{32, 0xFF}}, "UHF channel");
    expectOnlyTouches([](auto& s) { s.setSubtitleLanguage(5); }, {{38, 0xFD}}, "subtitle language");
    expectOnlyTouches([](auto& s) { s.setVolume(7); }, {{40, 0xFF}, {41, 0xFF}}, "volume");
}

TEST(ReceiverSettingsTest, RewritingWritesClearTheirNeighbouringBits) {
    Block block;
    block.fill(0xFF);
    ReceiverSettings s(block);

    s.setUhfChannel(21);
    EXPECT_EQ(block[32], 42) << "bit 0 of the UHF byte is written as 0";
    EXPECT_EQ(s.uhfChannel(), 21);

    s.setSubtitleLanguage(5);
    EXPECT_EQ(block[38], (5 << 2) | 0x02) << "bit 0 cleared, the DVB bit 1 kept";
    EXPECT_EQ(block[39], 0xFF) << "bits 8..15 kept";

    s.setVolume(20);
    EXPECT_EQ(block[40], 20);
    EXPECT_EQ(block[41], 0) << "the volume is written as a 16-bit value";
}

TEST(ReceiverSettingsTest, CodeTablesReadAndWrite) {
    // Info banner: 16 is a second read-only code for "1s"; unknown codes read OFF.
    EXPECT_EQ(showInfoSeconds(8), 1);
    EXPECT_EQ(showInfoSeconds(16), 1);
    EXPECT_EQ(showInfoSeconds(24), 3);
    EXPECT_EQ(showInfoSeconds(40), 5);
    EXPECT_EQ(showInfoSeconds(48), 10);
    EXPECT_EQ(showInfoSeconds(17), 0);
    EXPECT_EQ(showInfoCodeFor(1), 8);
    EXPECT_EQ(showInfoCodeFor(5), 40);

    EXPECT_EQ(transparencyPercent(63), 0);
    EXPECT_EQ(transparencyPercent(12), 80);
    EXPECT_EQ(transparencyPercent(0), 100);
    EXPECT_EQ(transparencyPercent(13), 100);
    for (int percent = 0; percent <= 100; percent += 20)
        EXPECT_EQ(transparencyPercent(transparencyCode(percent)), percent);
    EXPECT_EQ(transparencyCode(100), 0);

    Block block{};
    ReceiverSettings s(block);
    block[38] = 0x02;
    EXPECT_EQ(s.subtitleMode(), ReceiverSettings::SubtitleDvb);
    block[39] = 0x40;
    EXPECT_EQ(s.subtitleMode(), ReceiverSettings::SubtitleOff) << "both bits read OFF";
    block[38] = 0;
    EXPECT_EQ(s.subtitleMode(), ReceiverSettings::SubtitleText);
}

TEST(ReceiverSettingsTest, SoundEffectsUseOnePolarityBothWays) {
    Block block{};
    ReceiverSettings s(block);
    EXPECT_TRUE(s.soundEffects()) << "a cleared block has sound effects on";
    s.setSoundEffects(false);
    EXPECT_FALSE(s.soundEffects());
    EXPECT_EQ(block[79], 1);
    s.setSoundEffects(true);
    EXPECT_TRUE(s.soundEffects());
    EXPECT_EQ(block[79], 0);
    block[79] = 0x5A;
    EXPECT_FALSE(s.soundEffects());
}

TEST(ReceiverSettingsTest, PasswordNeverReadsBeyondItsField) {
    Block block{};
    ReceiverSettings s(block);
    std::memcpy(&block[24], "98765", 5);  // byte 28 belongs to something else
    EXPECT_EQ(s.lockPassword(), "9876");
    s.setLockPassword("12");
    EXPECT_EQ(s.lockPassword(), "12");
    EXPECT_EQ(block[26], 0);
    EXPECT_EQ(block[27], 0);
    EXPECT_EQ(block[28], '5') << "padding stays inside the field";
}

}  // namespace
}  // namespace kavro
