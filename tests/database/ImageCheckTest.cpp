#include <gtest/gtest.h>

#include <random>

#include "DatabaseBuilder.h"
#include "database/ByteOrder.h"
#include "database/ImageCheck.h"
#include "database/ImageReader.h"
#include "database/ImageWriter.h"

namespace kavro {
namespace {

using namespace image;
using namespace test;

std::string joined(const std::vector<std::string>& lines) {
    std::string all;
    for (const auto& l : lines) all += l + "\n";
    return all;
}

std::vector<int> badCrcs(const ImageCheckResult& r) {  // which of the seven do not match
    std::vector<int> bad;
    for (std::size_t i = 0; i < r.crcs.size(); ++i)
        if (!r.crcs[i].matches()) bad.push_back(static_cast<int>(i));
    return bad;
}

// 3 satellites, 6 transponders, 9 channels, 2 groups.
IrdImage sampleImage() {
    DatabaseBuilder b;
    for (int s = 0; s < 3; ++s)
        b.satellite("S").channel("a").channel("b").transponder(1).channel("c");
    return makeImage(b.group("ALL", {0, 1, 2, 3, 4, 5, 6, 7, 8}).group("FAV", {8, 0}).build());
}

TEST(ImageCheck, EachCrcAtItsPosition) {
    const std::pair<std::size_t, std::vector<int>> cases[] = {
        {0, {}},                          // the header is under no CRC
        {0x40 + 7812 + 20, {0, 1}},       // inside the used group slots
        {0x40 + 3 * 7812, {1}},           // an unused group slot
        {0x30040 + 44 * 4 + 30, {2, 3}},  // a used channel
        {0x30040 + 44 * 100, {3}},        // beyond the used channels
        {0x60040 + 16 * 5 + 4, {4, 5}},   // a used transponder
        {0x60040 + 16 * 3000, {5}},       // beyond the used transponders
        {0x70040 + 0x50, {6}},            // settings
        {0x74134 + 40 * 300, {6}},        // an unused satellite slot
        {0x59E90, {3}},                   // the stored CRC itself
        {0x7409C + 60, {6}},              // the unread gap after the start-up channels
    };
    for (const auto& [offset, bad] : cases) {
        IrdImage img = sampleImage();
        img[offset] ^= 0x10;
        const ImageCheckResult r = checkImage(img);
        EXPECT_EQ(badCrcs(r), bad) << "offset " << std::hex << offset;
        EXPECT_EQ(r.problems.size(), bad.size() + (offset == 0)) << joined(r.problems);
    }
    const ImageCheckResult full = checkImage(makeImage(makeFullCapacityDatabase(3)));
    EXPECT_TRUE(full.ok()) << joined(full.problems);
}

TEST(ImageCheck, FileChecksAndCrossReferences) {
    IrdImage img = sampleImage();
    writeU32(&img[kVersionOffset], 0x8208);
    img[0] = 0x01;
    EXPECT_EQ(joined(checkImage(img).problems),
              "Data version at 0x14 is 0x00008208, expected 0x00008209\n"
              "Magic number at 0x00 is 0x04212501, expected 0x04212500\n");

    img = sampleImage();
    writeU16(&img[kTransponderRegion + 1 * 16], 0x0400 | (5 * 2));  // satellite 5 of 3
    writeU16(&img[kChannelRegion + 0 * 44], 0x1000 | 6);            // transponder 6 of 6
    writeU16(&img[kGroupRegion + 7812 + 12], 9);                    // channel 9 of 9
    restampCrcs(img);
    const ImageCheckResult r = checkImage(img);
    EXPECT_EQ(joined(r.problems),
              "Transponder at position 1 names satellite 5, but satCount is 3: it is dropped "
              "with its channels\n"
              "Channel 0 names transponder 6, but tpCount is 6: it is dropped\n"
              "Channel 2 names transponder 1, which is dropped: the channel is dropped too\n"
              "Group at position 1, slot 0, names channel 9, but channelCount is 9\n");
    // Channels 0 and 2 are gone: two references of ALL and both of FAV name no channel.
    const std::string notes = joined(r.notes);
    EXPECT_NE(notes.find("reads 3 satellites, 5 transponders, 7 channels"), std::string::npos);
    EXPECT_NE(notes.find("4 group references name no channel"), std::string::npos);
}

// Images from a file or the serial line may hold anything. Whatever the bytes, the reader and
// the check stay inside the buffer (the sanitizer build proves it), the reader yields a database
// within the capacities, and saving that database gives a sound image.
ImageCheckResult expectReadCheckAndResaveSound(const IrdImage& img) {
    ChannelDatabase db;
    SilentMessageSink silent;
    const int result = readImage(db, &img, silent);
    const bool versionIntact = img.size() >= 0x18 && readU32(&img[kVersionOffset]) == kDataVersion;
    EXPECT_EQ(result, img.size() >= kReadExtent && versionIntact ? 1 : 0);
    EXPECT_FALSE(findCapacityExceeded(db)) << "the reader kept more than the image can hold";
    for (const auto& g : db.groups)
        for (ChannelRef ref : g.refs)
            if (ref.chIndex | ref.tpIndex | ref.satIndex) {  // linked: must name its channel
                const ChannelRecord* ch = db.findChannel(ref);
                EXPECT_TRUE(ch && ch->number == ref.number);
            }
    std::optional<IrdImage> again = writeImage(db);
    EXPECT_TRUE(again && checkImage(*again).ok());
    return checkImage(img);
}

TEST(HostileImage, RandomMutationsOfASoundImage) {
    const IrdImage base = makeImage(makeRandomDatabase(77, {.maxSatellites = 20, .maxGroups = 10}));
    // Where a flipped byte does the most harm: counts, group counts, index fields; or anywhere.
    const std::size_t spots[4][4] = {{kImageGroupCountAt, 0, 1, 14},
                                     {kGroupRegion + 10, kGroupSlotSize, kMaxGroups, 2},
                                     {kTransponderRegion, 16, 200, 2},
                                     {kChannelRegion, 44, 400, 2}};  // start, stride, count, span
    std::mt19937 rng(1234);
    int failedChecks = 0;
    for (int round = 0; round < 48; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        IrdImage img = base;
        for (int flips = 1 + static_cast<int>(rng() % 8); flips > 0; --flips) {
            const std::size_t* s = spots[rng() % 4];
            const std::size_t at =
                rng() % 5 == 0 ? rng() % kSize : s[0] + rng() % s[2] * s[1] + rng() % s[3];
            img[at] = rng() % 4 == 0 ? 0xFF : static_cast<std::uint8_t>(rng());
        }
        if (round % 4 == 0) img.resize(kReadExtent + rng() % (kSize - kReadExtent));
        failedChecks += !expectReadCheckAndResaveSound(img).ok();
    }
    EXPECT_GT(failedChecks, 24) << "the mutations should mostly be noticed";
}

TEST(HostileImage, RandomBytesWithEveryCountAtItsMaximum) {
    std::mt19937 rng(99);
    for (std::uint16_t groupCount : {3901, 0xFFFF}) {
        IrdImage img(kSize);
        for (std::size_t i = 0; i + 4 <= kSize; i += 4) writeU32(&img[i], rng());
        writeU32(&img[kVersionOffset], kDataVersion);
        writeU32(&img[kMagicOffset], kMagic);
        for (std::size_t at : {kImageSatCountAt, kImageTpCountAt, kImageChannelCountAt})
            writeU16(&img[at], 0xFFFF);
        img[kImageGroupCountAt] = 255;
        for (std::size_t g = 0; g < kMaxGroups; ++g)
            writeU16(&img[kGroupRegion + g * kGroupSlotSize + 10], groupCount);
        const ImageCheckResult r = expectReadCheckAndResaveSound(img);
        EXPECT_TRUE(r.fileAccepted);
        const std::string all = joined(r.problems);
        for (std::string part : {"satCount 65535 exceeds the capacity of 360 satellites; only the",
                                 "groupCount 255 exceeds the capacity of 25 groups",
                                 "Group at position 24 has count ", ", more than its 3900 slots"})
            EXPECT_NE(all.find(part), std::string::npos) << part;
        // The CRCs are computed with the counts as the reader cuts them.
        EXPECT_EQ(r.crcs[0].crc.storedAt, 0x2FB24u);
        EXPECT_EQ(r.crcs[2].crc.storedAt, 0x59E90u);
        EXPECT_EQ(r.crcs[4].crc.storedAt, 0x6FA40u);
    }
}

TEST(HostileImage, ShortAndEmptyBuffers) {
    const IrdImage sound = makeImage(makeRandomDatabase(5));
    for (std::size_t size :
         std::initializer_list<std::size_t>{0, 3, 0x17, 0x18, 0x2FB27, kSettingsOffset + 0x37,
                                            kReadExtent - 1, kReadExtent, kMinFileSize - 1}) {
        SCOPED_TRACE("size " + std::to_string(size));
        const IrdImage img(sound.begin(), sound.begin() + static_cast<std::ptrdiff_t>(size));
        const ImageCheckResult r = expectReadCheckAndResaveSound(img);
        EXPECT_FALSE(r.fileAccepted || r.ok());
    }
    EXPECT_FALSE(checkImage(nullptr, 1000).ok());
}

}  // namespace
}  // namespace kavro
