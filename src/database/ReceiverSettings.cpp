#include "database/ReceiverSettings.h"

#include <algorithm>
#include <cstring>

#include "database/ByteOrder.h"

namespace kavro {

std::uint16_t ReceiverSettings::word(std::size_t offset) const {
    return readU16(&b_[offset]);
}
void ReceiverSettings::setWord(std::size_t offset, std::uint16_t v) {
    writeU16(&b_[offset], v);
}

void ReceiverSettings::setBits(std::size_t offset, std::uint8_t mask, bool on) {
    b_[offset] = static_cast<std::uint8_t>(on ? (b_[offset] | mask) : (b_[offset] & ~mask));
}

std::string ReceiverSettings::lockPassword() const {
    return readFixedText(&b_[24], 4);
}

void ReceiverSettings::setLockPassword(std::string_view password) {
    writeFixedText(&b_[24], 4, password);
}

void ReceiverSettings::setUhfChannel(int channel) {
    b_[32] = static_cast<std::uint8_t>(channel * 2);
}

void ReceiverSettings::setWideScreen(bool on) {
    setBits(33, 0x80, on);
}

void ReceiverSettings::setMenuLanguage(int index) {
    b_[33] = static_cast<std::uint8_t>((b_[33] & ~0x78) | ((index << 3) & 0x78));
}

void ReceiverSettings::setShowInfoCode(int code) {
    setWord(34, static_cast<std::uint16_t>((word(34) & ~0x7F) | (code & 0x7F)));
}

void ReceiverSettings::setAgeLimit(int age) {
    setWord(34, static_cast<std::uint16_t>((word(34) & ~0xF80) | ((age << 7) & 0xF80)));
}

void ReceiverSettings::setLockMode(int mode) {
    setWord(34, static_cast<std::uint16_t>((word(34) & ~0x3000) | ((mode << 12) & 0x3000)));
}

void ReceiverSettings::setCvbsOutput(bool on) {
    setBits(36, 0x01, on);
}

void ReceiverSettings::setPalStandard(int stored) {
    b_[36] = static_cast<std::uint8_t>((b_[36] & ~0x30) | ((stored << 4) & 0x30));
}

void ReceiverSettings::setWakeupEnabled(bool on) {
    setBits(36, 0x40, on);
}
void ReceiverSettings::setSleepEnabled(bool on) {
    setBits(36, 0x80, on);
}

void ReceiverSettings::setAudioLanguage(int index) {
    b_[37] = static_cast<std::uint8_t>((b_[37] & ~0x1F) | (index & 0x1F));
}

void ReceiverSettings::setOsdBackground(int index) {
    b_[37] = static_cast<std::uint8_t>((b_[37] & ~0x60) | ((index << 5) & 0x60));
}

int ReceiverSettings::subtitleMode() const {
    switch (word(38) & 0x4002) {
        case 0x0002:
            return SubtitleDvb;
        case 0x4000:
            return SubtitleText;
        default:
            return SubtitleOff;
    }
}

void ReceiverSettings::setSubtitleMode(int mode) {
    std::uint16_t w = word(38) & ~0x4002;
    if (mode == SubtitleDvb) w |= 0x0002;
    if (mode == SubtitleText) w |= 0x4000;
    setWord(38, w);
}

void ReceiverSettings::setSubtitleLanguage(int index) {
    setWord(38, static_cast<std::uint16_t>((word(38) & ~0x00FD) | ((index << 2) & 0xFC)));
}

void ReceiverSettings::setVolume(int volume) {
    setWord(40, static_cast<std::uint16_t>(volume));
}

void ReceiverSettings::setWakeupTime(int hour, int minute) {
    b_[45] = static_cast<std::uint8_t>(hour);
    b_[46] = static_cast<std::uint8_t>(minute);
}

void ReceiverSettings::setSleepTime(int hour, int minute) {
    b_[47] = static_cast<std::uint8_t>(hour);
    b_[48] = static_cast<std::uint8_t>(minute);
}

ReceiverSettings::Clock ReceiverSettings::clock() const {
    return {b_[71], b_[72], b_[73], b_[74] + 1900, b_[75], b_[76]};
}

void ReceiverSettings::setClock(const Clock& c) {
    b_[71] = static_cast<std::uint8_t>(c.hour);
    b_[72] = static_cast<std::uint8_t>(c.minute);
    b_[73] = static_cast<std::uint8_t>(c.second);
    b_[74] = static_cast<std::uint8_t>(c.year - 1900);
    b_[75] = static_cast<std::uint8_t>(c.month);
    b_[76] = static_cast<std::uint8_t>(c.day);
}

void ReceiverSettings::setDolbySound(bool on) {
    setWord(80, on ? 1 : 0);
}

int showInfoSeconds(int code) {
    switch (code) {
        case 8:
        case 16:
            return 1;
        case 24:
            return 3;
        case 40:
            return 5;
        case 48:
            return 10;
        default:
            return 0;
    }
}

int showInfoCodeFor(int seconds) {
    switch (seconds) {
        case 0:
            return 0;
        case 1:
            return 8;
        case 3:
            return 24;
        case 5:
            return 40;
        case 10:
            return 48;
        default:
            return -1;
    }
}

int transparencyPercent(int code) {
    switch (code) {
        case 63:
            return 0;
        case 50:
            return 20;
        case 38:
            return 40;
        case 21:
            return 60;
        case 12:
            return 80;
        default:
            return 100;
    }
}

int transparencyCode(int percent) {
    switch (percent) {
        case 0:
            return 63;
        case 20:
            return 50;
        case 40:
            return 38;
        case 60:
            return 21;
        case 80:
            return 12;
        default:
            return 0;
    }
}

}  // namespace kavro
