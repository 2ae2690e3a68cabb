#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "database/IrdImage.h"

namespace kavro {

// The receiver's own configuration: a view over the 96-byte settings block that the database
// holds byte for byte (ChannelDatabase::settings). The data version, the date of the last
// change and the record counts in the same block belong to the database, which reads them.
// Each field has a reading and a writing rule; a setter changes only its own bits, except
// where noted (the UHF channel clears bit 0 of its byte, the subtitle language bit 0 of its
// word, the volume its high byte).
class ReceiverSettings {
public:
    static constexpr std::size_t kSize = image::kSettingsSize;
    using Block = SettingsBlock;

    explicit ReceiverSettings(Block& block) : b_(block) {}

    enum LockMode : int { NoLock = 0, AgeLock = 1, MenuLock = 2 };
    enum Subtitle : int { SubtitleOff = 0, SubtitleDvb = 1, SubtitleText = 2 };
    enum TvType : int { TvAuto = 0, TvPal = 1, TvNtsc = 2 };

    // Receiver clock, each part a plain number as stored (year is the full year).
    struct Clock {
        int hour, minute, second, year, month, day;
        friend bool operator==(const Clock&, const Clock&) = default;
    };

    // The four password bytes up to the first zero byte (never beyond the field).
    std::string lockPassword() const;
    // At most four characters, padded with zero bytes.
    void setLockPassword(std::string_view password);

    // Bits 1..7 of byte 32; writing stores channel x 2, so bit 0 becomes 0.
    int uhfChannel() const { return b_[32] >> 1; }
    void setUhfChannel(int channel);

    // Bit 7 of byte 33: false "  3:4", true "16:9".
    bool wideScreen() const { return b_[33] & 0x80; }
    void setWideScreen(bool on);
    // Bits 3..6 of byte 33.
    int menuLanguage() const { return (b_[33] >> 3) & 0x0F; }
    void setMenuLanguage(int index);

    // The word at 34: info-banner code (bits 0..6), age (bits 7..11), lock mode (bits 12..13).
    int showInfoCode() const { return word(34) & 0x7F; }
    void setShowInfoCode(int code);
    int ageLimit() const { return (word(34) >> 7) & 0x1F; }
    void setAgeLimit(int age);
    int lockMode() const { return (word(34) >> 12) & 0x3; }
    void setLockMode(int mode);

    // Byte 36: video output (bit 0, true CVBS), PAL standard index + 1 (bits 4..5, 0 none),
    // wake-up and sleep timers (bits 6 and 7).
    bool cvbsOutput() const { return b_[36] & 0x01; }
    void setCvbsOutput(bool on);
    int palStandard() const { return (b_[36] >> 4) & 0x3; }
    void setPalStandard(int stored);
    bool wakeupEnabled() const { return b_[36] & 0x40; }
    void setWakeupEnabled(bool on);
    bool sleepEnabled() const { return b_[36] & 0x80; }
    void setSleepEnabled(bool on);

    // Byte 37: audio language (bits 0..4), OSD background (bits 5..6).
    int audioLanguage() const { return b_[37] & 0x1F; }
    void setAudioLanguage(int index);
    int osdBackground() const { return (b_[37] >> 5) & 0x3; }
    void setOsdBackground(int index);

    // The word at 38: bit 1 DVB subtitles, bit 14 teletext subtitles; neither or both read OFF.
    int subtitleMode() const;
    void setSubtitleMode(int mode);
    // Bits 2..7 of the word at 38; writing clears bit 0 and keeps bit 1 and bits 8..15.
    int subtitleLanguage() const { return (word(38) >> 2) & 0x3F; }
    void setSubtitleLanguage(int index);

    // Low byte of the word at 40; written as a 16-bit value, so the high byte becomes 0.
    int volume() const { return b_[40]; }
    void setVolume(int volume);

    int startupGroup() const { return b_[43]; }
    void setStartupGroup(int g) { b_[43] = static_cast<std::uint8_t>(g); }
    int osdTransparencyCode() const { return b_[44]; }
    void setOsdTransparencyCode(int code) { b_[44] = static_cast<std::uint8_t>(code); }

