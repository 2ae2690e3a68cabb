#include "arabic/Windows1256.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <utility>

namespace kavro {
namespace {

// Unicode of the bytes 0x80..0xFF; 0x00..0x7F are ASCII. The code page defines all 128 upper
// bytes (its last gaps were filled with Persian and Urdu letters and the direction marks), so
// every byte has a character of its own and every byte round-trips.
// clang-format off
constexpr std::array<char16_t, 128> kUpperHalf = {
    // 0x80
    0x20AC, 0x067E, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0679, 0x2039, 0x0152, 0x0686, 0x0698, 0x0688,
    // 0x90
    0x06AF, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x06A9, 0x2122, 0x0691, 0x203A, 0x0153, 0x200C, 0x200D, 0x06BA,
    // 0xA0
    0x00A0, 0x060C, 0x00A2, 0x00A3, 0x00A4, 0x00A5, 0x00A6, 0x00A7,
    0x00A8, 0x00A9, 0x06BE, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x00AF,
    // 0xB0
    0x00B0, 0x00B1, 0x00B2, 0x00B3, 0x00B4, 0x00B5, 0x00B6, 0x00B7,
    0x00B8, 0x00B9, 0x061B, 0x00BB, 0x00BC, 0x00BD, 0x00BE, 0x061F,
    // 0xC0
    0x06C1, 0x0621, 0x0622, 0x0623, 0x0624, 0x0625, 0x0626, 0x0627,
    0x0628, 0x0629, 0x062A, 0x062B, 0x062C, 0x062D, 0x062E, 0x062F,
    // 0xD0
    0x0630, 0x0631, 0x0632, 0x0633, 0x0634, 0x0635, 0x0636, 0x00D7,
    0x0637, 0x0638, 0x0639, 0x063A, 0x0640, 0x0641, 0x0642, 0x0643,
    // 0xE0
    0x00E0, 0x0644, 0x00E2, 0x0645, 0x0646, 0x0647, 0x0648, 0x00E7,
    0x00E8, 0x00E9, 0x00EA, 0x00EB, 0x0649, 0x064A, 0x00EE, 0x00EF,
    // 0xF0
    0x064B, 0x064C, 0x064D, 0x064E, 0x00F4, 0x064F, 0x0650, 0x00F7,
    0x0651, 0x00F9, 0x0652, 0x00FB, 0x00FC, 0x200E, 0x200F, 0x06D2,
};
// clang-format on

using ReverseEntry = std::pair<char16_t, std::uint8_t>;

// The upper half sorted by code point, for the way back.
constexpr std::array<ReverseEntry, 128> makeReverse() {
    std::array<ReverseEntry, 128> r{};
    for (std::size_t i = 0; i < 128; ++i)
        r[i] = {kUpperHalf[i], static_cast<std::uint8_t>(0x80 + i)};
    std::sort(r.begin(), r.end());
    return r;
}
constexpr std::array<ReverseEntry, 128> kReverse = makeReverse();

constexpr bool noDuplicates() {
    for (std::size_t i = 1; i < kReverse.size(); ++i)
        if (kReverse[i - 1].first == kReverse[i].first) return false;
    return true;
}
static_assert(noDuplicates(), "two bytes share one character");

void appendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

constexpr char32_t kInvalid = 0xFFFFFFFF;

// Decodes one character at `pos` and advances past it (never beyond the end). A malformed
// sequence yields kInvalid; a sequence cut short by a byte that is no continuation byte stops
// before that byte, so the character that follows is not swallowed.
char32_t nextCodePoint(std::string_view s, std::size_t& pos) {
    const auto byte = [&](std::size_t i) { return static_cast<std::uint8_t>(s[i]); };
    const std::uint8_t lead = byte(pos);
    if (lead < 0x80) {
        ++pos;
        return lead;
    }
    int length = 0;
    char32_t cp = 0;
    char32_t min = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, cp = lead & 0x1F, min = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, cp = lead & 0x0F, min = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, cp = lead & 0x07, min = 0x10000;
    } else {
        ++pos;  // continuation byte without a lead, 0xC0/0xC1 overlong leads, 0xF5..0xFF
        return kInvalid;
    }
    std::size_t i = pos + 1;
    for (int k = 1; k < length; ++k, ++i) {
        if (i >= s.size() || (byte(i) & 0xC0) != 0x80) {
            pos = i;
            return kInvalid;
        }
        cp = (cp << 6) | (byte(i) & 0x3F);
    }
    pos = i;
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return kInvalid;
    return cp;
}

}  // namespace

std::string windows1256ToUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size() * 2);
    for (char c : text) {
        const auto b = static_cast<std::uint8_t>(c);
        appendUtf8(out, b < 0x80 ? char32_t{b} : char32_t{kUpperHalf[b - 0x80]});
    }
    return out;
}

std::string utf8ToWindows1256(std::string_view utf8, char replacement) {
    std::string out;
    out.reserve(utf8.size());
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        const char32_t cp = nextCodePoint(utf8, pos);
        if (cp < 0x80) {
            out += static_cast<char>(cp);
            continue;
        }
        auto it =
            std::lower_bound(kReverse.begin(), kReverse.end(), cp,
                             [](const ReverseEntry& e, char32_t key) { return e.first < key; });
        out +=
            (it != kReverse.end() && it->first == cp) ? static_cast<char>(it->second) : replacement;
    }
    return out;
}

}  // namespace kavro
