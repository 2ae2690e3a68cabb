#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "database/ChannelRecord.h"

namespace kavro {

// One transponder: the 16 bytes of its image slot, its image position and its channels.
class TransponderRecord {
public:
    static constexpr std::size_t kSize = 16;
    static constexpr std::uint16_t kNoIndex = 0xFFFF;

    enum Polarisation : int { PolAuto = 0, PolH = 1, PolV = 2 };
    enum Fec : int { FecAuto, Fec12, Fec23, Fec34, Fec46, Fec78 };

    TransponderRecord() = default;
    static TransponderRecord fromBytes(const std::uint8_t* bytes);

    std::array<std::uint8_t, kSize> bytes{};
    std::uint16_t index = kNoIndex;  // position in the image's transponder region when read
    std::vector<ChannelRecord> channels;

    std::uint16_t tpFlags() const;
    void setTpFlags(std::uint16_t v);

    int satellite() const;  // bits 1..9
    void setSatellite(int satIndex);
    int polarisation() const;
    void setPolarisation(int pol);
    int fec() const;
    void setFec(int code);

    std::uint16_t frequency() const;
    void setFrequency(std::uint16_t mhz);
    std::uint16_t symbolRate() const;
    void setSymbolRate(std::uint16_t ksps);
    std::uint32_t tid() const;
    void setTid(std::uint32_t v);
    // The two-character name is plain bytes, never name-coded.
    std::array<std::uint8_t, 2> name() const { return {bytes[14], bytes[15]}; }
    void setName(std::uint8_t a, std::uint8_t b) { bytes[14] = a, bytes[15] = b; }

    // "AUTO", "H" or "V".
    const char* polarisationText() const;
    // "%5d %s %5d": frequency, polarisation, symbol rate.
    std::string label() const;

    friend bool operator==(const TransponderRecord&, const TransponderRecord&) = default;
};

// Text of a polarisation code (0 AUTO, 1 H, 2 V).
const char* polarisationText(int pol);
// Text of a FEC code (0 AUTO, 1 "1/2" ... 5 "7/8"); "?" for codes the receiver does not define.
const char* fecText(int code);

}  // namespace kavro