    int wakeupHour() const { return b_[45]; }
    int wakeupMinute() const { return b_[46]; }
    void setWakeupTime(int hour, int minute);
    int sleepHour() const { return b_[47]; }
    int sleepMinute() const { return b_[48]; }
    void setSleepTime(int hour, int minute);

    // Bytes 71..76: hour, minute, second, year - 1900, month, day.
    Clock clock() const;
    void setClock(const Clock& clock);

    int tvType() const { return b_[78]; }
    void setTvType(int type) { b_[78] = static_cast<std::uint8_t>(type); }

    // OSD sound effects, byte 79. Zero means on: a cleared block (and the receiver's factory
    // state) has them on, and the dialog's box reads checked for zero. Writing stores 0 for on
    // and 1 for off, so reading and writing agree.
    bool soundEffects() const { return b_[79] == 0; }
    void setSoundEffects(bool on) { b_[79] = on ? 0 : 1; }

    // The word at 80: non-zero is on; written as 0 or 1.
    bool dolbySound() const { return word(80) != 0; }
    void setDolbySound(bool on);

    // Byte 84: list index + 1 (1 Letter Box ... 4 Pan-Scan); 0 reads as Letter Box.
    int aspectConversion() const { return b_[84]; }
    void setAspectConversion(int stored) { b_[84] = static_cast<std::uint8_t>(stored); }

private:
    std::uint16_t word(std::size_t offset) const;
    void setWord(std::size_t offset, std::uint16_t v);
    void setBits(std::size_t offset, std::uint8_t mask, bool on);

    Block& b_;
};

// Info-banner time code to seconds: 0 / 8 / 16 / 24 / 40 / 48 -> 0 (OFF) / 1 / 1 / 3 / 5 / 10;
// any other code reads OFF.
int showInfoSeconds(int code);
// Seconds (0, 1, 3, 5, 10) to the code written for them; -1 for other values.
int showInfoCodeFor(int seconds);

// OSD transparency code to percent: 63 -> 0, 50 -> 20, 38 -> 40, 21 -> 60, 12 -> 80, anything
// else 100.
int transparencyPercent(int code);
// Percent (0, 20 ... 100) to the code written for it; 0 for 100 and any other value.
int transparencyCode(int percent);

// The texts of the dialog's lists, in list order (the stored index is the position).
namespace settings_lists {
inline constexpr std::array<const char*, 2> kVideoOutput = {"RGB", "CVBS"};
inline constexpr std::array<const char*, 2> kScreenMode = {"  3:4", "16:9"};
inline constexpr std::array<const char*, 4> kConversion = {"Letter Box", "Combined", "Ignore",
                                                           "Pan-Scan"};
inline constexpr std::array<const char*, 3> kTvType = {"AUTO", "PAL", "NTSC"};
inline constexpr std::array<const char*, 12> kMenuLanguage = {
    "English", "Arabic", "Russian", "French",  "German", "Italian",
    "Spanish", "Polish", "Turkish", "Persian", "Dutch",  "Greek"};
// Audio Lang and Subtitle Lang.
inline constexpr std::array<const char*, 24> kLanguage = {
    "English", "Arabic",    "Chinese", "Czech",    "Danish",  "Dutch",  "Finnish",    "French",
    "German",  "Hungarian", "Italian", "Japanese", "Korean",  "Polish", "Portuguese", "Rumanian",
    "Russian", "Spanish",   "Swedish", "Turkish",  "Persian", "Greek",  "Slovak",     "Indonesian"};
inline constexpr std::array<const char*, 3> kSubtitle = {"OFF", "DVB", "Text"};
inline constexpr std::array<const char*, 5> kShowInfo = {"OFF", "1s", "3s", "5s", "10s"};
inline constexpr std::array<int, 5> kShowInfoSeconds = {0, 1, 3, 5, 10};
inline constexpr std::array<const char*, 4> kBackground = {"Spring", "Summer", "Autumn", "Winter"};
inline constexpr std::array<const char*, 6> kTransparency = {"   0%", " 20%", " 40%",
                                                             " 60%",  " 80%", "100%"};
inline constexpr std::array<const char*, 3> kPalStandard = {"PAL-BG", "PAL-I", "PAL-DK"};
}  // namespace settings_lists

}  // namespace kavro
