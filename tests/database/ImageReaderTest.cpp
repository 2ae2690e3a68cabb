#include <gtest/gtest.h>

#include <map>

#include "DatabaseBuilder.h"
#include "RecordingMessageSink.h"
#include "database/ByteOrder.h"
#include "database/ImageReader.h"

namespace kavro {
namespace {

using namespace image;

ChannelDatabase read(const IrdImage& img, ImageReadReport* report = nullptr) {
    ChannelDatabase db;
    test::RecordingMessageSink messages;
    EXPECT_EQ(readImage(db, &img, messages, report), 1);
    EXPECT_TRUE(messages.entries.empty()) << "what the reader leaves out is not told the user";
    return db;
}

// Five satellites with one transponder each (positions 0..4), one channel per transponder.
IrdImage fiveSatellites() {
    test::DatabaseBuilder b;
    for (int s = 0; s < 5; ++s) b.satellite("S").transponder(11000 + s).channel("C");
    return test::makeImage(b.build());
}

TEST(ImageReader, DropsTranspondersNamingNoSatelliteWithTheirChannels) {
    IrdImage img = fiveSatellites();
    // Transponder 2 names satellite 7; a further channel names it too, one names transponder 9.
    writeU16(&img[kTransponderRegion + 2 * 16], 7 * 2);
    writeU16(&img[test::kImageChannelCountAt], 7);
    writeU16(&img[kChannelRegion + 5 * 44], 0x1002);
    writeU16(&img[kChannelRegion + 6 * 44], 0x1009);
    ImageReadReport report;
    const ChannelDatabase db = read(img, &report);
    EXPECT_EQ(report.droppedTransponders, 1);
    EXPECT_EQ(report.droppedChannels, 3);
    EXPECT_TRUE(db.satellites[2].transponders.empty());
    EXPECT_EQ(db.channelTotal(), 4u);
    EXPECT_EQ(db.satellites[3].transponders[0].index, 3);
    EXPECT_EQ(db.satellites[3].transponders[0].channels[0].number, 3);
    EXPECT_EQ(db.channelCount(), 7) << "counts stay as read";
}

TEST(ImageReader, LinksEveryReferenceRepeatsIncludedAndKeepsUnlinkedOnes) {
    IrdImage img = fiveSatellites();
    const std::uint16_t numbers[] = {4, 12, 4, 1, 4000};
    for (int j = 0; j < 5; ++j) writeU16(&img[kGroupRegion + 12 + 2 * j], numbers[j]);
    writeU16(&img[kGroupRegion + 10], 5);
    img[test::kImageGroupCountAt] = 1;
    ImageReadReport report;
    EXPECT_EQ(read(img, &report).groups[0].refs,
              (std::vector<ChannelRef>{
                  {4, 0, 0, 4}, {12, 0, 0, 0}, {4, 0, 0, 4}, {1, 0, 0, 1}, {4000, 0, 0, 0}}));
    EXPECT_EQ(report.unlinkedReferences, 2);
}

TEST(ImageReader, FillsInLnbFrequenciesOnlyWhenBothAreZero) {
    const struct {
        std::uint8_t flags;
        std::uint16_t high, low, expectedLow, expectedHigh;
    } cases[] = {{0x00, 0, 0, 0, 5150},
                 {0x02, 0, 0, 9750, 10600},
                 {0x02, 0, 9750, 9750, 0},
                 {0x00, 5150, 0, 0, 5150},
                 {0x06, 11300, 10750, 10750, 11300}};
    IrdImage img = fiveSatellites();
    for (std::size_t s = 0; s < 5; ++s) {
        img[kSatelliteRegion + s * 40 + 28] = cases[s].flags;
        writeU16(&img[kSatelliteRegion + s * 40 + 34], cases[s].high);
        writeU16(&img[kSatelliteRegion + s * 40 + 36], cases[s].low);
    }
    const ChannelDatabase db = read(img);
    for (std::size_t s = 0; s < 5; ++s) {
        EXPECT_EQ(db.satellites[s].lnbLow(), cases[s].expectedLow) << s;
        EXPECT_EQ(db.satellites[s].lnbHigh(), cases[s].expectedHigh) << s;
        EXPECT_EQ(db.satellites[s].lnbFlags(), cases[s].flags) << s;
    }
}

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
            for (std::uint16_t k = 0; k < tps[p].channels.size(); ++k, ++c) {
                ChannelRecord& ch = tps[p].channels[k];
                ch.setTransponder(t);
                linkOf.emplace(ch.number, ChannelRef{c, k, p, s});
                ch.number = c;
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

void expectAgreement(const ChannelDatabase& original) {
    const IrdImage img = test::makeImage(original);
    const ChannelDatabase back = read(img);
    EXPECT_EQ(test::firstDifference(back, expectedAfterSaveAndRead(original)), "");
    EXPECT_TRUE(test::makeImage(back) == img) << "what was read saves to the very same image";
}

TEST(ImageRoundTrip, RandomDatabasesWithinCapacity) {
    const test::RandomShape larger{200, 30, 3, 25, 600};  // up to the most groups, many members
    int withRepeats = 0, withUnlinked = 0;
    for (std::uint32_t seed = 1; seed <= 34; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        const auto db = test::makeRandomDatabase(seed, seed > 30 ? larger : test::RandomShape{});
        expectAgreement(db);
        // The generator must keep producing the cases this test exists for.
        const ChannelDatabase expected = expectedAfterSaveAndRead(db);
        for (std::size_t g = 0; g < db.groups.size(); ++g) {
            std::map<std::uint16_t, int> seen;
            for (const auto& r : expected.groups[g].refs) withRepeats += ++seen[r.number] == 2;
            withUnlinked += expected.groups[g].refs.size() < db.groups[g].refs.size();
        }
    }
    EXPECT_GT(withRepeats, 10);
    EXPECT_GT(withUnlinked, 10);
}

TEST(ImageRoundTrip, FullCapacityDatabase) {
    const ChannelDatabase db = test::makeFullCapacityDatabase(5);
    ASSERT_EQ(db.satellites.size() + db.transponderTotal() + db.channelTotal(), 8260u);
    ASSERT_EQ(db.groups.size(), 25u);
    for (const auto& g : db.groups) ASSERT_EQ(g.refs.size(), 3900u);
    expectAgreement(db);
}

}  // namespace
}  // namespace kavro
