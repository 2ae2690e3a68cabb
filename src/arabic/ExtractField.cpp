#include "arabic/ExtractField.h"

namespace kavro {

std::string_view extractField(std::string_view text, int index, std::string_view delimiter) {
    if (delimiter.empty() || index < 0) return {};
    for (int i = 0; i < index; ++i) {
        const std::size_t at = text.find(delimiter);
        if (at == std::string_view::npos) return {};
        text.remove_prefix(at + delimiter.size());
    }
    return text.substr(0, text.find(delimiter));
}

}  // namespace kavro
