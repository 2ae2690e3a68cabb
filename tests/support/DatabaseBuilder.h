#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "database/ChannelDatabase.h"
#include "database/IrdImage.h"
#include "database/TransponderRecord.h"

namespace kavro::test {

// Offsets of the four counts inside an image (settings block at 0x70040).
inline constexpr std::size_t kImageGroupCountAt = image::kSettingsOffset + 0x2A;    // u8
inline constexpr std::size_t kImageSatCountAt = image::kSettingsOffset + 0x32;      // u16
inline constexpr std::size_t kImageTpCountAt = image::kSettingsOffset + 0x34;       // u16
inline constexpr std::size_t kImageChannelCountAt = image::kSettingsOffset + 0x36;  // u16

// Databases as the reader would have left them, record by record: each transponder goes to the
// last satellite and each channel to the last transponder (made when missing), numbered 0, 1 ...
//   DatabaseBuilder().satellite("Nile", 7.0, true).channel("News").group("FAV", {0}).build();
class DatabaseBuilder {
public:
    DatabaseBuilder& satellite(std::string_view name, double degrees = 19.2, bool west = false);
    DatabaseBuilder& transponder(std::uint16_t mhz, int polarisation = TransponderRecord::PolH,
                                 std::uint16_t ksps = 27500);
    DatabaseBuilder& channel(std::string_view name, int type = ChannelRecord::Tv);
    // A group listing channels by number; repeats and numbers naming no channel are kept.
    DatabaseBuilder& group(std::string_view name, std::vector<std::uint16_t> numbers = {});

    // With the counts set and every reference that names a channel linked (others stay as given).
    ChannelDatabase build() const;

private:
    ChannelDatabase db_;
    std::uint16_t nextNumber_ = 0;
};

// Writes a plain-text name (no coding marker) into a name field, padded with NULs.
void setPlainName(NameField field, std::string_view text);

struct RandomShape {  // limits per satellite, transponder, group; always within the capacities
    std::size_t maxSatellites = 8, maxTransponders = 6, maxChannels = 6, maxGroups = 6,
                maxReferences = 30;
};

// A database as editing may leave it, reproducible from `seed`: random record bytes with set bits
// in every kept bit range and reserved field (LNB high never 0), non-zero settings, distinct
// channel numbers out of tree order, references to channels, repeated and naming none.
ChannelDatabase makeRandomDatabase(std::uint32_t seed, const RandomShape& shape = {});

// 360 satellites, 4000 transponders, 3900 channels, 25 groups each listing every channel.
ChannelDatabase makeFullCapacityDatabase(std::uint32_t seed = 1);

// The image writeImage gives for `db` (which must fit the image).
IrdImage makeImage(const ChannelDatabase& db);

// Recomputes the seven CRCs from the counts the image holds (cut to the capacities).
void restampCrcs(IrdImage& image);

bool writeBytes(const std::string& path, std::span<const std::uint8_t> bytes);  // false: failed
std::vector<std::uint8_t> readBytes(const std::string& path);

// For readable test failures: the first record that differs, as a line for each database
// ("satellite 2 transponder 0: index 3 1A2B..."), or an empty text when they are equal.
std::string firstDifference(const ChannelDatabase& a, const ChannelDatabase& b);

}  // namespace kavro::test
