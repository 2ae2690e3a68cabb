#include "database/Crc32Mpeg2.h"

#include <array>

namespace kavro {
namespace {

// Slicing by 8: the whole-region CRCs cover ~460 KB on every save and download.
using Tables = std::array<std::array<std::uint32_t, 256>, 8>;

constexpr Tables makeTables() {
    Tables t{};
    for (std::uint32_t i = 0; i < 256; ++i) {
        std::uint32_t c = i << 24;
        for (int k = 0; k < 8; ++k) c = (c & 0x80000000u) ? (c << 1) ^ 0x04C11DB7u : (c << 1);
        t[0][i] = c;
    }
    for (std::uint32_t i = 0; i < 256; ++i)
        for (int s = 1; s < 8; ++s) t[s][i] = (t[s - 1][i] << 8) ^ t[0][t[s - 1][i] >> 24];
    return t;
}

constexpr Tables kTables = makeTables();

}  // namespace

std::uint32_t crc32Mpeg2(const std::uint8_t* p, std::size_t n, std::uint32_t crc) {
    const auto& t = kTables;
    while (n >= 8) {
        std::uint32_t hi = crc ^ (std::uint32_t(p[0]) << 24 | std::uint32_t(p[1]) << 16 |
                                  std::uint32_t(p[2]) << 8 | p[3]);
        crc = t[7][hi >> 24] ^ t[6][(hi >> 16) & 0xFF] ^ t[5][(hi >> 8) & 0xFF] ^
              t[4][hi & 0xFF] ^ t[3][p[4]] ^ t[2][p[5]] ^ t[1][p[6]] ^ t[0][p[7]];
        p += 8;
        n -= 8;
    }
    while (n--) crc = (crc << 8) ^ t[0][(crc >> 24) ^ *p++];
    return crc;
}

}  // namespace kavro
