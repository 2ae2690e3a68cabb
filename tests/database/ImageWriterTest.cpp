#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <random>

#include "DatabaseBuilder.h"
#include "database/ByteOrder.h"
#include "database/Crc32Mpeg2.h"
#include "database/ImageWriter.h"
#include "messages/StringIds.h"

namespace kavro {
namespace {

using namespace image;

// Bit by bit, straight from the definition: an independent oracle for the table-driven code.
std::uint32_t referenceCrc(const std::uint8_t* p, std::size_t n) {
    std::uint32_t crc = 0xFFFFFFFFu;
    for (std::size_t i = 0; i < n; ++i) {
        crc ^= std::uint32_t(p[i]) << 24;
        for (int k = 0; k < 8; ++k) crc = (crc & 0x80000000u) ? (crc << 1) ^ 0x04C11DB7u : crc << 1;
    }
    return crc;
}

TEST(Crc32Mpeg2, CheckValueAndAgreementWithTheDefinition) {
    EXPECT_EQ(crc32Mpeg2(reinterpret_cast<const std::uint8_t*>("123456789"), 9), 0x0376E6E7u);
    std::mt19937 rng(3);
    std::vector<std::uint8_t> data(300);
    for (auto& b : data) b = static_cast<std::uint8_t>(rng());
    for (std::size_t offset : {0, 1, 3, 7})
        for (std::size_t n = 0; n + offset <= data.size(); n += 13)
            ASSERT_EQ(crc32Mpeg2(&data[offset], n), referenceCrc(&data[offset], n)) << n;
    // Continuing from a partial CRC gives the CRC of the whole.
    EXPECT_EQ(crc32Mpeg2(&data[101], 199, crc32Mpeg2(data.data(), 101)),
              referenceCrc(&data[0], 300));
}

TEST(ImageWriter, EmptyDatabase) {
    ChannelDatabase db;
    db.settings[0x50] = 0x77;  // some receiver setting, carried as it is
    db.startupChannels[3] = 0x1234;
    const IrdImage img = test::makeImage(db);
    ASSERT_EQ(img.size(), kSize);

    std::uint8_t header[64] = {0x00, 0x25, 0x21, 0x04, 'K', 'a', 'v', 'r', 'o'};
    writeU32(header + 0x14, 0x8209);
    writeU32(header + 0x1C, 0xA0000);
    std::memcpy(header + 0x20, "KVS1\0\0S190CN", 12);
    std::memset(header + 0x30, 'A', 11);
    writeU32(header + 0x3C, 0x838);
    EXPECT_EQ(std::memcmp(img.data(), header, 64), 0);

    // Used-part CRCs of the empty record regions stand at the region start, 0xFFFFFFFF; the
    // whole-region CRCs cover a region that is zero apart from that CRC.
    auto regionCrc = [](std::size_t size) {
        std::vector<std::uint8_t> region(size, 0);
        std::memset(region.data(), 0xFF, 4);
        return referenceCrc(region.data(), size);
    };
    const std::pair<std::size_t, std::uint32_t> crcs[] = {
        {0x40, 0xFFFFFFFFu},
        {0x2FB24, regionCrc(195300)},
        {0x30040, 0xFFFFFFFFu},
        {0x59E90, regionCrc(171600)},
        {0x60040, 0xFFFFFFFFu},
        {0x6FA40, regionCrc(64000)},
        {0x77974, referenceCrc(&img[0x70040], 31028)}};
    for (auto [at, crc] : crcs) EXPECT_EQ(readU32(&img[at]), crc) << std::hex << at;

    // The settings block is the database's, counts 0; start-up channels follow. Nothing else.
    EXPECT_EQ(std::memcmp(&img[0x70040], db.settings.data(), 96), 0);
    EXPECT_EQ(readU16(&img[0x7409C + 6]), 0x1234);
    IrdImage rest = img;
    for (auto [at, size] : {std::pair{0, 64}, {0x70040, 96}, {0x7409C, 50}})
        std::fill_n(&rest[at], size, 0);
    for (auto [at, crc] : crcs) std::fill_n(&rest[at], 4, 0);
    EXPECT_EQ(std::count(rest.begin(), rest.end(), 0), static_cast<std::ptrdiff_t>(kSize));
}

TEST(ImageWriter, RefusesADatabaseBeyondTheCapacitiesAndChangesNothing) {
    const struct {
        std::size_t satellites, transponders, channels, groups, members;  // each, per parent
        int stringId;
        std::size_t limit;
    } cases[] = {{361, 0, 0, 0, 0, strings::TooManySatellites, 360},
                 {2, 2001, 0, 0, 0, strings::TooManyTransponders, 4000},
                 {1, 2, 1951, 0, 0, strings::TooManyChannels, 3900},
                 {0, 0, 0, 26, 0, strings::TooManyGroups, 25},
                 {0, 0, 0, 3, 3901, strings::TooManyGroupMembers, 3900}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.limit);
        ChannelDatabase db;
        db.satellites.resize(c.satellites);
        for (auto& sat : db.satellites) {
            sat.transponders.resize(c.transponders);
            for (auto& tp : sat.transponders) tp.channels.resize(c.channels);
        }
        db.groups.resize(c.groups);
        for (auto& g : db.groups) g.refs.resize(c.members);
        const ChannelDatabase before = db;
        const auto exceeded = findCapacityExceeded(db);
        ASSERT_TRUE(exceeded);
        EXPECT_EQ(exceeded->stringId, c.stringId);
        EXPECT_EQ(exceeded->limit, c.limit);
        EXPECT_FALSE(writeImage(db));
        EXPECT_EQ(db, before);
    }
}

}  // namespace
}  // namespace kavro
