#include "database/SatelliteRecord.h"

#include <cmath>
#include <cstring>

#include "database/ByteOrder.h"

namespace kavro {

SatelliteRecord::SatelliteRecord() {
    bytes[28] = 2;
    writeU16(&bytes[34], kUniversalHigh);
    writeU16(&bytes[36], kUniversalLow);
}

SatelliteRecord SatelliteRecord::fromBytes(const std::uint8_t* src) {
    SatelliteRecord r;
    std::memcpy(r.bytes.data(), src, kSize);
    return r;
}

bool SatelliteRecord::bit(std::size_t offset, unsigned b) const {
    return (readU16(&bytes[offset]) >> b) & 1u;
}

void SatelliteRecord::setBit(std::size_t offset, unsigned b, bool on) {
    std::uint16_t v = readU16(&bytes[offset]);
    v = on ? static_cast<std::uint16_t>(v | (1u << b)) : static_cast<std::uint16_t>(v & ~(1u << b));
    writeU16(&bytes[offset], v);
}

std::uint16_t SatelliteRecord::satFlags() const { return readU16(&bytes[0]); }
std::uint16_t SatelliteRecord::satFlags2() const { return readU16(&bytes[2]); }
std::uint16_t SatelliteRecord::position() const { return readU16(&bytes[4]); }
void SatelliteRecord::setPosition(std::uint16_t raw) { writeU16(&bytes[4], raw); }

bool SatelliteRecord::grouped() const { return bit(0, 3); }
void SatelliteRecord::setGrouped(bool on) { setBit(0, 3, on); }
bool SatelliteRecord::chosen() const { return bit(0, 10); }
void SatelliteRecord::setChosen(bool on) { setBit(0, 10, on); }
bool SatelliteRecord::west() const { return bit(2, 6); }
void SatelliteRecord::setWest(bool on) { setBit(2, 6, on); }

double SatelliteRecord::positionDegrees() const {
    // Masking keeps a West value of 0 at 0.0 degrees instead of 6553.6.
    unsigned tenths = west() ? (0x10000u - position()) & 0xFFFFu : position();
    return tenths / 10.0;
}

void SatelliteRecord::setPositionDegrees(double degrees) {
    auto tenths = static_cast<std::uint16_t>(static_cast<long long>(std::lround(degrees * 10.0)));
    setPosition(west() ? static_cast<std::uint16_t>(0x10000u - tenths) : tenths);
}

bool SatelliteRecord::universalLnb() const { return bytes[28] & 0x02; }
void SatelliteRecord::setUniversalLnb(bool on) {
    bytes[28] = on ? (bytes[28] | 0x02) : (bytes[28] & ~0x02);
}
bool SatelliteRecord::lnbPower() const { return bytes[28] & 0x01; }
void SatelliteRecord::setLnbPower(bool on) {
    bytes[28] = on ? (bytes[28] | 0x01) : (bytes[28] & ~0x01);
}
bool SatelliteRecord::tone22k() const { return bytes[28] & 0x40; }
void SatelliteRecord::setTone22k(bool on) {
    bytes[28] = on ? (bytes[28] | 0x40) : (bytes[28] & ~0x40);
}
bool SatelliteRecord::output12V() const { return bytes[28] & 0x80; }
void SatelliteRecord::setOutput12V(bool on) {
    bytes[28] = on ? (bytes[28] | 0x80) : (bytes[28] & ~0x80);
}
int SatelliteRecord::diseqcPort() const { return (bytes[28] & 0x38) >> 3; }
void SatelliteRecord::setDiseqcPort(int port) {
    bytes[28] = static_cast<std::uint8_t>((bytes[28] & 0xC7) | ((port * 8) & 0x38));
}

std::uint16_t SatelliteRecord::lnbHigh() const { return readU16(&bytes[34]); }
void SatelliteRecord::setLnbHigh(std::uint16_t mhz) { writeU16(&bytes[34], mhz); }
std::uint16_t SatelliteRecord::lnbLow() const { return readU16(&bytes[36]); }
void SatelliteRecord::setLnbLow(std::uint16_t mhz) { writeU16(&bytes[36], mhz); }

}  // namespace kavro
