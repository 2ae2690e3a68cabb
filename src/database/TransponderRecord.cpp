#include "database/TransponderRecord.h"

#include <cstdio>
#include <cstring>

#include "database/ByteOrder.h"

namespace kavro {

TransponderRecord TransponderRecord::fromBytes(const std::uint8_t* src) {
    TransponderRecord r;
    std::memcpy(r.bytes.data(), src, kSize);
    return r;
}

std::uint16_t TransponderRecord::tpFlags() const { return readU16(&bytes[0]); }
void TransponderRecord::setTpFlags(std::uint16_t v) { writeU16(&bytes[0], v); }

int TransponderRecord::satellite() const { return (tpFlags() & 0x3FF) >> 1; }
void TransponderRecord::setSatellite(int satIndex) {
    setTpFlags(static_cast<std::uint16_t>((tpFlags() & 0xFC00) | ((satIndex * 2) & 0x3FF)));
}

int TransponderRecord::polarisation() const {
    std::uint16_t f = tpFlags();
    if ((f & 0xC00) == 0xC00) return PolAuto;
    return (f & 0x400) ? PolH : PolV;
}

void TransponderRecord::setPolarisation(int pol) {
    std::uint16_t f = tpFlags() & ~0x400;
    if (pol == PolAuto) {
        f |= 0xC00;
    } else if (pol == PolH) {
        // Bit 11 must go too, or a former AUTO (both bits) would still read AUTO.
        f = static_cast<std::uint16_t>((f & ~0x800) | 0x400);
    }
    // V: bit 11 stays as it was; with bit 10 clear that reads V either way.
    setTpFlags(f);
}

int TransponderRecord::fec() const { return tpFlags() >> 12; }
void TransponderRecord::setFec(int code) {
    setTpFlags(static_cast<std::uint16_t>((tpFlags() & 0x0FFF) | ((code & 0xF) << 12)));
}

std::uint16_t TransponderRecord::frequency() const { return readU16(&bytes[4]); }
void TransponderRecord::setFrequency(std::uint16_t mhz) { writeU16(&bytes[4], mhz); }
std::uint16_t TransponderRecord::symbolRate() const { return readU16(&bytes[6]); }
void TransponderRecord::setSymbolRate(std::uint16_t ksps) { writeU16(&bytes[6], ksps); }
std::uint32_t TransponderRecord::tid() const { return readU32(&bytes[10]); }
void TransponderRecord::setTid(std::uint32_t v) { writeU32(&bytes[10], v); }

const char* polarisationText(int pol) {
    switch (pol) {
        case TransponderRecord::PolAuto: return "AUTO";
        case TransponderRecord::PolH: return "H";
        default: return "V";
    }
}

const char* TransponderRecord::polarisationText() const {
    return kavro::polarisationText(polarisation());
}

std::string TransponderRecord::label() const {
    char text[32];
    std::snprintf(text, sizeof text, "%5d %s %5d", frequency(), polarisationText(), symbolRate());
    return text;
}

const char* fecText(int code) {
    static const char* const kTexts[] = {"AUTO", "1/2", "2/3", "3/4", "4/6", "7/8"};
    return code >= 0 && code < 6 ? kTexts[code] : "?";
}

}  // namespace kavro
