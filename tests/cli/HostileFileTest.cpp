// Files that lie about their contents: every command must answer in words and exit normally.
#include <gtest/gtest.h>

#include <random>

#include "CliRunner.h"
#include "CliTestFiles.h"
#include "DatabaseBuilder.h"
#include "TemporaryDirectory.h"
#include "database/ByteOrder.h"

namespace kavro::test {
namespace {

class HostileFileTest : public ::testing::Test {
protected:
    std::string write(const std::string& name, const IrdImage& image) {
        const std::string path = dir.file(name);
        writeImageFile(path, image);
        return path;
    }

    // Runs every reading command on `path`; none may crash or hang. Returns check's result.
    ProgramResult runAll(const std::string& path) {
        for (const std::vector<std::string>& args :
             {std::vector<std::string>{"info", path}, {"dump", path}, {"dump", "--json", path},
              {"resave", path, dir.file("resaved.ird")}}) {
            const ProgramResult r = runCli(args);
            EXPECT_EQ(r.signal, 0) << args[0] << " crashed on " << path << "\n" << r.err;
            EXPECT_FALSE(r.timedOut) << args[0];
            EXPECT_TRUE(r.exitCode == 0 || r.exitCode == 1) << args[0] << ": " << r.exitCode;
        }
        const ProgramResult check = runCli({"check", path});
        EXPECT_EQ(check.signal, 0) << check.err;
        return check;
    }

    TemporaryDirectory dir;
};

TEST_F(HostileFileTest, CountsBeyondEveryCapacityAreReportedAndCut) {
    IrdImage image = demoImage();
    writeU16(image.data() + kImageSatCountAt, 0xFFFF);
    writeU16(image.data() + kImageTpCountAt, 0xFFFF);
    writeU16(image.data() + kImageChannelCountAt, 0xFFFF);
    image[kImageGroupCountAt] = 255;
    writeU16(image.data() + image::kGroupRegion + 10, 0xFFFF);  // first group's count
    const std::string path = write("counts.ird", image);

    const ProgramResult check = runAll(path);
    EXPECT_TRUE(check.exitedWith(1));
    for (const char* part : {"satCount 65535 exceeds the capacity of 360",
                             "tpCount 65535 exceeds the capacity of 4000",
                             "channelCount 65535 exceeds the capacity of 3900",
                             "groupCount 255 exceeds the capacity of 25",
                             "has count 65535, more than its 3900 slots"})
        EXPECT_TRUE(contains(check.out, part)) << part << "\n" << check.out;

    // The reader cuts the counts to fit, so the database still opens and saves.
    const ProgramResult info = runCli({"info", path});
    EXPECT_TRUE(info.exitedWith(0)) << info.err;
    EXPECT_TRUE(contains(info.out, "Satellites    65535 (360 read)")) << info.out;
    const ProgramResult resave = runCli({"resave", path, dir.file("out.ird")});
    EXPECT_TRUE(resave.exitedWith(0)) << resave.err;
    EXPECT_TRUE(runCli({"check", dir.file("out.ird")}).exitedWith(0));
}

TEST_F(HostileFileTest, CutFilesAreRefusedOrReportedNeverReadPastTheirEnd) {
    const IrdImage full = demoImage();
    for (std::size_t length : {std::size_t{0}, std::size_t{3}, std::size_t{0x40},
                               image::kReadExtent - 1, image::kMinFileSize - 1,
                               image::kMinFileSize}) {
        const IrdImage cut(full.begin(), full.begin() + static_cast<std::ptrdiff_t>(length));
        const std::string path = write("cut" + std::to_string(length) + ".ird", cut);
        const ProgramResult check = runAll(path);
        if (length < image::kMinFileSize) {
            EXPECT_TRUE(check.exitedWith(1)) << length;
            EXPECT_TRUE(contains(check.out, "problem: ")) << length;
            EXPECT_TRUE(runCli({"info", path}).exitedWith(1)) << length;
        } else {
            // The shortest length the editor opens: only a note, the CRCs still stand.
            EXPECT_TRUE(check.exitedWith(0)) << check.out;
            EXPECT_TRUE(contains(check.out, "note: The file is 589888 bytes long")) << check.out;
        }
    }
}

TEST_F(HostileFileTest, RandomDamageNeverCrashesAnyCommand) {
    const IrdImage clean = demoImage();
    std::mt19937 random(20261206);
    for (int round = 0; round < 6; ++round) {
        IrdImage image = clean;
        // Damage the records, the group slots and the settings block, then keep the file
        // acceptable to the opener so the reader really runs on it.
        for (int k = 0; k < 400; ++k) {
            const std::size_t at = std::uniform_int_distribution<std::size_t>(
                0, image::kReadExtent - 1)(random);
            image[at] = static_cast<std::uint8_t>(random());
        }
        writeU32(image.data() + image::kMagicOffset, image::kMagic);
        writeU32(image.data() + image::kVersionOffset, image::kDataVersion);
        if (round % 2) restampCrcs(image);
        const std::string path = write("damaged" + std::to_string(round) + ".ird", image);
        const ProgramResult check = runAll(path);
        EXPECT_TRUE(check.exitCode == 0 || check.exitCode == 1) << check.err;
    }
}

}  // namespace
}  // namespace kavro::test
