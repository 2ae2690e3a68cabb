#pragma once

#include <cstddef>
#include <optional>

#include "database/ChannelDatabase.h"
#include "database/IrdImage.h"

namespace kavro {

// The first capacity of the receiver's image that the database goes beyond.
struct CapacityExceeded {
    int stringId;  // numbered message naming the limit
    std::size_t limit;
    std::size_t actual;
};

std::optional<CapacityExceeded> findCapacityExceeded(const ChannelDatabase& db);

// Builds a fresh image with all seven CRCs, renumbering into tree order: the image's four
// counts are the sizes of the lists and each group reference becomes the image position of the
// channel its number names. The database itself is never changed; re-read the image to see it
// as written. Returns nothing when the database does not fit the image.
std::optional<IrdImage> writeImage(const ChannelDatabase& db);

// The same with `settings` written in place of the database's own block (the counts are still
// the lists'), so a save can stamp its date into a copy.
std::optional<IrdImage> writeImage(const ChannelDatabase& db, const SettingsBlock& settings);

}  // namespace kavro
