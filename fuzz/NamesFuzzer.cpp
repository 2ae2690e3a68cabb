// Receiver names: any field of any width decodes, any text encodes into exactly its field, and
// what the field holds follows the coding rules whatever the text.
#include <algorithm>
#include <vector>

#include "FuzzSupport.h"
#include "arabic/ReceiverName.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace kavro;
    using namespace kavro::fuzz;
    FuzzInput in(data, size);
    const std::size_t width = 1 + in.byte() % 64;
    const std::span<const std::uint8_t> rest = in.rest();

    // The bytes as a stored field (zero-padded), decoded, stored again and decoded again.
    std::vector<std::uint8_t> field(width, 0);
    std::copy_n(rest.begin(), std::min(width, rest.size()), field.begin());
    const std::string shown = decodeReceiverName(field);
    require(shown.find('\0') == std::string::npos, "a decoded name without NUL bytes");

    // The bytes as typed text. The field has guard bytes on both sides: a write outside it
    // changes them.
    const std::string text(rest.begin(), rest.end());
    std::vector<std::uint8_t> guarded(width + 2, 0xA5);
    const NameField stored(guarded.data() + 1, width);
    encodeReceiverName(text, stored);
    require(guarded.front() == 0xA5 && guarded.back() == 0xA5, "encoding to stay inside the field");
    const std::string typed = text.substr(0, text.find('\0'));
    if (containsArabicLetter(typed)) {
        require(stored[0] == kArabicNameMarker, "an Arabic name to start with its marker");
        require(width < 2 || stored[width - 1] == 0, "an Arabic name to keep its last byte 0");
    } else {
        require(width == 0 || stored[0] != kArabicNameMarker ||
                    (!typed.empty() && typed.front() == '\x02'),
                "a name without Arabic letters not to take the Arabic marker");
    }
    std::vector<std::uint8_t> again(width, 0x5A);
    encodeReceiverName(text, again);
    require(std::equal(again.begin(), again.end(), stored.begin()),
            "encoding to depend on the text alone");
    decodeReceiverName(stored);

    // Printable ASCII without doubled blanks or markers reads back as typed, cut to the field.
    const bool plain =
        !typed.empty() && typed.size() <= width &&
        std::all_of(typed.begin(), typed.end(), [](char c) { return c >= 0x20 && c < 0x7F; }) &&
        typed.find("  ") == std::string::npos;
    if (plain) require(decodeReceiverName(stored) == typed, "a plain name to read back as typed");
    return 0;
}
