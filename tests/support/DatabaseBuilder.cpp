#include "DatabaseBuilder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <numeric>
#include <optional>
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
    SatelliteRecord sat;
    setPlainName(sat.name(), name);
    sat.setWest(west);
    sat.setPositionDegrees(degrees);
    db_.satellites.push_back(std::move(sat));
    return *this;
}

DatabaseBuilder& DatabaseBuilder::transponder(std::uint16_t frequencyMHz, int polarisation,
                                              std::uint16_t symbolRate) {
    if (db_.satellites.empty()) satellite("Satellite");
    TransponderRecord tp;
    tp.setSatellite(static_cast<int>(db_.satellites.size() - 1));
    tp.setFrequency(frequencyMHz);
    tp.setPolarisation(polarisation);
    tp.setSymbolRate(symbolRate);
    db_.satellites.back().transponders.push_back(std::move(tp));
    return *this;
}

DatabaseBuilder& DatabaseBuilder::channel(std::string_view name, int type) {
    if (db_.satellites.empty() || db_.satellites.back().transponders.empty()) transponder(11000);
    ChannelRecord ch;
    setPlainName(ch.name(), name);
    ch.setServiceType(type);
    ch.setServiceId(static_cast<std::uint16_t>(100 + nextNumber_));
    ch.number = nextNumber_++;
    db_.satellites.back().transponders.back().channels.push_back(std::move(ch));
    return *this;
}

DatabaseBuilder& DatabaseBuilder::group(std::string_view name, std::vector<std::uint16_t> numbers) {
    GroupRecord g;
    setPlainName(g.name(), name);
    for (std::uint16_t n : numbers) g.refs.push_back(ChannelRef{n, 0, 0, 0});
    g.syncCount();
    db_.groups.push_back(std::move(g));
    return *this;
}

ChannelDatabase DatabaseBuilder::build() const {
    ChannelDatabase db = db_;
    // Image positions in tree order, as a read leaves them.
    std::size_t t = 0;
    for (std::size_t s = 0; s < db.satellites.size(); ++s)
        for (auto& tp : db.satellites[s].transponders) {
            tp.index = static_cast<std::uint16_t>(t);
            for (auto& ch : tp.channels) ch.setTransponder(static_cast<int>(t));
            ++t;
        }
    db.setGroupCount(static_cast<std::uint8_t>(db.groups.size()));
    db.setSatCount(static_cast<std::uint16_t>(db.satellites.size()));
    db.setTpCount(static_cast<std::uint16_t>(db.transponderTotal()));
    db.setChannelCount(static_cast<std::uint16_t>(db.channelTotal()));
    db.relinkGroups();
    return db;
}

namespace {

using Rng = std::mt19937;

std::uint16_t u16(Rng& rng) {
    return static_cast<std::uint16_t>(rng());
}

template <std::size_t N>
void fillRandom(std::array<std::uint8_t, N>& bytes, Rng& rng) {
    for (auto& b : bytes) b = static_cast<std::uint8_t>(rng());
}

// Random bytes with every kept bit range and reserved field non-zero, so that losing any of
// them on the way through the image shows.
SatelliteRecord randomSatellite(Rng& rng) {
    SatelliteRecord sat;
    fillRandom(sat.bytes, rng);
    sat.bytes[0] |= 0x01;   // satFlags bit 0 (kept)
    sat.bytes[1] |= 0x80;   // satFlags bit 15 (kept)
    sat.bytes[2] |= 0x01;   // satFlags2 bit 0 (kept)
    sat.bytes[3] |= 0x80;   // satFlags2 bit 15 (kept)
    sat.bytes[26] |= 0x01;  // reserved26
    sat.bytes[28] |= 0x04;  // lnbFlags bit 2 (kept)
    sat.bytes[30] |= 0x01;  // reserved30
    sat.bytes[32] |= 0x01;  // reserved32
    sat.bytes[38] |= 0x01;  // reserved38
    sat.bytes[39] |= 0x80;
    if (sat.lnbHigh() == 0) sat.setLnbHigh(1);  // keep the reader's LNB fill-in out of the way
    return sat;
}

TransponderRecord randomTransponder(Rng& rng) {
    TransponderRecord tp;
    fillRandom(tp.bytes, rng);
    tp.bytes[2] |= 0x01;  // reserved2
    tp.bytes[3] |= 0x80;
    tp.bytes[8] |= 0x01;  // reserved8
    tp.bytes[9] |= 0x80;
    tp.index = u16(rng);  // stale: the writer must not use it
    return tp;
}

ChannelRecord randomChannel(Rng& rng) {
    ChannelRecord ch;
    fillRandom(ch.bytes, rng);
    ch.bytes[1] |= 0x80;  // chFlags bit 15 (kept)
    ch.bytes[2] |= 0x06;  // chFlags2 bits 1-2 (kept)
    ch.bytes[3] |= 0x01;  // reserved3
    return ch;
}

void randomSettings(ChannelDatabase& db, Rng& rng) {
    for (auto& b : db.settings) b = static_cast<std::uint8_t>(1 + rng() % 255);
    for (auto& c : db.startupChannels) c = u16(rng);
}

GroupRecord randomGroupHeader(Rng& rng) {
    GroupRecord g;
    fillRandom(g.header, rng);
    return g;
}

ChannelRef staleRef(std::uint16_t number, Rng& rng) {
    return ChannelRef{number, u16(rng), u16(rng), u16(rng)};
}

std::size_t pick(Rng& rng, std::size_t maxInclusive) {
    return maxInclusive == 0 ? 0 : rng() % (maxInclusive + 1);
}

}  // namespace

