#pragma once

#include <cstddef>
#include <cstdint>
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

// Hand-made databases, record by record, as the reader would have left them: each transponder
// goes to the last satellite, each channel to the last transponder, and channels are numbered
// by their position in tree order.
//
//   ChannelDatabase db = DatabaseBuilder()
//       .satellite("Nilesat", 7.0, true)
//       .transponder(11747, TransponderRecord::PolH, 27500)
//       .channel("News").channel("Music", ChannelRecord::Radio)
//       .group("FAV", {1, 0, 1})
//       .build();
class DatabaseBuilder {
public:
    DatabaseBuilder& satellite(std::string_view name, double degrees = 19.2, bool west = false);
    DatabaseBuilder& transponder(std::uint16_t frequencyMHz,
                                 int polarisation = TransponderRecord::PolH,
                                 std::uint16_t symbolRate = 27500);
    DatabaseBuilder& channel(std::string_view name, int type = ChannelRecord::Tv);
    // A group listing channels by number; repeats and numbers naming no channel are kept.
    DatabaseBuilder& group(std::string_view name, std::vector<std::uint16_t> numbers = {});

    // The database with its counts set from the lists and every reference that names a
    // channel linked; references naming none stay (number, 0, 0, 0).
    ChannelDatabase build() const;

private:
    ChannelDatabase db_;
    std::uint16_t nextNumber_ = 0;
};

// Writes a plain-text name (no coding marker) into a name field, padded with NULs.
void setPlainName(NameField field, std::string_view text);

// Limits of a randomized database; the totals never exceed the image's capacities.
struct RandomShape {
    std::size_t maxSatellites = 8;
    std::size_t maxTransponders = 6;  // per satellite
    std::size_t maxChannels = 6;      // per transponder
    std::size_t maxGroups = 6;
    std::size_t maxReferences = 30;  // per group
};

// A database as the editor may hold it after some editing, reproducible from `seed`:
// - every record byte random, with non-zero bits in every kept bit range and reserved field,
//   never both LNB frequencies 0 (so the reader's fill-in does not apply);
// - every settings byte non-zero, random start-up channels;
// - distinct channel numbers with gaps, not in tree order;
// - group references to channels, repeated ones, and ones naming no channel, all holding
//   stale list positions.
ChannelDatabase makeRandomDatabase(std::uint32_t seed, const RandomShape& shape = {});

// 360 satellites, 4000 transponders, 3900 channels, 25 groups of 3900 references (each group
// a shuffle of all channels), random record bytes as above.
ChannelDatabase makeFullCapacityDatabase(std::uint32_t seed = 1);

// The image writeImage gives for a copy of `db` (which must fit the image).
IrdImage makeImage(const ChannelDatabase& db);

// Recomputes the seven CRCs of `image` from the counts it holds (cut to the capacities), so a
// test can change a record and still hand over an image with sound CRCs.
void restampCrcs(IrdImage& image);

// Writes bytes to a file, replacing it; false when that fails.
bool writeBytes(const std::string& path, const std::uint8_t* data, std::size_t size);
inline bool writeBytes(const std::string& path, const IrdImage& bytes) {
    return writeBytes(path, bytes.data(), bytes.size());
}
std::vector<std::uint8_t> readBytes(const std::string& path);

// The first difference between two databases in plain words ("satellite 2 transponder 0
// byte 5: 0x12 vs 0x13"), or an empty text when they are equal. For readable test failures.
std::string firstDifference(const ChannelDatabase& a, const ChannelDatabase& b);

}  // namespace kavro::test
