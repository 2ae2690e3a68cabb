#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "database/IrdImage.h"

namespace kavro {

// A consistency check of an image as a file or the receiver holds it, for `kavro-cli check`
// and `kavro-cli info`. It never changes anything and never reads outside the given bytes,
// whatever they hold.
//
// What it looks at, in this order:
//   1. the file checks the opener makes: length below 0x90040, data version at 0x14, magic at 0
//      (a length other than 0xA0040 is only a note);
//   2. the four counts of the settings block against the capacities, and every read group's
//      count against its 3900 slots (the reader cuts them to fit);
//   3. the seven CRCs, each at its position, computed with the counts as the reader uses them;
//   4. cross-references: a transponder naming a satellite not below satCount, a channel naming
//      a transponder not below tpCount (or one that is dropped), a group slot naming a channel
//      not below channelCount;
//   5. when the reader can run, a note of what it reads and of references left unlinked.
// Long runs of one kind of cross-reference problem are listed up to a limit, then summed up.

// One of the seven CRCs: where it stands and what it should be.
struct ImageCrcCheck {
    ImageCrc crc;          // region, range and position (imageCrcLayout)
    bool checked = false;  // false when the image ends before the range or its position
    std::uint32_t stored = 0;
    std::uint32_t expected = 0;
    bool matches() const { return checked && stored == expected; }
};

struct ImageCheckResult {
    std::vector<std::string> problems;  // plain English, one finding per line; empty = sound
    std::vector<std::string> notes;     // worth knowing, not a fault
    std::vector<ImageCrcCheck> crcs;    // all seven, in the order the writer computes them
    bool fileAccepted = false;          // length, version and magic pass the opener's checks

    bool ok() const { return problems.empty(); }
};

// Checks `size` bytes at `data`. `fileLength` is the length of the file they came from when
// only its start was loaded (0: the bytes are the whole file).
ImageCheckResult checkImage(const std::uint8_t* data, std::size_t size, std::size_t fileLength = 0);

inline ImageCheckResult checkImage(const IrdImage& image) {
    return checkImage(image.data(), image.size());
}

// Loads the start of the file at `path` (no more than the image size: the checks look at
// nothing beyond) and checks it. A file that cannot be opened or read is one problem line
// naming the path and the reason.
ImageCheckResult checkImageFile(const std::string& path);

}  // namespace kavro