ChannelDatabase makeRandomDatabase(std::uint32_t seed, const RandomShape& shape) {
    using namespace image;
    Rng rng(seed);
    ChannelDatabase db;
    randomSettings(db, rng);

    std::size_t tpTotal = 0, chTotal = 0;
    const std::size_t sats = pick(rng, std::min(shape.maxSatellites, kMaxSatellites));
    for (std::size_t s = 0; s < sats; ++s) {
        SatelliteRecord sat = randomSatellite(rng);
        const std::size_t tps = pick(rng, shape.maxTransponders);
        for (std::size_t t = 0; t < tps && tpTotal < kMaxTransponders; ++t, ++tpTotal) {
            TransponderRecord tp = randomTransponder(rng);
            const std::size_t chs = pick(rng, shape.maxChannels);
            for (std::size_t c = 0; c < chs && chTotal < kMaxChannels; ++c, ++chTotal)
                tp.channels.push_back(randomChannel(rng));
            sat.transponders.push_back(std::move(tp));
        }
        db.satellites.push_back(std::move(sat));
    }

    // Distinct numbers with gaps, shuffled: the first chTotal go to the channels, the rest
    // name no channel.
    std::vector<std::uint16_t> pool(2 * chTotal + 16);
    std::iota(pool.begin(), pool.end(), std::uint16_t{0});
    std::shuffle(pool.begin(), pool.end(), rng);
    std::size_t next = 0;
    for (auto& sat : db.satellites)
        for (auto& tp : sat.transponders)
            for (auto& ch : tp.channels) ch.number = pool[next++];

    const std::size_t groups = pick(rng, std::min(shape.maxGroups, kMaxGroups));
    for (std::size_t g = 0; g < groups; ++g) {
        GroupRecord group = randomGroupHeader(rng);
        const std::size_t refs = pick(rng, std::min(shape.maxReferences, kMaxGroupMembers));
        for (std::size_t j = 0; j < refs; ++j) {
            const unsigned kind = rng() % 100;
            std::uint16_t number;
            if (kind < 70 && chTotal > 0)
                number = pool[rng() % chTotal];  // a channel
            else if (kind < 85 && !group.refs.empty())
                number = group.refs[rng() % group.refs.size()].number;  // a repeat
            else
                number = pool[chTotal + rng() % (pool.size() - chTotal)];  // no channel
            group.refs.push_back(staleRef(number, rng));
        }
        group.syncCount();
        db.groups.push_back(std::move(group));
    }
    return db;
}

ChannelDatabase makeFullCapacityDatabase(std::uint32_t seed) {
    using namespace image;
    Rng rng(seed);
    ChannelDatabase db;
    randomSettings(db, rng);

    std::vector<std::size_t> channelsOnTp(kMaxTransponders, 0);
    for (std::size_t c = 0; c < kMaxChannels; ++c) ++channelsOnTp[rng() % kMaxTransponders];
    std::vector<std::uint16_t> numbers(kMaxChannels);
    std::iota(numbers.begin(), numbers.end(), std::uint16_t{0});
    std::shuffle(numbers.begin(), numbers.end(), rng);

    std::size_t t = 0, c = 0;
    for (std::size_t s = 0; s < kMaxSatellites; ++s) {
        SatelliteRecord sat = randomSatellite(rng);
        // 4000 = 360 x 11 + 40: the first 40 satellites carry one more.
        const std::size_t tps = kMaxTransponders / kMaxSatellites + (s < 40 ? 1 : 0);
        for (std::size_t k = 0; k < tps; ++k, ++t) {
            TransponderRecord tp = randomTransponder(rng);
            for (std::size_t n = 0; n < channelsOnTp[t]; ++n, ++c) {
                ChannelRecord ch = randomChannel(rng);
                ch.number = numbers[c];
                tp.channels.push_back(std::move(ch));
            }
            sat.transponders.push_back(std::move(tp));
        }
        db.satellites.push_back(std::move(sat));
    }
    for (std::size_t g = 0; g < kMaxGroups; ++g) {
        GroupRecord group = randomGroupHeader(rng);
        std::shuffle(numbers.begin(), numbers.end(), rng);
        for (std::uint16_t n : numbers) group.refs.push_back(staleRef(n, rng));
        group.syncCount();
        db.groups.push_back(std::move(group));
    }
    return db;
}

