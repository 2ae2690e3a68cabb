#pragma once

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

// Little-endian access to the receiver's byte layouts.
namespace kavro {

inline std::uint16_t readU16(const std::uint8_t* p) {
    return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}

inline std::uint32_t readU32(const std::uint8_t* p) {
    return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
           (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

inline void writeU16(std::uint8_t* p, std::uint16_t v) {
    p[0] = static_cast<std::uint8_t>(v);
    p[1] = static_cast<std::uint8_t>(v >> 8);
}

inline void writeU32(std::uint8_t* p, std::uint32_t v) {
    p[0] = static_cast<std::uint8_t>(v);
    p[1] = static_cast<std::uint8_t>(v >> 8);
    p[2] = static_cast<std::uint8_t>(v >> 16);
    p[3] = static_cast<std::uint8_t>(v >> 24);
}

// A fixed-width text field: the text runs to the first NUL or to the field's end.
inline std::string readFixedText(const std::uint8_t* p, std::size_t width) {
    const char* text = reinterpret_cast<const char*>(p);
    return std::string(text, strnlen(text, width));
}

// Zero-fills the field, then copies as much of `text` as fits.
inline void writeFixedText(std::uint8_t* p, std::size_t width, std::string_view text) {
    std::memset(p, 0, width);
    std::memcpy(p, text.data(), std::min(width, text.size()));
}

}  // namespace kavro
