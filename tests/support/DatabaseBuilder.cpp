#include "DatabaseBuilder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <fstream>
#include <numeric>
#include <random>

#include "database/ByteOrder.h"
#include "database/Crc32Mpeg2.h"
#include "database/ImageWriter.h"

namespace kavro::test {

void setPlainName(NameField field, std::string_view text) {
    std::fill(field.begin(), field.end(), std::uint8_t{0});
    std::memcpy(field.data(), text.data(), std::min(text.size(), field.size()));
}

DatabaseBuilder& DatabaseBuilder::satellite(std::string_view name, double degrees, bool west) {
    SatelliteRecord& sat = db_.satellites.emplace_back();
    setPlainName(sat.name(), name);
    sat.setWest(west);
    sat.setPositionDegrees(degrees);
    return *this;
}

DatabaseBuilder& DatabaseBuilder::transponder(std::uint16_t mhz, int pol, std::uint16_t ksps) {
    if (db_.satellites.empty()) satellite("Satellite");
    TransponderRecord& tp = db_.satellites.back().transponders.emplace_back();
    tp.setSatellite(static_cast<int>(db_.satellites.size() - 1));
    tp.setFrequency(mhz);
    tp.setPolarisation(pol);
    tp.setSymbolRate(ksps);
    return *this;
}

DatabaseBuilder& DatabaseBuilder::channel(std::string_view name, int type) {
    if (db_.satellites.empty() || db_.satellites.back().transponders.empty()) transponder(11000);
    ChannelRecord& ch = db_.satellites.back().transponders.back().channels.emplace_back();
    setPlainName(ch.name(), name);
    ch.setServiceType(type);
    ch.setServiceId(static_cast<std::uint16_t>(100 + nextNumber_));
    ch.number = nextNumber_++;
    return *this;
}

DatabaseBuilder& DatabaseBuilder::group(std::string_view name, std::vector<std::uint16_t> numbers) {
    GroupRecord& g = db_.groups.emplace_back();
    setPlainName(g.name(), name);
    for (std::uint16_t n : numbers) g.refs.push_back(ChannelRef{n, 0, 0, 0});
    g.syncCount();
    return *this;
}

ChannelDatabase DatabaseBuilder::build() const {
    ChannelDatabase db = db_;
    std::uint16_t t = 0;  // image positions in tree order, as a read leaves them
    for (auto& sat : db.satellites)
        for (auto& tp : sat.transponders) {
            for (auto& ch : tp.channels) ch.setTransponder(t);
            tp.index = t++;
        }
    db.setGroupCount(static_cast<std::uint8_t>(db.groups.size()));
    db.setSatCount(static_cast<std::uint16_t>(db.satellites.size()));
    db.setTpCount(t);
    db.setChannelCount(static_cast<std::uint16_t>(db.channelTotal()));
    db.relinkGroups();
    return db;
}

namespace {

using Rng = std::mt19937;

std::uint16_t u16(Rng& rng) {
    return static_cast<std::uint16_t>(rng());
}

// Random bytes with the given bits set (offset, bits, offset, bits ...), so that losing any kept
// bit range or reserved field on the way through the image shows.
template <typename Record>
Record randomRecord(Rng& rng, std::initializer_list<unsigned> set) {
    Record r;
    for (auto& b : r.bytes) b = static_cast<std::uint8_t>(rng());
    for (auto it = set.begin(); it != set.end(); it += 2) r.bytes[it[0]] |= it[1];
    return r;
}

// satFlags and satFlags2 bits 0 and 15, lnbFlags bit 2; reserved 26, 30, 32, 38-39.
SatelliteRecord randomSatellite(Rng& rng) {
    auto sat = randomRecord<SatelliteRecord>(
        rng, {0, 1, 1, 0x80, 2, 1, 3, 0x80, 26, 1, 28, 4, 30, 1, 32, 1, 38, 1, 39, 0x80});
    if (sat.lnbHigh() == 0) sat.setLnbHigh(1);  // keep the reader's LNB fill-in out of the way
    return sat;
}

TransponderRecord randomTransponder(Rng& rng) {  // reserved 2-3 and 8-9; a stale index
    auto tp = randomRecord<TransponderRecord>(rng, {2, 0x01, 3, 0x80, 8, 0x01, 9, 0x80});
    tp.index = u16(rng);
    return tp;
}

ChannelRecord randomChannel(Rng& rng) {  // chFlags bit 15, chFlags2 bits 1-2, reserved 3
    return randomRecord<ChannelRecord>(rng, {1, 0x80, 2, 0x06, 3, 0x01});
}

ChannelDatabase withRandomSettings(Rng& rng) {
    ChannelDatabase db;
    for (auto& b : db.settings) b = static_cast<std::uint8_t>(1 + rng() % 255);
    for (auto& c : db.startupChannels) c = u16(rng);
    return db;
}

// A group with a random header and the given numbers, each with stale list positions.
GroupRecord randomGroup(Rng& rng, const std::vector<std::uint16_t>& numbers) {
    GroupRecord g;
    for (auto& b : g.header) b = static_cast<std::uint8_t>(rng());
    for (std::uint16_t n : numbers) g.refs.push_back(ChannelRef{n, u16(rng), u16(rng), u16(rng)});
    g.syncCount();
    return g;
}

std::string hex(const auto& values) {
    std::string out;
    for (unsigned v : values)
        for (int shift = static_cast<int>(8 * sizeof values[0]) - 4; shift >= 0; shift -= 4)
            out += "0123456789ABCDEF"[(v >> shift) & 15];
    return out;
}

// One line per record in tree order, with everything equality looks at.
std::vector<std::string> describe(const ChannelDatabase& db) {
    auto n = [](std::size_t i) { return std::to_string(i); };
    std::vector<std::string> lines{"settings " + hex(db.settings) + " " + hex(db.startupChannels)};
    for (std::size_t s = 0; s < db.satellites.size(); ++s) {
        lines.push_back("satellite " + n(s) + ": " + hex(db.satellites[s].bytes));
        for (std::size_t t = 0; const TransponderRecord& tp : db.satellites[s].transponders) {
            const std::string at = "satellite " + n(s) + " transponder " + n(t++);
            lines.push_back(at + ": index " + n(tp.index) + " " + hex(tp.bytes));
            for (std::size_t c = 0; c < tp.channels.size(); ++c)
                lines.push_back(at + " channel " + n(c) + ": number " + n(tp.channels[c].number) +
                                " " + hex(tp.channels[c].bytes));
        }
    }
    for (std::size_t g = 0; g < db.groups.size(); ++g) {
        lines.push_back("group " + n(g) + " header: " + hex(db.groups[g].header));
        for (std::size_t j = 0; const ChannelRef& r : db.groups[g].refs)
            lines.push_back("group " + n(g) + " reference " + n(j++) + ": " + n(r.number) + " " +
                            n(r.chIndex) + " " + n(r.tpIndex) + " " + n(r.satIndex));
    }
    return lines;
}

}  // namespace

ChannelDatabase makeRandomDatabase(std::uint32_t seed, const RandomShape& shape) {
    using namespace image;
    Rng rng(seed);
    auto pick = [&rng](std::size_t maxInclusive) { return rng() % (maxInclusive + 1); };
    ChannelDatabase db = withRandomSettings(rng);
    std::size_t tpTotal = 0, chTotal = 0;
    const std::size_t sats = pick(std::min(shape.maxSatellites, kMaxSatellites));
    for (std::size_t s = 0; s < sats; ++s) {
        SatelliteRecord sat = randomSatellite(rng);
        const std::size_t tps = pick(shape.maxTransponders);
        for (std::size_t t = 0; t < tps && tpTotal < kMaxTransponders; ++t, ++tpTotal) {
            TransponderRecord& tp = sat.transponders.emplace_back(randomTransponder(rng));
            const std::size_t chs = pick(shape.maxChannels);
            for (std::size_t c = 0; c < chs && chTotal < kMaxChannels; ++c, ++chTotal)
                tp.channels.push_back(randomChannel(rng));
        }
        db.satellites.push_back(std::move(sat));
    }
    // Distinct numbers with gaps, shuffled: the first chTotal go to channels, the rest to none.
    std::vector<std::uint16_t> pool(2 * chTotal + 16);
    std::iota(pool.begin(), pool.end(), std::uint16_t{0});
    std::shuffle(pool.begin(), pool.end(), rng);
    std::size_t next = 0;
    for (auto& sat : db.satellites)
        for (auto& tp : sat.transponders)
            for (auto& ch : tp.channels) ch.number = pool[next++];

    const std::size_t groups = pick(std::min(shape.maxGroups, kMaxGroups));
    for (std::size_t g = 0; g < groups; ++g) {
        GroupRecord& group = db.groups.emplace_back(randomGroup(rng, {}));
        const std::size_t refs = pick(std::min(shape.maxReferences, kMaxGroupMembers));
        for (std::size_t j = 0; j < refs; ++j) {
            // 70% a channel, 15% a repeat, the rest a number naming no channel.
            const unsigned kind = rng() % 100;
            const std::uint16_t number = kind < 70 && chTotal > 0 ? pool[rng() % chTotal]
                                         : kind < 85 && !group.refs.empty()
                                             ? group.refs[rng() % group.refs.size()].number
                                             : pool[chTotal + rng() % (pool.size() - chTotal)];
            group.refs.push_back(ChannelRef{number, u16(rng), u16(rng), u16(rng)});
        }
        group.syncCount();
    }
    return db;
}

ChannelDatabase makeFullCapacityDatabase(std::uint32_t seed) {
    using namespace image;
    Rng rng(seed);
    ChannelDatabase db = withRandomSettings(rng);
    for (std::size_t s = 0; s < kMaxSatellites; ++s) db.satellites.push_back(randomSatellite(rng));
    for (std::size_t t = 0; t < kMaxTransponders; ++t)  // 12 on the first 40 satellites, 11 after
        db.satellites[t % kMaxSatellites].transponders.push_back(randomTransponder(rng));
    std::vector<std::uint16_t> numbers(kMaxChannels);
    std::iota(numbers.begin(), numbers.end(), std::uint16_t{0});
    std::shuffle(numbers.begin(), numbers.end(), rng);
    for (std::uint16_t n : numbers) {  // each on a random transponder
        auto& tps = db.satellites[rng() % kMaxSatellites].transponders;
        auto& channels = tps[rng() % tps.size()].channels;
        channels.push_back(randomChannel(rng));
        channels.back().number = n;
    }
    for (std::size_t g = 0; g < kMaxGroups; ++g) {
        std::shuffle(numbers.begin(), numbers.end(), rng);
        db.groups.push_back(randomGroup(rng, numbers));
    }
    return db;
}

IrdImage makeImage(const ChannelDatabase& db) {
    std::optional<IrdImage> image = writeImage(db);
    EXPECT_TRUE(image) << "the database does not fit the image";
    return image ? std::move(*image) : IrdImage(image::kSize, 0);
}

void restampCrcs(IrdImage& img) {
    using namespace image;
    if (img.size() < kReadExtent) return;
    const std::size_t groups = std::min<std::size_t>(img[kImageGroupCountAt], kMaxGroups);
    const std::size_t channels =
        std::min<std::size_t>(readU16(&img[kImageChannelCountAt]), kMaxChannels);
    const std::size_t tps = std::min<std::size_t>(readU16(&img[kImageTpCountAt]), kMaxTransponders);
    for (const ImageCrc& crc : imageCrcLayout(groups, channels, tps))
        writeU32(&img[crc.storedAt], crc32Mpeg2(&img[crc.start], crc.length));
}

bool writeBytes(const std::string& path, std::span<const std::uint8_t> bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::ssize(bytes));
    out.close();
    return static_cast<bool>(out);
}

std::vector<std::uint8_t> readBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), {});
}

std::string firstDifference(const ChannelDatabase& a, const ChannelDatabase& b) {
    if (a == b) return {};
    const std::vector<std::string> la = describe(a), lb = describe(b);
    const auto [ia, ib] = std::mismatch(la.begin(), la.end(), lb.begin(), lb.end());
    return (ia == la.end() ? "(no more records)" : *ia) + "\n    vs " +
           (ib == lb.end() ? "(no more records)" : *ib);
}

}  // namespace kavro::test
