#pragma once

#include <string>

#include "database/ChannelDatabase.h"
#include "database/IrdImage.h"

namespace kavro::test {

// The image of the demo database as writeImage builds it (no date stamp).
IrdImage demoImage();

// Writes `image` to `path`; fails the current test when that is not possible.
void writeImageFile(const std::string& path, const IrdImage& image);

// The database in `path` as the editor opens it; fails the current test when it cannot.
ChannelDatabase readDatabase(const std::string& path);

// True when `text` holds `part`.
inline bool contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

}  // namespace kavro::test
