#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "database/NameField.h"

namespace kavro {

// A group's reference to one channel: the channel's number, and the cached list positions
// that findChannel trusts and relinkGroups recomputes.
struct ChannelRef {
    std::uint16_t number = 0;
    std::uint16_t chIndex = 0;
    std::uint16_t tpIndex = 0;
    std::uint16_t satIndex = 0;

    friend bool operator==(const ChannelRef&, const ChannelRef&) = default;
};

// A favourites group: its 12-byte header (name and count) and its references.
class GroupRecord {
public:
    static constexpr std::size_t kHeaderSize = 12;
    static constexpr std::size_t kNameWidth = 10;

    GroupRecord() = default;
    static GroupRecord fromHeader(const std::uint8_t* header);

    std::array<std::uint8_t, kHeaderSize> header{};
    std::vector<ChannelRef> refs;

    NameField name() { return NameField(header.data(), kNameWidth); }
    ConstNameField name() const { return ConstNameField(header.data(), kNameWidth); }

    std::uint16_t count() const;
    void setCount(std::uint16_t n);
    // Sets `count` to the size of the reference list (every list change does this).
    void syncCount() { setCount(static_cast<std::uint16_t>(refs.size())); }

    friend bool operator==(const GroupRecord&, const GroupRecord&) = default;
};

}  // namespace kavro
