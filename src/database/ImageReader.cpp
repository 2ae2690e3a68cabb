#include "database/ImageReader.h"

#include <cstring>

#include "database/ByteOrder.h"

namespace kavro {
namespace {

// Counts beyond a region lie outside the format; reading them literally would walk off the
// region (or the image), so they are cut to the capacity and the cut is reported.
std::size_t clampCount(std::size_t count, std::size_t capacity, const char* what,
                       ImageReadReport* report) {
    if (count <= capacity) return count;
    if (report)
        report->clamps.push_back(std::string(what) + " " + std::to_string(count) +
                                 " exceeds the capacity " + std::to_string(capacity) +
                                 "; read as " + std::to_string(capacity));
    return capacity;
}

struct Placement {
    std::int32_t sat = -1;
    std::uint16_t tp = 0;
};

}  // namespace

int readImage(ChannelDatabase& db, const IrdImage* image, MessageSink& messages,
              ImageReadReport* report) {
    using namespace image;
    if (image == nullptr || image->size() < kReadExtent) return 0;
    const std::uint8_t* img = image->data();

    db.clear();
    if (readU32(img + kVersionOffset) != kDataVersion) {
        messages.showText("DATA version must be: 00008209 !!!");
        return 0;
    }

    std::memcpy(db.settings.data(), img + kSettingsOffset, kSettingsSize);
    for (std::size_t g = 0; g < kMaxGroups; ++g)
        db.startupChannels[g] = readU16(img + kStartupChannelsOffset + 2 * g);

    const std::size_t groupCount = clampCount(db.groupCount(), kMaxGroups, "groupCount", report);
    const std::size_t satCount = clampCount(db.satCount(), kMaxSatellites, "satCount", report);
    const std::size_t tpCount = clampCount(db.tpCount(), kMaxTransponders, "tpCount", report);
    const std::size_t chCount = clampCount(db.channelCount(), kMaxChannels, "channelCount", report);

    db.groups.reserve(groupCount);
    for (std::size_t g = 0; g < groupCount; ++g) {
        const std::uint8_t* slot = img + kGroupRegion + g * kGroupSlotSize;
        GroupRecord group = GroupRecord::fromHeader(slot);
        const std::string what = "group " + std::to_string(g + 1) + " count";
        const std::size_t n = clampCount(group.count(), kMaxGroupMembers, what.c_str(), report);
        group.refs.resize(n);
        for (std::size_t j = 0; j < n; ++j)
            group.refs[j].number = readU16(slot + GroupRecord::kHeaderSize + 2 * j);
        db.groups.push_back(std::move(group));
    }

    db.satellites.reserve(satCount);
    for (std::size_t s = 0; s < satCount; ++s) {
        SatelliteRecord sat = SatelliteRecord::fromBytes(img + kSatelliteRegion + s * 40);
        if (sat.lnbLow() == 0 && sat.lnbHigh() == 0) {
            if (sat.universalLnb()) {
                sat.setLnbLow(SatelliteRecord::kUniversalLow);
                sat.setLnbHigh(SatelliteRecord::kUniversalHigh);
            } else {
                sat.setLnbHigh(SatelliteRecord::kStandardHigh);
            }
        }
        db.satellites.push_back(std::move(sat));
    }

    std::vector<Placement> tpPlace(tpCount);
    for (std::size_t t = 0; t < tpCount; ++t) {
        TransponderRecord tp = TransponderRecord::fromBytes(img + kTransponderRegion + t * 16);
        const auto s = static_cast<std::size_t>(tp.satellite());
        if (s >= satCount) {
            if (report) ++report->droppedTransponders;
            continue;
        }
        tp.index = static_cast<std::uint16_t>(t);
        auto& list = db.satellites[s].transponders;
        tpPlace[t] = {static_cast<std::int32_t>(s), static_cast<std::uint16_t>(list.size())};
        list.push_back(std::move(tp));
    }

    // Where each kept channel went: (satellite, transponder, position), for the references.
    std::vector<ChannelRef> linked(chCount);
    std::vector<bool> kept(chCount, false);
    for (std::size_t c = 0; c < chCount; ++c) {
        ChannelRecord ch = ChannelRecord::fromBytes(img + kChannelRegion + c * 44);
        ch.number = static_cast<std::uint16_t>(c);
        const auto t = static_cast<std::size_t>(ch.transponder());
        if (t >= tpCount || tpPlace[t].sat < 0) {
            if (report) ++report->droppedChannels;
            continue;
        }
        const Placement& at = tpPlace[t];
        auto& list = db.satellites[static_cast<std::size_t>(at.sat)].transponders[at.tp].channels;
        linked[c] = {static_cast<std::uint16_t>(c), static_cast<std::uint16_t>(list.size()), at.tp,
                     static_cast<std::uint16_t>(at.sat)};
        kept[c] = true;
        list.push_back(std::move(ch));
    }

    // Every reference to a kept channel is linked, repeated ones included, so that no view
    // resolves a repeat through a stale position of 0 and takes over another channel's number.
    for (auto& group : db.groups) {
        for (ChannelRef& ref : group.refs) {
            if (ref.number < chCount && kept[ref.number]) {
                ref = linked[ref.number];
            } else if (report) {
                ++report->unlinkedReferences;
            }
        }
    }
    return 1;
}

}  // namespace kavro
