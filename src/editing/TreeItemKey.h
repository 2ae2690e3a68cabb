#pragma once

#include <cstdint>

namespace kavro {

// What a tree item stands for, as the tree hands it to the channel list, the dialogs and Find.
// Packed into 32 bits: bits 0-11 satIndex, bits 12-15 kind, bits 16-31 subIndex.
//
//   root                  (Root, 0xFFF, 0xFFFF)
//   "Satellites" header   (SatelliteSide, 0xFFF, 0xFFFF)
//   satellite s           (SatelliteSide, s, 0xFFFF)
//   transponder t of s    (SatelliteSide, s, t)
//   "Groups" header       (GroupSide, 0xFFF, 0xFFFF)
//   group g               (GroupSide, k, g) with k its group kind, 0xFFF when predefined
struct TreeItemKey {
    enum Kind : std::uint16_t { Root = 0, SatelliteSide = 1, GroupSide = 2, NoItem = 0xFF };
    static constexpr std::uint16_t kHeader = 0xFFF;  // satIndex of the root and the headers
    static constexpr std::uint16_t kNone = 0xFFFF;   // subIndex of root, headers, satellites

    std::uint16_t kind = NoItem;
    std::uint16_t satIndex = kHeader;
    std::uint16_t subIndex = kNone;

    static constexpr TreeItemKey root() { return {Root, kHeader, kNone}; }
    static constexpr TreeItemKey satellitesHeader() { return {SatelliteSide, kHeader, kNone}; }
    static constexpr TreeItemKey satellite(std::uint16_t s) { return {SatelliteSide, s, kNone}; }
    static constexpr TreeItemKey transponder(std::uint16_t s, std::uint16_t t) {
        return {SatelliteSide, s, t};
    }
    static constexpr TreeItemKey groupsHeader() { return {GroupSide, kHeader, kNone}; }
    // `kind` is the group's kind when not negative; pass kHeader for a predefined group.
    static constexpr TreeItemKey group(std::uint16_t kind, std::uint16_t g) {
        return {GroupSide, kind, g};
    }
    // What the tree reports with nothing selected.
    static constexpr TreeItemKey none() { return {NoItem, kHeader, kNone}; }

    constexpr std::uint32_t pack() const {
        return (static_cast<std::uint32_t>(subIndex) << 16) |
               (static_cast<std::uint32_t>(kind & 0xF) << 12) | (satIndex & 0xFFFu);
    }
    static constexpr TreeItemKey unpack(std::uint32_t data) {
        return {static_cast<std::uint16_t>((data >> 12) & 0xF),
                static_cast<std::uint16_t>(data & 0xFFF), static_cast<std::uint16_t>(data >> 16)};
    }

    // The "Satellites" header, a satellite or a transponder.
    constexpr bool inSatelliteBranch() const { return kind == SatelliteSide; }

    friend constexpr bool operator==(const TreeItemKey&, const TreeItemKey&) = default;
};

}  // namespace kavro
