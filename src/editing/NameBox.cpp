#include "editing/NameBox.h"

#include <cstdio>

namespace kavro {

NameBox NameBox::open(std::string openingName, ConstNameField stored) {
    NameBox box;
    box.rightToLeft = !stored.empty() && stored[0] == kArabicNameMarker;
    box.limit = stored.size() - (box.rightToLeft ? 2 : 1);
    box.opening = std::move(openingName);
    box.text = box.opening;
    return box;
}

std::string satelliteItem(std::size_t index, const std::string& name) {
    return std::to_string(index + 1) + ". " + name;
}

std::string formatTitle(const char* pattern, std::size_t number) {
    char out[96];
    std::snprintf(out, sizeof out, pattern, static_cast<int>(number));
    return out;
}

}  // namespace kavro
