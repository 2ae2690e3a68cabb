#include "arabic/ReceiverName.h"

#include <algorithm>
#include <cstdint>

#include "arabic/ArabicGlyphTables.h"

namespace kavro {
namespace {

using glyphs::LetterKind;

constexpr std::uint8_t kDegreeSign = 0xB0;
constexpr std::uint8_t kStoredDegreeSign = 0xBA;

bool isDigit(std::uint8_t c) {
    return c >= '0' && c <= '9';
}

// Names come from C-string fields and edit boxes: a NUL ends the text.
std::string_view untilNul(std::string_view text) {
    return text.substr(0, text.find('\0'));
}

std::uint8_t at(std::string_view text, std::size_t i) {
    return i < text.size() ? static_cast<std::uint8_t>(text[i]) : 0;
}

void encodeLatin(std::string_view text, NameField field) {
    const std::size_t n = std::min(field.size(), text.size());
    for (std::size_t i = 0; i < n; ++i) {
        const auto c = static_cast<std::uint8_t>(text[i]);
        field[i] = c == kDegreeSign ? kStoredDegreeSign : c;
    }
}

// Shapes the letters (contextual forms, lam-alef ligatures) in logical order, then mirrors the
// glyphs for the receiver's left-to-right display. Digit runs are written backwards first, so
// the mirroring puts them back in reading order. The last byte of the field always stays 0.
void encodeArabic(std::string_view text, NameField field) {
    const std::size_t width = field.size();
    field[0] = kArabicNameMarker;
    std::size_t p = 1;
    std::uint8_t previous = 0;
    const auto room = [&] { return p + 1 < width; };

    std::size_t i = 0;
    while (i < text.size() && room()) {
        const std::uint8_t c = at(text, i);
        const std::uint8_t next = at(text, i + 1);
        const bool endsWord = next == 0 || next == ' ' || next == glyphs::kHamza || isDigit(next);
        const bool joinsBefore = i > 0 && joiningClass(previous) == 4;

        if (c == glyphs::kLam) {
            if (const glyphs::LamAlefLigature* lig = glyphs::lamAlefLigature(next)) {
                field[p++] = joinsBefore ? lig->final : lig->isolated;
                previous = next;
                i += 2;
                continue;
            }
        }
        if (isDigit(c) && isDigit(next)) {
            std::size_t end = i;
            while (end < text.size() && isDigit(at(text, end))) ++end;
            for (std::size_t k = end; k > i && room(); --k) field[p++] = at(text, k - 1);
            previous = at(text, end - 1);
            i = end;
            continue;
        }

        const glyphs::LetterForms& forms = glyphs::letterForms(c);
        std::uint8_t out = c;
        if (forms.kind == LetterKind::FourForm) {
            if (joinsBefore)
                out = endsWord ? forms.final : forms.medial;
            else
                out = endsWord ? forms.isolated : forms.initial;
        } else if (forms.kind == LetterKind::TwoForm) {
            out = joinsBefore ? forms.final : forms.isolated;
        }
        field[p++] = out;
        previous = c;
        ++i;
    }
    std::reverse(field.begin() + 1, field.begin() + static_cast<std::ptrdiff_t>(p));
}

std::string decodeLatin1(ConstNameField field) {
    std::string out;
    for (std::uint8_t b : field) {
        if (b == 0x00 || b == kLatinNameMarker) continue;
        std::string_view folded = glyphs::foldLatin1(b);
        if (folded.empty())
            out += static_cast<char>(b);
        else
            out += folded;
    }
    return out;
}

// Reads the glyphs right to left, which gives the logical order back. A digit run was mirrored
// into reading order by the encoder, so it is copied left to right as one piece.
std::string decodeArabic(ConstNameField field) {
    std::string out;
    std::size_t i = field.size();
    while (i > 1) {
        --i;
        const std::uint8_t b = field[i];
        if (b == 0x00 || b == kArabicNameMarker) continue;
        if (b >= 0x30 && b <= 0x3F && i > 1 && isDigit(field[i - 1])) {
            std::size_t start = i - 1;
            while (start > 1 && isDigit(field[start - 1])) --start;
            for (std::size_t k = start; k <= i; ++k) out += static_cast<char>(field[k]);
            i = start;
            continue;
        }
        std::string_view letters = b >= 0x40 ? glyphs::decodeGlyph(b) : std::string_view{};
        if (letters.empty())
            out += static_cast<char>(b);
        else
            out += letters;
    }
    return out;
}

std::string decodePlain(ConstNameField field) {
    std::string out;
    for (std::uint8_t b : field) {
        if (b < 0x20) continue;  // a NUL does not end the name: bytes after it still show
        out += static_cast<char>(b == kStoredDegreeSign ? kDegreeSign : b);
    }
    return out;
}

// Each pair of spaces becomes one, in one pass: four spaces become two, three become two.
std::string collapseSpacePairs(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        out += text[i];
        if (text[i] == ' ' && i + 1 < text.size() && text[i + 1] == ' ') ++i;
    }
    return out;
}

}  // namespace

void encodeReceiverName(std::string_view text, NameField field) {
    std::fill(field.begin(), field.end(), std::uint8_t{0});
    if (field.empty()) return;
    text = untilNul(text);
    if (containsArabicLetter(text))
        encodeArabic(text, field);
    else
        encodeLatin(text, field);
}

std::string decodeReceiverName(ConstNameField field) {
    if (field.empty()) return {};
    switch (field[0]) {
        case kLatinNameMarker:
            return collapseSpacePairs(decodeLatin1(field));
        case kArabicNameMarker:
            return collapseSpacePairs(decodeArabic(field));
        default:
            return collapseSpacePairs(decodePlain(field));
    }
}

bool containsArabicLetter(std::string_view text) {
    return std::any_of(text.begin(), text.end(), [](char ch) {
        const auto c = static_cast<std::uint8_t>(ch);
        return (c >= 0xC1 && c <= 0xD6) || (c >= 0xD8 && c <= 0xDB) || (c >= 0xDD && c <= 0xDF) ||
               c == 0xE1 || (c >= 0xE3 && c <= 0xE6) || c == 0xEC || c == 0xED;
    });
}

int joiningClass(unsigned char c) {
    if (c == 0 || c == ' ' || isDigit(c)) return 0;
    switch (c) {
        case 0xC1:
            return 1;
        case 0xC2:
        case 0xC3:
        case 0xC4:
        case 0xC5:
        case 0xC7:
        case 0xC9:
        case 0xCF:
        case 0xD0:
        case 0xD1:
        case 0xD2:
        case 0xE6:
        case 0xEC:
            return 2;
        default:
            return 4;
    }
}

}  // namespace kavro
