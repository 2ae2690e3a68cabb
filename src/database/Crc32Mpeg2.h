#pragma once

#include <cstddef>
#include <cstdint>

namespace kavro {

// CRC-32/MPEG-2: polynomial 0x04C11DB7, MSB first, preset 0xFFFFFFFF, no reflection,
// no final inversion. The receiver checks its image regions with it.
std::uint32_t crc32Mpeg2(const std::uint8_t* data, std::size_t length,
                         std::uint32_t crc = 0xFFFFFFFFu);

}  // namespace kavro
