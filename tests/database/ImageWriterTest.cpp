#include <gtest/gtest.h>

#include <cstring>
#include <random>

#include "DatabaseBuilder.h"
#include "database/ByteOrder.h"
#include "database/Crc32Mpeg2.h"
#include "database/ImageReader.h"
#include "database/ImageWriter.h"
#include "messages/StringIds.h"

namespace kavro {
namespace {

using namespace image;
using test::DatabaseBuilder;

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
    const char* check = "123456789";
    EXPECT_EQ(crc32Mpeg2(reinterpret_cast<const std::uint8_t*>(check), 9), 0x0376E6E7u);
    EXPECT_EQ(crc32Mpeg2(nullptr, 0), 0xFFFFFFFFu);

    std::mt19937 rng(3);
    std::vector<std::uint8_t> data(300);
    for (auto& b : data) b = static_cast<std::uint8_t>(rng());
    for (std::size_t offset : {0, 1, 3, 7}) {
        for (std::size_t n = 0; n + offset <= data.size(); n += 13) {
            ASSERT_EQ(crc32Mpeg2(data.data() + offset, n), referenceCrc(data.data() + offset, n))
                << "offset " << offset << " length " << n;
        }
    }
    // Continuing from a partial CRC gives the CRC of the whole.
    const std::uint32_t first = crc32Mpeg2(data.data(), 101);
    EXPECT_EQ(crc32Mpeg2(data.data() + 101, 199, first), crc32Mpeg2(data.data(), 300));
}

TEST(ImageWriter, EmptyDatabase) {
    ChannelDatabase db;
    db.settings[0x50] = 0x77;  // some receiver setting, carried as it is
    db.startupChannels[3] = 0x1234;
    const IrdImage img = test::makeImage(db);
    ASSERT_EQ(img.size(), kSize);

    // Header, byte for byte.
    std::uint8_t header[64] = {0x00, 0x25, 0x21, 0x04, 'K', 'a', 'v', 'r', 'o'};
    writeU32(header + 0x14, 0x8209);
    writeU32(header + 0x1C, 0xA0000);
    std::memcpy(header + 0x20, "KVS1\0\0S190CN", 12);
    std::memset(header + 0x30, 'A', 11);
    writeU32(header + 0x3C, 0x838);
    EXPECT_EQ(std::memcmp(img.data(), header, 64), 0);

    // Used-part CRCs of the three record regions: empty, so 0xFFFFFFFF at the region start.
    EXPECT_EQ(readU32(&img[0x40]), 0xFFFFFFFFu);
    EXPECT_EQ(readU32(&img[0x30040]), 0xFFFFFFFFu);
    EXPECT_EQ(readU32(&img[0x60040]), 0xFFFFFFFFu);
    // Whole-region CRCs: over a region that is zero apart from that used-part CRC.
    auto regionCrc = [](std::size_t size) {
        std::vector<std::uint8_t> region(size, 0);
        std::memset(region.data(), 0xFF, 4);
        return referenceCrc(region.data(), size);
    };
    EXPECT_EQ(readU32(&img[0x2FB24]), regionCrc(195300));
    EXPECT_EQ(readU32(&img[0x59E90]), regionCrc(171600));
    EXPECT_EQ(readU32(&img[0x6FA40]), regionCrc(64000));
    EXPECT_EQ(readU32(&img[0x77974]), referenceCrc(&img[0x70040], 31028));

    // The settings block is the database's, counts 0; start-up channels follow.
    EXPECT_EQ(std::memcmp(&img[0x70040], db.settings.data(), 96), 0);
    EXPECT_EQ(img[0x7006A], 0);
    EXPECT_EQ(readU16(&img[0x70072]) | readU16(&img[0x70074]) | readU16(&img[0x70076]), 0);
    EXPECT_EQ(readU16(&img[0x7409C + 6]), 0x1234);

    // Nothing else anywhere.
    std::vector<bool> written(kSize, false);
    auto mark = [&](std::size_t at, std::size_t n) {
        for (std::size_t i = 0; i < n; ++i) written[at + i] = true;
    };
    for (std::size_t at : {0x40, 0x2FB24, 0x30040, 0x59E90, 0x60040, 0x6FA40, 0x77974}) mark(at, 4);
    mark(0, 64);
    mark(0x70040, 96);
    mark(0x7409C, 50);
    for (std::size_t i = 0; i < kSize; ++i)
        ASSERT_TRUE(written[i] || img[i] == 0) << "offset " << i;
}

TEST(ImageWriter, RenumbersIntoTreeOrder) {
    ChannelDatabase db = DatabaseBuilder()
                             .satellite("One")
                             .transponder(10700)
                             .transponder(10800)
                             .transponder(10900)
                             .satellite("Two")
                             .transponder(11000)
                             .channel("first of two")
                             .transponder(11100)
                             .build();
    // Stale index bits must not survive: the containing lists decide.
    db.satellites[1].transponders[0].setSatellite(200);
    db.satellites[1].transponders[0].channels[0].setTransponder(0xABC);
    const IrdImage img = test::makeImage(db);

    const std::uint8_t* tp3 = &img[kTransponderRegion + 3 * 16];
    EXPECT_EQ(TransponderRecord::fromBytes(tp3).satellite(), 1);
    EXPECT_EQ(TransponderRecord::fromBytes(tp3).frequency(), 11000);
    EXPECT_EQ(TransponderRecord::fromBytes(&img[kTransponderRegion + 4 * 16]).satellite(), 1);
    EXPECT_EQ(TransponderRecord::fromBytes(&img[kTransponderRegion + 2 * 16]).satellite(), 0);
    EXPECT_EQ(ChannelRecord::fromBytes(&img[kChannelRegion]).transponder(), 3);
    EXPECT_EQ(readU16(&img[0x70074]), 5);
    EXPECT_EQ(readU16(&img[0x70076]), 1);
}

TEST(ImageWriter, GroupReferencesFollowTheirChannels) {
    // Channel numbers 0..3; the group repeats 2 and names 50, which no channel has.
    ChannelDatabase db = DatabaseBuilder()
                             .satellite("S")
                             .transponder(11000)
                             .channel("a")
                             .channel("b")
                             .channel("c")
                             .channel("d")
                             .group("FAV", {2, 50, 0, 2, 3})
                             .build();
    // Reverse the channels; leave the references' cached positions stale.
    auto& channels = db.satellites[0].transponders[0].channels;
    std::reverse(channels.begin(), channels.end());
    const IrdImage img = test::makeImage(db);

    const std::uint8_t* slot = &img[kGroupRegion];
    ASSERT_EQ(readU16(slot + 10), 4) << "the reference naming no channel is left out";
    // New positions: d=0, c=1, b=2, a=3.
    EXPECT_EQ(readU16(slot + 12), 1);
    EXPECT_EQ(readU16(slot + 14), 3);
    EXPECT_EQ(readU16(slot + 16), 1) << "a repeat is written as the same channel, not a stale one";
    EXPECT_EQ(readU16(slot + 18), 0);
    EXPECT_EQ(readU16(slot + 20), 0) << "the slot after the last is zero";

    ChannelDatabase back;
    SilentMessageSink silent;
    ASSERT_EQ(readImage(back, &img, silent), 1);
    ASSERT_EQ(back.groups[0].refs.size(), 4u);
    EXPECT_EQ(back.groups[0].refs[0], back.groups[0].refs[2]) << "both repeats are linked";
    EXPECT_EQ(back.groups[0].refs[0], (ChannelRef{1, 1, 0, 0}));
}

TEST(ImageWriter, TwentyFiveGroupsShareTheRegionCrcPosition) {
    DatabaseBuilder b;
    b.satellite("S").channel("x");
    for (int g = 0; g < 25; ++g) b.group("G", {0});
    ChannelDatabase db = b.build();
    const IrdImage img = test::makeImage(db);
    EXPECT_EQ(readU32(&img[0x2FB24]), referenceCrc(&img[0x40], 195300));
    const auto layout = imageCrcLayout(25, 1, 1);
    EXPECT_EQ(layout[0].storedAt, layout[1].storedAt);
}

TEST(ImageWriter, RefusesADatabaseBeyondTheCapacities) {
    struct Case {
        const char* what;
        std::function<void(ChannelDatabase&)> grow;
        int stringId;
        std::size_t limit;
    };
    const Case cases[] = {
        {"satellites", [](ChannelDatabase& db) { db.satellites.resize(361); },
         strings::TooManySatellites, 360},
        {"transponders",
         [](ChannelDatabase& db) {
             db.satellites.resize(2);
             db.satellites[0].transponders.resize(2000);
             db.satellites[1].transponders.resize(2001);
         },
         strings::TooManyTransponders, 4000},
        {"channels",
         [](ChannelDatabase& db) {
             db.satellites.resize(1);
             db.satellites[0].transponders.resize(2);
             db.satellites[0].transponders[0].channels.resize(3000);
             db.satellites[0].transponders[1].channels.resize(901);
         },
         strings::TooManyChannels, 3900},
        {"groups", [](ChannelDatabase& db) { db.groups.resize(26); }, strings::TooManyGroups, 25},
        {"group members",
         [](ChannelDatabase& db) {
             db.groups.resize(3);
             db.groups[2].refs.resize(3901);
         },
         strings::TooManyGroupMembers, 3900},
    };
    for (const Case& c : cases) {
        ChannelDatabase db;
        c.grow(db);
        const ChannelDatabase before = db;
        const auto exceeded = findCapacityExceeded(db);
        ASSERT_TRUE(exceeded) << c.what;
        EXPECT_EQ(exceeded->stringId, c.stringId) << c.what;
        EXPECT_EQ(exceeded->limit, c.limit) << c.what;
        EXPECT_FALSE(writeImage(db)) << c.what;
        EXPECT_TRUE(db == before) << c.what << ": a refused write changes nothing";
    }
    // Exactly at the capacities is fine.
    ChannelDatabase full = test::makeFullCapacityDatabase(2);
    EXPECT_FALSE(findCapacityExceeded(full));
}

}  // namespace
}  // namespace kavro
