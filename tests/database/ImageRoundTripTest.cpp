#include <gtest/gtest.h>

#include <map>

#include "DatabaseBuilder.h"
#include "database/ImageReader.h"
#include "database/ImageWriter.h"

namespace kavro {
namespace {

// What a save followed by a read must give back: the same records in the same order, the
// index bits and numbers renumbered into tree order, every reference that names a channel
// (repeats included) linked to it, and references naming no channel gone.
ChannelDatabase expectedAfterSaveAndRead(const ChannelDatabase& in) {
    ChannelDatabase out = in;
    std::map<std::uint16_t, ChannelRef> linkOf;  // old number -> linked reference
    std::uint16_t t = 0, c = 0;
    for (std::uint16_t s = 0; s < out.satellites.size(); ++s) {
        auto& tps = out.satellites[s].transponders;
        for (std::uint16_t p = 0; p < tps.size(); ++p, ++t) {
            tps[p].setSatellite(s);
            tps[p].index = t;
            auto& channels = tps[p].channels;
            for (std::uint16_t k = 0; k < channels.size(); ++k, ++c) {
                channels[k].setTransponder(t);
                linkOf.emplace(channels[k].number, ChannelRef{c, k, p, s});
                channels[k].number = c;
            }
        }
    }
    for (auto& g : out.groups) {
        std::vector<ChannelRef> kept;
        for (const ChannelRef& ref : g.refs)
            if (auto it = linkOf.find(ref.number); it != linkOf.end()) kept.push_back(it->second);
        g.refs = kept;
        g.syncCount();
    }
    out.setGroupCount(static_cast<std::uint8_t>(out.groups.size()));
    out.setSatCount(static_cast<std::uint16_t>(out.satellites.size()));
    out.setTpCount(t);
    out.setChannelCount(c);
    return out;
}

ChannelDatabase read(const IrdImage& img) {
    ChannelDatabase db;
    SilentMessageSink silent;
    ImageReadReport report;
    EXPECT_EQ(readImage(db, &img, silent, &report), 1);
    EXPECT_TRUE(report.clamps.empty());
    EXPECT_EQ(report.droppedTransponders + report.droppedChannels + report.unlinkedReferences, 0);
    return db;
}

void expectAgreement(const ChannelDatabase& original) {
    const IrdImage img = test::makeImage(original);
    const ChannelDatabase back = read(img);
    const std::string diff = test::firstDifference(back, expectedAfterSaveAndRead(original));
    EXPECT_EQ(diff, "");
    // What was read saves to the very same image.
    EXPECT_TRUE(test::makeImage(back) == img);
}

TEST(ImageRoundTrip, RandomDatabasesWithinCapacity) {
    int withRepeats = 0, withUnlinked = 0, withRefs = 0;
    for (std::uint32_t seed = 1; seed <= 30; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        const ChannelDatabase db = test::makeRandomDatabase(seed);
        expectAgreement(db);

        // The generator must keep producing the cases this test exists for.
        for (const auto& g : db.groups) {
            std::map<std::uint16_t, int> seen;
            for (const auto& r : g.refs) ++seen[r.number];
            for (auto [n, times] : seen) withRepeats += times > 1;
            withRefs += !g.refs.empty();
        }
        const ChannelDatabase expected = expectedAfterSaveAndRead(db);
        for (std::size_t g = 0; g < db.groups.size(); ++g)
            withUnlinked += expected.groups[g].refs.size() < db.groups[g].refs.size();
    }
    EXPECT_GT(withRepeats, 10);
    EXPECT_GT(withUnlinked, 10);
    EXPECT_GT(withRefs, 50);
}

TEST(ImageRoundTrip, LargerRandomDatabases) {
    test::RandomShape shape;
    shape.maxSatellites = 200;
    shape.maxTransponders = 30;
    shape.maxChannels = 3;
    shape.maxGroups = 25;
    shape.maxReferences = 600;
    for (std::uint32_t seed = 100; seed < 104; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        expectAgreement(test::makeRandomDatabase(seed, shape));
    }
}

TEST(ImageRoundTrip, FullCapacityDatabase) {
    const ChannelDatabase db = test::makeFullCapacityDatabase(5);
    ASSERT_EQ(db.satellites.size(), 360u);
    ASSERT_EQ(db.transponderTotal(), 4000u);
    ASSERT_EQ(db.channelTotal(), 3900u);
    ASSERT_EQ(db.groups.size(), 25u);
    for (const auto& g : db.groups) ASSERT_EQ(g.refs.size(), 3900u);
    expectAgreement(db);
}

TEST(ImageRoundTrip, HandMadeDatabaseKeepsItsMeaning) {
    // Names, positions and the group's repeat read back as they were meant.
    ChannelDatabase db = test::DatabaseBuilder()
                             .satellite("Hotbird", 13.0)
                             .transponder(11766, TransponderRecord::PolAuto, 27500)
                             .channel("One")
                             .satellite("Nilesat", 7.0, true)
                             .transponder(11747, TransponderRecord::PolV, 27500)
                             .channel("Two", ChannelRecord::Radio)
                             .group("FAV", {1, 1, 0})
                             .build();
    const ChannelDatabase back = read(test::makeImage(db));
    EXPECT_EQ(test::firstDifference(back, expectedAfterSaveAndRead(db)), "");
    ASSERT_EQ(back.satellites.size(), 2u);
    EXPECT_TRUE(back.satellites[1].west());
    EXPECT_DOUBLE_EQ(back.satellites[1].positionDegrees(), 7.0);
    const auto& tp = back.satellites[1].transponders[0];
    EXPECT_EQ(tp.polarisation(), TransponderRecord::PolV);
    EXPECT_EQ(tp.channels[0].serviceType(), ChannelRecord::Radio);
    EXPECT_EQ(back.groups[0].refs[0], (ChannelRef{1, 0, 0, 1}));
    EXPECT_EQ(back.groups[0].refs[1], (ChannelRef{1, 0, 0, 1}));
}

}  // namespace
}  // namespace kavro
