#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace kavro {

// A fixed-width receiver name field inside a record's bytes. Coded and decoded by
// encodeReceiverName / decodeReceiverName (src/arabic).
using NameField = std::span<std::uint8_t>;
using ConstNameField = std::span<const std::uint8_t>;

// First byte of a name field: how the rest is coded.
inline constexpr std::uint8_t kArabicNameMarker = 0x02;
inline constexpr std::uint8_t kLatinNameMarker = 0x05;

}  // namespace kavro
