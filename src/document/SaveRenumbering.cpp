#include "document/SaveRenumbering.h"

namespace kavro {
namespace {

std::uint32_t packed(std::uint8_t b0, std::uint8_t b1, std::uint16_t value) {
    return static_cast<std::uint32_t>(b0) | (static_cast<std::uint32_t>(b1) << 8) |
           (static_cast<std::uint32_t>(value) << 16);
}

// Everything the reload after a save may change, blanked, so the rest can be compared.
ChannelDatabase withoutSaveFields(const ChannelDatabase& db) {
    ChannelDatabase copy = db;
    copy.settings = {};
    copy.groups.clear();
    for (auto& sat : copy.satellites)
        for (auto& tp : sat.transponders) {
            tp.bytes[0] = tp.bytes[1] = 0;
            tp.index = 0;
            for (auto& ch : tp.channels) {
                ch.bytes[0] = ch.bytes[1] = 0;
                ch.number = 0;
            }
        }
    return copy;
}

}  // namespace

SaveRenumbering::Fields SaveRenumbering::Fields::of(const ChannelDatabase& db) {
    Fields f;
    f.settings = db.settings;
    for (const auto& sat : db.satellites)
        for (const auto& tp : sat.transponders) {
            f.transponders.push_back(packed(tp.bytes[0], tp.bytes[1], tp.index));
            for (const auto& ch : tp.channels)
                f.channels.push_back(packed(ch.bytes[0], ch.bytes[1], ch.number));
        }
    f.groups = db.groups;
    return f;
}

void SaveRenumbering::Fields::applyTo(ChannelDatabase& db) const {
    db.settings = settings;
    std::size_t t = 0, c = 0;
    for (auto& sat : db.satellites)
        for (auto& tp : sat.transponders) {
            const std::uint32_t tv = transponders[t++];
            tp.bytes[0] = static_cast<std::uint8_t>(tv);
            tp.bytes[1] = static_cast<std::uint8_t>(tv >> 8);
            tp.index = static_cast<std::uint16_t>(tv >> 16);
            for (auto& ch : tp.channels) {
                const std::uint32_t cv = channels[c++];
                ch.bytes[0] = static_cast<std::uint8_t>(cv);
                ch.bytes[1] = static_cast<std::uint8_t>(cv >> 8);
                ch.number = static_cast<std::uint16_t>(cv >> 16);
            }
        }
    db.groups = groups;
}

std::optional<SaveRenumbering> SaveRenumbering::between(const ChannelDatabase& before,
                                                        const ChannelDatabase& after) {
    if (!(withoutSaveFields(before) == withoutSaveFields(after))) return std::nullopt;
    SaveRenumbering r;
    r.before_ = Fields::of(before);
    r.after_ = Fields::of(after);
    return r;
}

}  // namespace kavro
