#pragma once

#include <string_view>

namespace kavro {

// The `index`-th field of `text` split at `delimiter` (a text, not a single character): the
// text after `index` delimiters up to the next one or the end. Empty when the text holds fewer
// delimiters than `index`, or when `delimiter` is empty.
//   extractField("A|B|", 1, "|") == "B";  extractField("A", 1, "|") == ""
std::string_view extractField(std::string_view text, int index, std::string_view delimiter);

}  // namespace kavro
