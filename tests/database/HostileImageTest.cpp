#include <gtest/gtest.h>

#include <random>

#include "DatabaseBuilder.h"
#include "database/ByteOrder.h"
#include "database/ImageCheck.h"
#include "database/ImageReader.h"
#include "database/ImageWriter.h"

// Images from a file or the serial line may hold anything. Whatever the bytes, the reader and
// the check stay inside the buffer (the sanitizer build proves it), the reader yields a database
// within the capacities, and saving that database gives a sound image.
namespace kavro {
namespace {

using namespace image;
using test::kImageChannelCountAt;
using test::kImageGroupCountAt;
using test::kImageSatCountAt;
using test::kImageTpCountAt;

void expectReadAndResaveSound(const IrdImage& img, bool versionIntact) {
    ChannelDatabase db;
    SilentMessageSink silent;
    ImageReadReport report;
    const int result = readImage(db, &img, silent, &report);
    if (img.size() < kReadExtent) {
        ASSERT_EQ(result, 0);
        return;
    }
    ASSERT_EQ(result, versionIntact ? 1 : 0);
    ASSERT_FALSE(findCapacityExceeded(db)) << "the reader kept more than the image can hold";
    for (const auto& g : db.groups)
        for (ChannelRef ref : g.refs)
            if (ref.chIndex | ref.tpIndex | ref.satIndex) {
                const ChannelRecord* ch = db.findChannel(ref);
                ASSERT_NE(ch, nullptr);
                ASSERT_EQ(ch->number, ref.number);
            }

    std::optional<IrdImage> again = writeImage(db);
    ASSERT_TRUE(again);
    const ImageCheckResult resaved = checkImage(*again);
    ASSERT_TRUE(resaved.ok()) << resaved.problems.front();
}

ImageCheckResult checked(const IrdImage& img) {
    ImageCheckResult r = checkImage(img);
    EXPECT_EQ(r.crcs.size(), 7u);
    for (const auto& line : r.problems) EXPECT_FALSE(line.empty());
    return r;
}

TEST(HostileImage, RandomMutationsOfASoundImage) {
    test::RandomShape shape;
    shape.maxSatellites = 20;
    shape.maxGroups = 10;
    const IrdImage base = test::makeImage(test::makeRandomDatabase(77, shape));
    // Where a flipped byte does the most harm: counts, group counts, index fields.
    auto hotSpot = [](std::mt19937& rng) -> std::size_t {
        switch (rng() % 5) {
            case 0:
                return kImageGroupCountAt + rng() % 14;
            case 1:
                return kGroupRegion + (rng() % kMaxGroups) * kGroupSlotSize + 10 + rng() % 2;
            case 2:
                return kTransponderRegion + (rng() % 200) * 16 + rng() % 2;
            case 3:
                return kChannelRegion + (rng() % 400) * 44 + rng() % 2;
            default:
                return rng() % kSize;
        }
    };
    std::mt19937 rng(1234);
    int failedChecks = 0;
    for (int round = 0; round < 48; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        IrdImage img = base;
        const int flips = 1 + static_cast<int>(rng() % 8);
        for (int i = 0; i < flips; ++i) {
            const std::size_t at = hotSpot(rng);
            img[at] = rng() % 4 == 0 ? 0xFF : static_cast<std::uint8_t>(rng());
        }
        if (round % 4 == 0) img.resize(kReadExtent + rng() % (kSize - kReadExtent));
        const bool versionIntact = readU32(&img[kVersionOffset]) == kDataVersion;
        expectReadAndResaveSound(img, versionIntact);
        failedChecks += !checked(img).ok();
    }
    EXPECT_GT(failedChecks, 24) << "the mutations should mostly be noticed";
}

TEST(HostileImage, RandomBytesWithEveryCountAtItsMaximum) {
    std::mt19937 rng(99);
    for (int round = 0; round < 2; ++round) {
        IrdImage img(kSize);
        for (std::size_t i = 0; i + 4 <= kSize; i += 4) writeU32(&img[i], rng());
        writeU32(&img[kVersionOffset], kDataVersion);
        writeU32(&img[kMagicOffset], kMagic);
        writeU16(&img[kImageSatCountAt], 0xFFFF);
        writeU16(&img[kImageTpCountAt], 0xFFFF);
        writeU16(&img[kImageChannelCountAt], 0xFFFF);
        img[kImageGroupCountAt] = 255;
        for (std::size_t g = 0; g < kMaxGroups; ++g)
            writeU16(&img[kGroupRegion + g * kGroupSlotSize + 10], round % 2 ? 0xFFFF : 3901);
        expectReadAndResaveSound(img, true);
        const ImageCheckResult r = checked(img);
        EXPECT_FALSE(r.ok());
        EXPECT_TRUE(r.fileAccepted);
    }
}

TEST(HostileImage, ShortAndEmptyBuffers) {
    const IrdImage sound = test::makeImage(test::makeRandomDatabase(5));
    for (std::size_t size :
         {std::size_t{0}, std::size_t{1}, std::size_t{3}, std::size_t{0x17}, std::size_t{0x18},
          std::size_t{0x40}, std::size_t{0x2FB27}, kSettingsOffset + 0x37, kReadExtent - 1,
          kReadExtent, kMinFileSize - 1}) {
        SCOPED_TRACE("size " + std::to_string(size));
        const IrdImage img(sound.begin(), sound.begin() + static_cast<std::ptrdiff_t>(size));
        expectReadAndResaveSound(img, true);
        const ImageCheckResult r = checked(img);
        EXPECT_FALSE(r.ok());
        EXPECT_FALSE(r.fileAccepted);
    }
    EXPECT_FALSE(checkImage(nullptr, 0).ok());
    EXPECT_FALSE(checkImage(nullptr, 1000).ok());
}

}  // namespace
}  // namespace kavro