IrdImage makeImage(const ChannelDatabase& db) {
    ChannelDatabase copy = db;
    std::optional<IrdImage> image = writeImage(copy);
    if (!image) {
        ADD_FAILURE() << "the database does not fit the image";
        return IrdImage(image::kSize, 0);
    }
    return std::move(*image);
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

bool writeBytes(const std::string& path, const std::uint8_t* data, std::size_t size) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    out.close();
    return static_cast<bool>(out);
}

std::vector<std::uint8_t> readBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), {});
}

namespace {

template <std::size_t N>
std::string byteDifference(const std::string& where, const std::array<std::uint8_t, N>& a,
                           const std::array<std::uint8_t, N>& b) {
    for (std::size_t i = 0; i < N; ++i)
        if (a[i] != b[i]) {
            char text[64];
            std::snprintf(text, sizeof text, " byte %zu: 0x%02X vs 0x%02X", i, a[i], b[i]);
            return where + text;
        }
    return {};
}

std::string sizeDifference(const std::string& where, std::size_t a, std::size_t b) {
    return a == b ? std::string()
                  : where + ": " + std::to_string(a) + " vs " + std::to_string(b) + " entries";
}

std::string valueDifference(const std::string& where, long long a, long long b) {
    return a == b ? std::string() : where + ": " + std::to_string(a) + " vs " + std::to_string(b);
}

}  // namespace

std::string firstDifference(const ChannelDatabase& a, const ChannelDatabase& b) {
    std::string d;
    auto found = [&](std::string text) { return !(d = std::move(text)).empty(); };
    if (found(byteDifference("settings", a.settings, b.settings))) return d;
    for (std::size_t g = 0; g < a.startupChannels.size(); ++g)
        if (found(valueDifference("startup channel " + std::to_string(g), a.startupChannels[g],
                                  b.startupChannels[g])))
            return d;
    if (found(sizeDifference("satellites", a.satellites.size(), b.satellites.size()))) return d;
    for (std::size_t s = 0; s < a.satellites.size(); ++s) {
        const auto& sa = a.satellites[s];
        const auto& sb = b.satellites[s];
        const std::string ws = "satellite " + std::to_string(s);
        if (found(byteDifference(ws, sa.bytes, sb.bytes))) return d;
        if (found(sizeDifference(ws + " transponders", sa.transponders.size(),
                                 sb.transponders.size())))
            return d;
        for (std::size_t t = 0; t < sa.transponders.size(); ++t) {
            const auto& ta = sa.transponders[t];
            const auto& tb = sb.transponders[t];
            const std::string wt = ws + " transponder " + std::to_string(t);
            if (found(byteDifference(wt, ta.bytes, tb.bytes))) return d;
            if (found(valueDifference(wt + " index", ta.index, tb.index))) return d;
            if (found(sizeDifference(wt + " channels", ta.channels.size(), tb.channels.size())))
                return d;
            for (std::size_t c = 0; c < ta.channels.size(); ++c) {
                const std::string wc = wt + " channel " + std::to_string(c);
                if (found(byteDifference(wc, ta.channels[c].bytes, tb.channels[c].bytes))) return d;
                if (found(valueDifference(wc + " number", ta.channels[c].number,
                                          tb.channels[c].number)))
                    return d;
            }
        }
    }
    if (found(sizeDifference("groups", a.groups.size(), b.groups.size()))) return d;
    for (std::size_t g = 0; g < a.groups.size(); ++g) {
        const auto& ga = a.groups[g];
        const auto& gb = b.groups[g];
        const std::string wg = "group " + std::to_string(g);
        if (found(byteDifference(wg + " header", ga.header, gb.header))) return d;
        if (found(sizeDifference(wg + " references", ga.refs.size(), gb.refs.size()))) return d;
        for (std::size_t j = 0; j < ga.refs.size(); ++j) {
            const ChannelRef& ra = ga.refs[j];
            const ChannelRef& rb = gb.refs[j];
            if (ra != rb) {
                char text[128];
                std::snprintf(text, sizeof text, " reference %zu: (%u %u %u %u) vs (%u %u %u %u)",
                              j, ra.number, ra.chIndex, ra.tpIndex, ra.satIndex, rb.number,
                              rb.chIndex, rb.tpIndex, rb.satIndex);
                return wg + text;
            }
        }
    }
    return {};
}

}  // namespace kavro::test
