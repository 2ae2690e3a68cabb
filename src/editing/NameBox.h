#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "database/NameField.h"

namespace kavro {

// The Name box of the satellite, channel and group dialogs. The text is Windows-1256 as typed.
// A stored name that is Arabic-coded opens right-to-left and takes one character less, since
// its field also holds the coding marker.
struct NameBox {
    std::string opening;  // the name the dialog opened with ("New" when adding)
    std::string text;
    bool rightToLeft = false;
    std::size_t limit = 0;  // characters the box takes

    // `stored` is the record's name field (all zeros for a new record).
    static NameBox open(std::string openingName, ConstNameField stored);

    bool empty() const { return text.empty(); }
    // Case-sensitive, as the "Original" button compares.
    bool changed() const { return text != opening; }
    void restore() { text = opening; }
};

// "%d. %s" items of the "Satellite :" lists: 1-based position and decoded name.
std::string satelliteItem(std::size_t index, const std::string& name);

// A dialog title such as "   Edit satellite n\xB0 : %02d" filled with `number`.
std::string formatTitle(const char* pattern, std::size_t number);

}  // namespace kavro
