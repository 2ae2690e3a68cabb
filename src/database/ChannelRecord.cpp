#include "database/ChannelRecord.h"

#include <algorithm>
#include <cstring>

#include "database/ByteOrder.h"

namespace kavro {

ChannelRecord::ChannelRecord() {
    setChFlags(0x1000);
    setXPid(0x1FFF);
}

ChannelRecord ChannelRecord::fromBytes(const std::uint8_t* src) {
    ChannelRecord r;
    std::memcpy(r.bytes.data(), src, kSize);
    return r;
}

std::uint16_t ChannelRecord::u16(std::size_t offset) const { return readU16(&bytes[offset]); }
void ChannelRecord::setU16(std::size_t offset, std::uint16_t v) { writeU16(&bytes[offset], v); }

std::uint16_t ChannelRecord::chFlags() const { return u16(0); }
void ChannelRecord::setChFlags(std::uint16_t v) { setU16(0, v); }

int ChannelRecord::transponder() const { return chFlags() & 0xFFF; }
void ChannelRecord::setTransponder(int tpIndex) {
    setChFlags(static_cast<std::uint16_t>((chFlags() & 0xF000) | (tpIndex & 0xFFF)));
}

int ChannelRecord::serviceType() const { return ((chFlags() & 0x3000) >> 12) - 1; }
void ChannelRecord::setServiceType(int type) {
    setChFlags(static_cast<std::uint16_t>((chFlags() & 0xCFFF) | (((type + 1) & 3) << 12)));
}

bool ChannelRecord::crypted() const { return chFlags() & 0x4000; }
void ChannelRecord::setCrypted(bool on) {
    setChFlags(on ? (chFlags() | 0x4000) : (chFlags() & ~0x4000));
}

bool ChannelRecord::locked() const { return bytes[2] & 1; }
void ChannelRecord::setLocked(bool on) { bytes[2] = on ? (bytes[2] | 1) : (bytes[2] & ~1); }

int ChannelRecord::ageLimit() const { return bytes[2] >> 3; }
void ChannelRecord::setAgeLimit(int limit) {
    bytes[2] = static_cast<std::uint8_t>((bytes[2] & 7) | ((limit * 8) & 0xF8));
}

bool ChannelRecord::ecmSlotSelected(int slot) const {
    if (slot < 1 || slot > kEcmSlots) return false;
    return !((ecmMask() >> (slot - 1)) & 1);
}

void ChannelRecord::setEcmSlotSelected(int slot, bool on) {
    if (slot < 1 || slot > kEcmSlots) return;
    std::uint16_t bit = static_cast<std::uint16_t>(1u << (slot - 1));
    setEcmMask(on ? (ecmMask() & ~bit) : (ecmMask() | bit));
}

std::string ChannelRecord::audioLanguage() const { return readFixedText(&bytes[30], 6); }

void ChannelRecord::setAudioLanguage(std::string_view code) {
    std::size_t n = std::min<std::size_t>(code.size(), 3);
    std::memcpy(&bytes[30], code.data(), n);
    bytes[30 + n] = 0;
}

const char* serviceTypeText(int type) {
    switch (type) {
        case ChannelRecord::Tv: return "TV";
        case ChannelRecord::Radio: return "RADIO";
        case ChannelRecord::Data: return "DATA";
        default: return "?";
    }
}

}  // namespace kavro
