#pragma once

#include <string>
#include <string_view>

namespace kavro {

// The one pair of conversions between the core's Windows-1256 text and Unicode (UTF-8) at the
// edges: display in the GUI and CLI, and user input.

std::string windows1256ToUtf8(std::string_view text);

// Characters that Windows-1256 cannot hold become `replacement`.
std::string utf8ToWindows1256(std::string_view utf8, char replacement = '?');

}  // namespace kavro
