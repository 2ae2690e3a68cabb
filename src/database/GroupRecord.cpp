#include "database/GroupRecord.h"

#include <cstring>

#include "database/ByteOrder.h"

namespace kavro {

GroupRecord GroupRecord::fromHeader(const std::uint8_t* src) {
    GroupRecord g;
    std::memcpy(g.header.data(), src, kHeaderSize);
    return g;
}

std::uint16_t GroupRecord::count() const { return readU16(&header[10]); }
void GroupRecord::setCount(std::uint16_t n) { writeU16(&header[10], n); }

}  // namespace kavro
