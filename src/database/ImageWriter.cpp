#include "database/ImageWriter.h"

#include <cstring>

#include "database/ByteOrder.h"
#include "database/ChannelNumberIndex.h"
#include "database/Crc32Mpeg2.h"
#include "messages/StringIds.h"

namespace kavro {
namespace {

void writeHeader(std::uint8_t* img) {
    writeU32(img + 0x00, image::kMagic);
    std::memcpy(img + 0x04, "Kavro", 5);
    writeU32(img + image::kVersionOffset, image::kDataVersion);
    writeU32(img + 0x1C, static_cast<std::uint32_t>(image::kSize - image::kHeaderSize));
    std::memcpy(img + 0x20, "KVS1", 4);
    const std::uint8_t s1[] = {0, 0, 'S', '1'};
    std::memcpy(img + 0x24, s1, 4);
    std::memcpy(img + 0x28, "90CN", 4);
    std::memset(img + 0x30, 'A', 11);
    writeU32(img + 0x3C, 0x838);
}

}  // namespace

std::optional<CapacityExceeded> findCapacityExceeded(const ChannelDatabase& db) {
    using namespace image;
    if (db.satellites.size() > kMaxSatellites)
        return CapacityExceeded{strings::TooManySatellites, kMaxSatellites, db.satellites.size()};
    if (auto n = db.transponderTotal(); n > kMaxTransponders)
        return CapacityExceeded{strings::TooManyTransponders, kMaxTransponders, n};
    if (auto n = db.channelTotal(); n > kMaxChannels)
        return CapacityExceeded{strings::TooManyChannels, kMaxChannels, n};
    if (db.groups.size() > kMaxGroups)
        return CapacityExceeded{strings::TooManyGroups, kMaxGroups, db.groups.size()};
    for (const auto& g : db.groups)
        if (g.refs.size() > kMaxGroupMembers)
            return CapacityExceeded{strings::TooManyGroupMembers, kMaxGroupMembers, g.refs.size()};
    return std::nullopt;
}

std::optional<IrdImage> writeImage(const ChannelDatabase& db) {
    return writeImage(db, db.settings);
}

std::optional<IrdImage> writeImage(const ChannelDatabase& db, const SettingsBlock& settings) {
    using namespace image;
    if (findCapacityExceeded(db)) return std::nullopt;

    IrdImage out(kSize, 0);
    std::uint8_t* img = out.data();
    writeHeader(img);

    std::size_t t = 0, c = 0;
    for (std::size_t s = 0; s < db.satellites.size(); ++s) {
        const SatelliteRecord& sat = db.satellites[s];
        std::memcpy(img + kSatelliteRegion + s * 40, sat.bytes.data(), SatelliteRecord::kSize);
        for (const TransponderRecord& tp : sat.transponders) {
            std::uint8_t* tpSlot = img + kTransponderRegion + t * 16;
            std::memcpy(tpSlot, tp.bytes.data(), TransponderRecord::kSize);
            writeU16(tpSlot, static_cast<std::uint16_t>((tp.tpFlags() & 0xFC00) | (s * 2)));
            for (const ChannelRecord& ch : tp.channels) {
                std::uint8_t* chSlot = img + kChannelRegion + c * 44;
                std::memcpy(chSlot, ch.bytes.data(), ChannelRecord::kSize);
                writeU16(chSlot, static_cast<std::uint16_t>((ch.chFlags() & 0xF000) | (t & 0xFFF)));
                ++c;
            }
            ++t;
        }
    }
    // Each reference is written as the image position of the channel its number names, so a
    // repeated or stale reference never turns into channel 0; a reference naming no channel
    // is left out and the written count follows.
    ChannelNumberIndex index(db);
    for (std::size_t g = 0; g < db.groups.size(); ++g) {
        const GroupRecord& group = db.groups[g];
        std::uint8_t* slot = img + kGroupRegion + g * kGroupSlotSize;
        std::memcpy(slot, group.header.data(), GroupRecord::kHeaderSize);
        std::uint16_t written = 0;
        for (const ChannelRef& ref : group.refs) {
            const auto* pos = index.find(ref.number);
            if (!pos) continue;
            writeU16(slot + GroupRecord::kHeaderSize + 2 * written, pos->imageChannel);
            ++written;
        }
        writeU16(slot + 10, written);
    }

    std::uint8_t* block = img + kSettingsOffset;
    std::memcpy(block, settings.data(), kSettingsSize);
    block[kGroupCountAt] = static_cast<std::uint8_t>(db.groups.size());
    writeU16(block + kSatCountAt, static_cast<std::uint16_t>(db.satellites.size()));
    writeU16(block + kTpCountAt, static_cast<std::uint16_t>(t));
    writeU16(block + kChannelCountAt, static_cast<std::uint16_t>(c));
    for (std::size_t g = 0; g < kMaxGroups; ++g)
        writeU16(img + kStartupChannelsOffset + 2 * g, db.startupChannels[g]);

    // A whole-region CRC starts with the bytes of its used part, so it continues from that
    // part's CRC instead of reading them again.
    std::uint32_t previousUsed = 0;
    std::size_t previousUsedLength = 0;
    for (const ImageCrc& crc : imageCrcLayout(db.groups.size(), c, t)) {
        std::uint32_t value;
        if (!crc.usedPartOnly && previousUsedLength > 0 && previousUsedLength <= crc.length) {
            value = crc32Mpeg2(img + crc.start + previousUsedLength,
                               crc.length - previousUsedLength, previousUsed);
        } else {
            value = crc32Mpeg2(img + crc.start, crc.length);
        }
        writeU32(img + crc.storedAt, value);
        previousUsed = value;
        previousUsedLength = crc.usedPartOnly ? crc.length : 0;
    }
    return out;
}

}  // namespace kavro
