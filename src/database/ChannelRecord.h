#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "database/NameField.h"

namespace kavro {

// One channel (service): the 44 bytes of its image slot, then its number.
class ChannelRecord {
public:
    static constexpr std::size_t kSize = 44;
    static constexpr std::size_t kNameWidth = 16;
    static constexpr std::uint16_t kNoNumber = 0xFFFF;
    static constexpr int kEcmSlots = 16;

    enum ServiceType : int { NoType = -1, Tv = 0, Radio = 1, Data = 2 };

    // A new channel: type TV on transponder 0, X-PID 0x1FFF, no number yet.
    ChannelRecord();
    static ChannelRecord fromBytes(const std::uint8_t* bytes);

    std::array<std::uint8_t, kSize> bytes{};
    // Position in the image's channel region when read; the key of group references.
    std::uint16_t number = kNoNumber;

    std::uint16_t chFlags() const;
    void setChFlags(std::uint16_t v);
    std::uint8_t chFlags2() const { return bytes[2]; }
    void setChFlags2(std::uint8_t v) { bytes[2] = v; }

    int transponder() const;  // bits 0..11
    void setTransponder(int tpIndex);
    int serviceType() const;  // -1 when the type bits are 00
    void setServiceType(int type);
    bool crypted() const;
    void setCrypted(bool on);
    bool locked() const;
    void setLocked(bool on);
    int ageLimit() const;
    void setAgeLimit(int limit);

    NameField name() { return NameField(bytes.data() + 4, kNameWidth); }
    ConstNameField name() const { return ConstNameField(bytes.data() + 4, kNameWidth); }

    std::uint16_t pmtPid() const { return u16(20); }
    void setPmtPid(std::uint16_t v) { setU16(20, v); }
    std::uint16_t videoPid() const { return u16(22); }
    void setVideoPid(std::uint16_t v) { setU16(22, v); }
    std::uint16_t pcrPid() const { return u16(24); }
    void setPcrPid(std::uint16_t v) { setU16(24, v); }
    std::uint16_t teletextPid() const { return u16(26); }
    void setTeletextPid(std::uint16_t v) { setU16(26, v); }
    std::uint16_t audioPid() const { return u16(28); }
    void setAudioPid(std::uint16_t v) { setU16(28, v); }
    std::uint16_t xPid() const { return u16(36); }
    void setXPid(std::uint16_t v) { setU16(36, v); }
    std::uint16_t serviceId() const { return u16(38); }
    void setServiceId(std::uint16_t v) { setU16(38, v); }
    std::uint16_t ac3Pid() const { return u16(40); }
    void setAc3Pid(std::uint16_t v) { setU16(40, v); }
    std::uint16_t ecmMask() const { return u16(42); }
    void setEcmMask(std::uint16_t v) { setU16(42, v); }

    // Slot 1..16 selected (its bit clear in the inverted mask).
    bool ecmSlotSelected(int slot) const;
    void setEcmSlotSelected(int slot, bool on);

    // Audio language: the text up to the first NUL of the 6-byte field.
    std::string audioLanguage() const;
    // Writes at most three characters and a NUL; the rest of the field stays as it was.
    void setAudioLanguage(std::string_view code);

    friend bool operator==(const ChannelRecord&, const ChannelRecord&) = default;

private:
    std::uint16_t u16(std::size_t offset) const;
    void setU16(std::size_t offset, std::uint16_t v);
};

// "TV", "RADIO", "DATA", or "?" for a type the receiver does not define.
const char* serviceTypeText(int type);

}  // namespace kavro
