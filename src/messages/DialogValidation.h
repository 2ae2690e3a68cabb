#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

#include "messages/MessageSink.h"

namespace kavro {

// Number boxes are read the way the dialogs' data exchange reads them: blanks around the
// number are allowed, anything else in the box makes it "not a number". An unsigned box takes
// no minus sign. A value too large for 64 bits is not a number either.
std::optional<long long> parseIntegerText(std::string_view text);
std::optional<unsigned long long> parseUnsignedText(std::string_view text);

// One box of a dialog: the value, or nothing after reporting the standard message through
// `messages` ("Please enter an integer." / "Please enter a positive integer." when the box
// holds no number, "Please enter an integer between %1 and %2." when it is out of range).
std::optional<long long> validateInteger(std::string_view text, long long min, long long max,
                                         MessageSink& messages);
std::optional<unsigned long long> validateUnsigned(std::string_view text, unsigned long long min,
                                                   unsigned long long max, MessageSink& messages);

// A text box with a length limit (in Windows-1256 characters, i.e. bytes): false after
// "Please enter no more than %1 characters." when the text is longer.
bool validateMaxChars(std::string_view text, std::size_t max, MessageSink& messages);

}  // namespace kavro
