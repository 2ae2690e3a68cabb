#pragma once

#include <string>
#include <string_view>

namespace kavro {

// Case rules of the program's Windows-1256 texts: only the Latin letters a-z / A-Z have a case
// here; every other byte (Arabic letters included) compares as it is.

// The text with a-z turned into A-Z.
std::string upperAscii(std::string_view text);

// True when the two texts are equal apart from the case of Latin letters.
bool equalsIgnoringAsciiCase(std::string_view a, std::string_view b);

}  // namespace kavro
