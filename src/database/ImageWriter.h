#pragma once

#include <cstddef>
#include <optional>

#include "database/ChannelDatabase.h"
#include "database/IrdImage.h"

namespace kavro {

// The first capacity of the receiver's image that the database goes beyond.
struct CapacityExceeded {
    int stringId;        // numbered message naming the limit
    std::size_t limit;
    std::size_t actual;
};

std::optional<CapacityExceeded> findCapacityExceeded(const ChannelDatabase& db);

// Builds a fresh image with all seven CRCs, renumbering into tree order. Recomputes the four
// counts and leaves the linked references holding image positions (reload after a save).
// Returns nothing, and changes nothing, when the database does not fit the image.
std::optional<IrdImage> writeImage(ChannelDatabase& db);

}  // namespace kavro
