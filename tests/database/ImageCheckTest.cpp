#include <gtest/gtest.h>

#include "DatabaseBuilder.h"
#include "TemporaryDirectory.h"
#include "database/ByteOrder.h"
#include "database/ImageCheck.h"

namespace kavro {
namespace {

using namespace image;
using test::kImageChannelCountAt;
using test::kImageGroupCountAt;
using test::kImageSatCountAt;
using test::kImageTpCountAt;

std::string joined(const std::vector<std::string>& lines) {
    std::string all;
    for (const auto& l : lines) all += l + "\n";
    return all;
}

bool mentions(const std::vector<std::string>& lines, const std::string& text) {
    return joined(lines).find(text) != std::string::npos;
}

// Which of the seven CRCs do not match.
std::vector<int> badCrcs(const ImageCheckResult& r) {
    std::vector<int> bad;
    for (std::size_t i = 0; i < r.crcs.size(); ++i)
        if (!r.crcs[i].matches()) bad.push_back(static_cast<int>(i));
    return bad;
}

// 3 satellites, 6 transponders, 9 channels, 2 groups.
IrdImage sampleImage() {
    test::DatabaseBuilder b;
    for (int s = 0; s < 3; ++s)
        b.satellite("S").transponder(11000).channel("a").channel("b").transponder(12000).channel(
            "c");
    b.group("ALL", {0, 1, 2, 3, 4, 5, 6, 7, 8}).group("FAV", {8, 0});
    return test::makeImage(b.build());
}

TEST(ImageCheck, SoundImageHasNoProblems) {
    const IrdImage img = sampleImage();
    const ImageCheckResult r = checkImage(img);
    EXPECT_TRUE(r.ok()) << joined(r.problems);
    EXPECT_TRUE(r.fileAccepted);
    ASSERT_EQ(r.crcs.size(), 7u);
    EXPECT_TRUE(badCrcs(r).empty());
    EXPECT_EQ(r.crcs[0].crc.storedAt, 0x40u + 2 * 7812);
    EXPECT_EQ(r.crcs[2].crc.storedAt, 0x30040u + 9 * 44);
    EXPECT_EQ(r.crcs[4].crc.storedAt, 0x60040u + 6 * 16);
    EXPECT_TRUE(mentions(r.notes, "reads 3 satellites, 6 transponders, 9 channels and 2 groups"));

    const ImageCheckResult full = checkImage(test::makeImage(test::makeFullCapacityDatabase(3)));
    EXPECT_TRUE(full.ok()) << joined(full.problems);
}

TEST(ImageCheck, FileChecks) {
    IrdImage img = sampleImage();
    img.resize(kMinFileSize);
    ImageCheckResult r = checkImage(img);
    EXPECT_TRUE(r.ok()) << joined(r.problems);
    EXPECT_TRUE(mentions(r.notes, "589888 bytes long"));

    img.resize(kMinFileSize - 1);
    r = checkImage(img);
    EXPECT_FALSE(r.fileAccepted);
    ASSERT_EQ(r.problems.size(), 1u) << joined(r.problems);
    EXPECT_TRUE(mentions(r.problems, "589887 bytes long, shorter than the 589888 bytes"));

    img = sampleImage();
    writeU32(&img[kVersionOffset], 0x8208);
    img[0] = 0x01;
    r = checkImage(img);
    EXPECT_FALSE(r.fileAccepted);
    EXPECT_TRUE(mentions(r.problems, "Data version at 0x14 is 0x00008208, expected 0x00008209"));
    EXPECT_TRUE(mentions(r.problems, "Magic number at 0x00 is 0x04212501, expected 0x04212500"));
    EXPECT_TRUE(badCrcs(r).empty()) << "the header is not under any CRC";
    EXPECT_EQ(r.problems.size(), 2u) << joined(r.problems);
}

TEST(ImageCheck, EachCrcAtItsPosition) {
    struct Case {
        std::size_t offset;
        std::vector<int> bad;
    };
    const Case cases[] = {
        {0x40 + 7812 + 20, {0, 1}},       // inside the used group slots
        {0x40 + 3 * 7812, {1}},           // an unused group slot
        {0x30040 + 44 * 4 + 30, {2, 3}},  // a used channel
        {0x30040 + 44 * 100, {3}},        // beyond the used channels
        {0x60040 + 16 * 5 + 4, {4, 5}},   // a used transponder
        {0x60040 + 16 * 3000, {5}},       // beyond the used transponders
        {0x70040 + 0x50, {6}},            // settings
        {0x74134 + 40 * 300, {6}},        // an unused satellite slot
        {0x59E90, {3}},                   // the stored CRC itself
        {0x77974 + 2, {6}},
        {0x7409C + 60, {6}},  // the unread gap after the start-up channels
    };
    for (const Case& c : cases) {
        IrdImage img = sampleImage();
        img[c.offset] ^= 0x10;
        const ImageCheckResult r = checkImage(img);
        EXPECT_EQ(badCrcs(r), c.bad) << "offset " << std::hex << c.offset;
        EXPECT_EQ(r.problems.size(), c.bad.size()) << joined(r.problems);
    }
    IrdImage img = sampleImage();
    img[0x30040 + 44 * 4 + 30] ^= 0x10;
    EXPECT_TRUE(mentions(checkImage(img).problems,
                         "CRC of the channels (used part, 0x30040-0x301CB) at 0x301CC: stored"));
}

TEST(ImageCheck, CountsBeyondTheCapacities) {
    IrdImage img = sampleImage();
    writeU16(&img[kImageSatCountAt], 361);
    writeU16(&img[kImageTpCountAt], 0xFFFF);
    writeU16(&img[kImageChannelCountAt], 3901);
    img[kImageGroupCountAt] = 255;
    writeU16(&img[kGroupRegion + 10], 3901);
    const ImageCheckResult r = checkImage(img);
    EXPECT_TRUE(mentions(r.problems, "satCount 361 exceeds the capacity of 360 satellites"));
    EXPECT_TRUE(mentions(r.problems, "tpCount 65535 exceeds the capacity of 4000 transponders"));
    EXPECT_TRUE(mentions(r.problems, "channelCount 3901 exceeds the capacity of 3900 channels"));
    EXPECT_TRUE(mentions(r.problems, "groupCount 255 exceeds the capacity of 25 groups"));
    EXPECT_TRUE(mentions(r.problems, "Group at position 0 has count 3901"));
    // The CRCs are computed with the counts as the reader cuts them.
    EXPECT_EQ(r.crcs[0].crc.storedAt, 0x2FB24u);
    EXPECT_EQ(r.crcs[2].crc.storedAt, 0x59E90u);
    EXPECT_EQ(r.crcs[4].crc.storedAt, 0x6FA40u);
}

TEST(ImageCheck, CrossReferences) {
    IrdImage img = sampleImage();
    writeU16(&img[kTransponderRegion + 1 * 16], 0x0400 | (5 * 2));  // satellite 5 of 3
    writeU16(&img[kChannelRegion + 0 * 44], 0x1000 | 6);            // transponder 6 of 6
    std::uint8_t* fav = &img[kGroupRegion + 7812];
    writeU16(fav + 12, 9);  // channel 9 of 9
    test::restampCrcs(img);
    const ImageCheckResult r = checkImage(img);
    EXPECT_TRUE(badCrcs(r).empty());
    EXPECT_EQ(joined(r.problems),
              "Transponder at position 1 names satellite 5, but satCount is 3: it is dropped "
              "with its channels\n"
              "Channel 0 names transponder 6, but tpCount is 6: it is dropped\n"
              "Channel 2 names transponder 1, which is dropped: the channel is dropped too\n"
              "Group at position 1, slot 0, names channel 9, but channelCount is 9\n");
    // Channels 0 and 2 are gone: two references of ALL and both of FAV name no channel.
    EXPECT_TRUE(mentions(r.notes, "reads 3 satellites, 5 transponders, 7 channels"));
    EXPECT_TRUE(mentions(r.notes, "4 group references name no channel"));
}

TEST(ImageCheck, LongRunsAreSummedUp) {
    IrdImage img = test::makeImage(test::makeFullCapacityDatabase(4));
    img[kImageSatCountAt] = 0;
    img[kImageSatCountAt + 1] = 0;  // no satellites: every transponder dangles
    test::restampCrcs(img);
    const ImageCheckResult r = checkImage(img);
    // 10 transponders listed and summed up; 10 channels listed and summed up.
    ASSERT_EQ(r.problems.size(), 22u) << joined(r.problems);
    EXPECT_EQ(r.problems[10], "... and 3990 more transponders name a satellite out of range");
    EXPECT_EQ(r.problems[21], "... and 3890 more channels name a dropped transponder");
}

TEST(ImageCheck, FilesOnDisk) {
    test::TemporaryDirectory dir;
    ImageCheckResult r = checkImageFile(dir.file("nothing.ird"));
    ASSERT_EQ(r.problems.size(), 1u);
    EXPECT_TRUE(mentions(r.problems, "nothing.ird': the file does not exist"));
    EXPECT_TRUE(mentions(checkImageFile(dir.path().string()).problems, "not a regular file"));

    IrdImage img = sampleImage();
    img.resize(kSize + 100000, 0x11);  // trailing bytes: a note, and not loaded
    const std::string path = dir.file("long.ird");
    test::writeBytes(path, img);
    r = checkImageFile(path);
    EXPECT_TRUE(r.ok()) << joined(r.problems);
    EXPECT_TRUE(mentions(r.notes, "755424 bytes long"));

    test::writeBytes(path, img.data(), 10);
    r = checkImageFile(path);
    EXPECT_FALSE(r.fileAccepted);
    EXPECT_TRUE(mentions(r.problems, "10 bytes long"));
}

}  // namespace
}  // namespace kavro
