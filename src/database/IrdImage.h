#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace kavro {

// The receiver's memory image of its service database, as a file holds it and as it crosses
// the serial line. Owned by whoever asked for it; nothing keeps pointers into it.
using IrdImage = std::vector<std::uint8_t>;

namespace image {

inline constexpr std::size_t kSize = 0xA0040;         // 655,424 bytes, as written
inline constexpr std::size_t kMinFileSize = 0x90040;  // shortest file the opener accepts
inline constexpr std::size_t kReadExtent = 0x77978;   // the reader touches nothing beyond
inline constexpr std::size_t kHeaderSize = 0x40;

inline constexpr std::uint32_t kMagic = 0x04212500;
inline constexpr std::uint32_t kDataVersion = 0x8209;
inline constexpr std::size_t kMagicOffset = 0x00;
inline constexpr std::size_t kVersionOffset = 0x14;

// Capacities of the regions.
inline constexpr std::size_t kMaxGroups = 25;
inline constexpr std::size_t kMaxGroupMembers = 3900;
inline constexpr std::size_t kMaxChannels = 3900;
inline constexpr std::size_t kMaxTransponders = 4000;
inline constexpr std::size_t kMaxSatellites = 360;

inline constexpr std::size_t kGroupRegion = 0x40;
inline constexpr std::size_t kGroupSlotSize = 12 + 2 * kMaxGroupMembers;  // 7812
inline constexpr std::size_t kGroupRegionSize = kMaxGroups * kGroupSlotSize;
inline constexpr std::size_t kChannelRegion = 0x30040;
inline constexpr std::size_t kChannelRegionSize = kMaxChannels * 44;
inline constexpr std::size_t kTransponderRegion = 0x60040;
inline constexpr std::size_t kTransponderRegionSize = kMaxTransponders * 16;
inline constexpr std::size_t kSettingsOffset = 0x70040;
inline constexpr std::size_t kSettingsSize = 96;
// Fields of the settings block that the database keeps itself (offsets inside the block).
inline constexpr std::size_t kDateTextAt = 12;  // 12 bytes of text
inline constexpr std::size_t kDateTextWidth = 12;
inline constexpr std::size_t kGroupCountAt = 0x2A;    // u8
inline constexpr std::size_t kSatCountAt = 0x32;      // u16
inline constexpr std::size_t kTpCountAt = 0x34;       // u16
inline constexpr std::size_t kChannelCountAt = 0x36;  // u16
inline constexpr std::size_t kStartupChannelsOffset = 0x7409C;
inline constexpr std::size_t kSatelliteRegion = 0x74134;
inline constexpr std::size_t kSatelliteRegionSize = kMaxSatellites * 40;
// The last CRC covers the settings block up to the end of the satellite region.
inline constexpr std::size_t kSettingsCrcRangeSize =
    kSatelliteRegion + kSatelliteRegionSize - kSettingsOffset;  // 31,028

static_assert(kGroupRegion + kGroupRegionSize == 0x2FB24);
static_assert(kChannelRegion + kChannelRegionSize == 0x59E90);
static_assert(kTransponderRegion + kTransponderRegionSize == 0x6FA40);
static_assert(kSettingsOffset + kSettingsCrcRangeSize == 0x77974);
static_assert(kSettingsOffset + kSettingsCrcRangeSize + 4 == kReadExtent);

}  // namespace image

// The receiver's 96-byte settings block, byte for byte.
using SettingsBlock = std::array<std::uint8_t, image::kSettingsSize>;

// One of the seven CRCs the writer stores: the range it covers and where it stands.
struct ImageCrc {
    const char* region;  // "groups", "channels", "transponders", "settings and satellites"
    bool usedPartOnly;   // covers only the part given by the counts
    std::size_t start;
    std::size_t length;
    std::size_t storedAt;
};

// The seven CRC positions of an image with the given counts, in the order they are computed.
std::vector<ImageCrc> imageCrcLayout(std::size_t groupCount, std::size_t channelCount,
                                     std::size_t transponderCount);

}  // namespace kavro
