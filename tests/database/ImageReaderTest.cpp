#include <gtest/gtest.h>

#include "DatabaseBuilder.h"
#include "RecordingMessageSink.h"
#include "database/ByteOrder.h"
#include "database/ImageReader.h"

namespace kavro {
namespace {

using namespace image;
using test::kImageChannelCountAt;
using test::kImageGroupCountAt;
using test::kImageSatCountAt;
using test::kImageTpCountAt;

std::uint8_t* transponderAt(IrdImage& img, std::size_t t) {
    return &img[kTransponderRegion + t * 16];
}
std::uint8_t* channelAt(IrdImage& img, std::size_t c) {
    return &img[kChannelRegion + c * 44];
}
std::uint8_t* satelliteAt(IrdImage& img, std::size_t s) {
    return &img[kSatelliteRegion + s * 40];
}

// Five satellites with one transponder each (positions 0..4), one channel per transponder.
IrdImage fiveSatellites() {
    test::DatabaseBuilder b;
    for (int s = 0; s < 5; ++s) b.satellite("S").transponder(11000 + s).channel("C");
    return test::makeImage(b.build());
}

TEST(ImageReader, DropsTranspondersNamingNoSatelliteAndTheirChannels) {
    IrdImage img = fiveSatellites();
    // Transponder 2 names satellite 7; a further channel names it too, one names transponder 9.
    writeU16(transponderAt(img, 2), static_cast<std::uint16_t>(7 * 2));
    writeU16(&img[kImageChannelCountAt], 7);
    writeU16(channelAt(img, 5), 0x1002);
    writeU16(channelAt(img, 6), 0x1009);

    ChannelDatabase db;
    test::RecordingMessageSink messages;
    ImageReadReport report;
    ASSERT_EQ(readImage(db, &img, messages, &report), 1);
    EXPECT_TRUE(messages.entries.empty()) << "dangling references are not reported to the user";
    EXPECT_EQ(report.droppedTransponders, 1);
    EXPECT_EQ(report.droppedChannels, 3);
    EXPECT_TRUE(db.satellites[2].transponders.empty());
    EXPECT_EQ(db.transponderTotal(), 4u);
    EXPECT_EQ(db.channelTotal(), 4u);
    EXPECT_EQ(db.satellites[3].transponders[0].index, 3);
    EXPECT_EQ(db.satellites[3].transponders[0].channels[0].number, 3);
    EXPECT_EQ(db.channelCount(), 7) << "counts stay as read";
}

TEST(ImageReader, LinksEveryReferenceAndKeepsUnlinkedOnes) {
    IrdImage img = fiveSatellites();
    std::uint8_t* slot = &img[kGroupRegion];
    const std::uint16_t numbers[] = {4, 12, 4, 1, 4000};
    for (int j = 0; j < 5; ++j) writeU16(slot + 12 + 2 * j, numbers[j]);
    writeU16(slot + 10, 5);
    img[kImageGroupCountAt] = 1;

    ChannelDatabase db;
    SilentMessageSink silent;
    ImageReadReport report;
    ASSERT_EQ(readImage(db, &img, silent, &report), 1);
    const auto& refs = db.groups[0].refs;
    ASSERT_EQ(refs.size(), 5u);
    EXPECT_EQ(refs[0], (ChannelRef{4, 0, 0, 4}));
    EXPECT_EQ(refs[2], (ChannelRef{4, 0, 0, 4})) << "a repeat is linked as well";
    EXPECT_EQ(refs[1], (ChannelRef{12, 0, 0, 0}));
    EXPECT_EQ(refs[3], (ChannelRef{1, 0, 0, 1}));
    EXPECT_EQ(refs[4], (ChannelRef{4000, 0, 0, 0}));
    EXPECT_EQ(report.unlinkedReferences, 2);
}

TEST(ImageReader, FillsInLnbFrequenciesOnlyWhenBothAreZero) {
    IrdImage img = fiveSatellites();
    auto setLnb = [&](int s, std::uint8_t flags, std::uint16_t high, std::uint16_t low) {
        satelliteAt(img, s)[28] = flags;
        writeU16(satelliteAt(img, s) + 34, high);
        writeU16(satelliteAt(img, s) + 36, low);
    };
    setLnb(0, 0x00, 0, 0);     // Standard
    setLnb(1, 0x02, 0, 0);     // Universal
    setLnb(2, 0x02, 0, 9750);  // one of the two set: left alone
    setLnb(3, 0x00, 5150, 0);
    setLnb(4, 0x06, 11300, 10750);

    ChannelDatabase db;
    SilentMessageSink silent;
    ASSERT_EQ(readImage(db, &img, silent), 1);
    using Lnb = std::pair<int, int>;  // low, high
    auto lnb = [&](int s) { return Lnb(db.satellites[s].lnbLow(), db.satellites[s].lnbHigh()); };
    EXPECT_EQ(lnb(0), Lnb(0, 5150));
    EXPECT_EQ(lnb(1), Lnb(9750, 10600));
    EXPECT_EQ(lnb(2), Lnb(9750, 0));
    EXPECT_EQ(lnb(3), Lnb(0, 5150));
    EXPECT_EQ(lnb(4), Lnb(10750, 11300));
    EXPECT_EQ(db.satellites[4].lnbFlags(), 0x06);
}

TEST(ImageReader, ResetsTheDatabaseFirst) {
    ChannelDatabase db = test::makeRandomDatabase(9);
    ChannelDatabase emptyDb;
    emptyDb.settings[0x40] = 0x5A;
    const IrdImage img = test::makeImage(emptyDb);
    SilentMessageSink silent;
    ASSERT_EQ(readImage(db, &img, silent), 1);
    EXPECT_TRUE(db.satellites.empty());
    EXPECT_TRUE(db.groups.empty());
    EXPECT_TRUE(db.settings == emptyDb.settings);
}

TEST(ImageReader, RefusesWhatItCannotRead) {
    const ChannelDatabase original = test::makeRandomDatabase(4);
    test::RecordingMessageSink messages;

    // No image, or one too short to hold the records: nothing changes, nothing is said.
    ChannelDatabase db = original;
    EXPECT_EQ(readImage(db, nullptr, messages), 0);
    IrdImage shortImage(kReadExtent - 1, 0);
    EXPECT_EQ(readImage(db, &shortImage, messages), 0);
    EXPECT_TRUE(db == original);
    EXPECT_TRUE(messages.entries.empty());

    // A wrong data version: the reader's own message, and the database left cleared.
    IrdImage img = test::makeImage(original);
    img[kVersionOffset] ^= 1;
    EXPECT_EQ(readImage(db, &img, messages), 0);
    ASSERT_EQ(messages.entries.size(), 1u);
    EXPECT_EQ(messages.entries[0].text, "DATA version must be: 00008209 !!!");
    EXPECT_TRUE(db == ChannelDatabase());
}

TEST(ImageReader, ClampsCountsBeyondTheCapacities) {
    IrdImage img = fiveSatellites();
    writeU16(&img[kImageSatCountAt], 0xFFFF);
    writeU16(&img[kImageTpCountAt], 0xFFFF);
    writeU16(&img[kImageChannelCountAt], 0xFFFF);
    img[kImageGroupCountAt] = 255;
    writeU16(&img[kGroupRegion + 10], 0xFFFF);
    // Fill the last group's slots with channel 3, to see the count is cut at the slot end.
    std::uint8_t* last = &img[kGroupRegion + 24 * kGroupSlotSize];
    writeU16(last + 10, 3901);
    for (std::size_t j = 0; j < kMaxGroupMembers; ++j) writeU16(last + 12 + 2 * j, 3);

    ChannelDatabase db;
    SilentMessageSink silent;
    ImageReadReport report;
    ASSERT_EQ(readImage(db, &img, silent, &report), 1);
    EXPECT_EQ(db.satellites.size(), kMaxSatellites);
    EXPECT_EQ(db.groups.size(), kMaxGroups);
    EXPECT_EQ(db.groups[0].refs.size(), kMaxGroupMembers);
    EXPECT_EQ(db.groups[24].refs.size(), kMaxGroupMembers);
    EXPECT_EQ(db.groups[24].refs.back(), (ChannelRef{3, 0, 0, 3}));
    EXPECT_LE(db.transponderTotal(), kMaxTransponders);
    EXPECT_LE(db.channelTotal(), kMaxChannels);
    ASSERT_EQ(report.clamps.size(), 6u);  // four counts and two groups
    std::string all;
    for (const auto& line : report.clamps) all += line + "\n";
    EXPECT_NE(all.find("satCount 65535"), std::string::npos) << all;
    EXPECT_NE(all.find("groupCount 255"), std::string::npos) << all;
    EXPECT_NE(all.find("3901"), std::string::npos) << all;
}

}  // namespace
}  // namespace kavro
