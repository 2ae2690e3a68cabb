#pragma once

#include <string>
#include <string_view>

#include "database/NameField.h"

namespace kavro {

// The receiver's coding of satellite, channel and group names. Text on this side is
// Windows-1256 in logical order; the field is plain Latin bytes, or 0x02 followed by the
// receiver's contextual glyph codes in visual order.

// Fills all of `field` (its size is the width: 20, 16 or 10).
void encodeReceiverName(std::string_view text, NameField field);

// The display text (Windows-1256) of a name field.
std::string decodeReceiverName(ConstNameField field);

// True when `text` holds at least one of the 36 Windows-1256 Arabic letters.
bool containsArabicLetter(std::string_view text);

// Whether a Windows-1256 byte joins the letter after it: 0 never, 1 hamza, 2 to the right
// only, 4 both ways.
int joiningClass(unsigned char c);

}  // namespace kavro
