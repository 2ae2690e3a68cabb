#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "database/NameField.h"
#include "database/TransponderRecord.h"

namespace kavro {

// One satellite: the 40 bytes of its image slot, then its transponders.
class SatelliteRecord {
public:
    static constexpr std::size_t kSize = 40;
    static constexpr std::size_t kNameWidth = 20;

    enum DiseqcPort : int { DiseqcOff, MiniA, MiniB, Port1, Port2, Port3, Port4 };
    enum Positioner : int { PositionerOff, Diseqc12, Usals };

    static constexpr std::uint16_t kUniversalLow = 9750;
    static constexpr std::uint16_t kUniversalHigh = 10600;
    static constexpr std::uint16_t kStandardHigh = 5150;

    // A new satellite: Universal LNB 9750 / 10600, everything else zero.
    SatelliteRecord();
    static SatelliteRecord fromBytes(const std::uint8_t* bytes);

    std::array<std::uint8_t, kSize> bytes{};
    std::vector<TransponderRecord> transponders;

    std::uint16_t satFlags() const;
    std::uint16_t satFlags2() const;
    std::uint16_t position() const;  // raw stored tenths
    void setPosition(std::uint16_t raw);
    std::uint8_t lnbFlags() const { return bytes[28]; }
    void setLnbFlags(std::uint8_t v) { bytes[28] = v; }

    bool grouped() const;
    void setGrouped(bool on);
    bool chosen() const;
    void setChosen(bool on);
    bool west() const;
    void setWest(bool on);
    // Orbital position in degrees, East or West by west(). Set West first: the setter reads it.
    double positionDegrees() const;
    void setPositionDegrees(double degrees);

    NameField name() { return NameField(bytes.data() + 6, kNameWidth); }
    ConstNameField name() const { return ConstNameField(bytes.data() + 6, kNameWidth); }

    bool universalLnb() const;
    void setUniversalLnb(bool on);
    bool lnbPower() const;
    void setLnbPower(bool on);
    bool tone22k() const;
    void setTone22k(bool on);
    bool output12V() const;
    void setOutput12V(bool on);
    int diseqcPort() const;
    void setDiseqcPort(int port);
    int positioner() const { return bytes[29]; }
    void setPositioner(int value) { bytes[29] = static_cast<std::uint8_t>(value); }

    std::uint16_t lnbHigh() const;
    void setLnbHigh(std::uint16_t mhz);
    std::uint16_t lnbLow() const;
    void setLnbLow(std::uint16_t mhz);

    // C band in the sense of the whole-database tools: neither oscillator at its Universal value.
    bool isCBand() const { return lnbLow() != kUniversalLow && lnbHigh() != kUniversalHigh; }

    friend bool operator==(const SatelliteRecord&, const SatelliteRecord&) = default;

private:
    void setBit(std::size_t offset, unsigned bit, bool on);
    bool bit(std::size_t offset, unsigned bit) const;
};

}  // namespace kavro
