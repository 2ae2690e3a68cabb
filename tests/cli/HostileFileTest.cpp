// Files that lie about their contents: every command must answer in words, exit normally, and
// whatever it saves must pass the check.
#include <gtest/gtest.h>

#include <QJsonDocument>
#include <filesystem>
#include <random>

#include "CliRunner.h"
#include "DatabaseBuilder.h"
#include "TemporaryDirectory.h"
#include "database/ByteOrder.h"

namespace kavro::test {
namespace {

class HostileFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(runCli({"names", "add", "MBC", "إم بي سي", "--list", list}).exitedWith(0));
    }

    // Runs every command that reads a database on `image`; none may crash or hang, each ends
    // with 0 or 1. Returns how many ended with 0.
    int runAll(const IrdImage& image) {
        writeImageFile(file, image);
        int succeeded = 0;
        for (const std::vector<std::string>& args : commands) {
            std::filesystem::remove(out);
            const ProgramResult r = runCli(args);
            EXPECT_TRUE(r.exitedWith(0) || r.exitedWith(1))
                << args[0] << ": exit " << r.exitCode << ", signal " << r.signal << "\n"
                << r.err;
            if (r.exitCode != 0) continue;
            ++succeeded;
            EXPECT_TRUE(args[1] != "--json" ||
                        !QJsonDocument::fromJson(QByteArray::fromStdString(r.out)).isNull());
            if (std::filesystem::exists(out)) {
                EXPECT_TRUE(runCli({"check", out}).exitedWith(0)) << args[0] << " saved a bad file";
            }
        }
        return succeeded;
    }

    TemporaryDirectory dir;
    std::string file = dir.file("hostile.ird"), out = dir.file("out.ird");
    std::string list = dir.file("names.ini");
    const std::vector<std::vector<std::string>> commands = {
        {"check", file},
        {"info", file},
        {"dump", file},
        {"dump", "--json", file},
        {"resave", file, out},
        {"settings", "show", file},
        {"settings", "set", file, "volume=3", "startup-channel=2", "-o", out},
        {"arabize", file, out, "--list", list},
        {"find", file, "a"},
        {"tool", "remove-data", file, out},
        {"tool", "remove-cband", file, out},
        {"tool", "sort", file, out}};
};

TEST_F(HostileFileTest, CountsAtTheirMaximumAreReportedAndCut) {
    IrdImage image = demoImage();
    for (std::size_t at : {kImageSatCountAt, kImageTpCountAt, kImageChannelCountAt})
        writeU16(image.data() + at, 0xFFFF);
    image[kImageGroupCountAt] = 255;
    writeU16(image.data() + image::kGroupRegion + 10, 0xFFFF);  // first group's member count
    // The check fails; the reader cuts the counts to fit, so everything else works.
    EXPECT_EQ(runAll(image), static_cast<int>(commands.size()) - 1);
    EXPECT_TRUE(runCli({"check", file}).exitedWith(1));
}

TEST_F(HostileFileTest, CutFilesAreRefusedNeverReadPastTheirEnd) {
    const IrdImage full = demoImage();
    for (std::size_t length : {std::size_t{0}, std::size_t{3}, std::size_t{0x40},
                               image::kReadExtent - 1, image::kMinFileSize - 1}) {
        SCOPED_TRACE(length);
        EXPECT_EQ(runAll(IrdImage(full.begin(), full.begin() + static_cast<long>(length))), 0);
    }
    // The shortest length the editor opens: the records are all there.
    EXPECT_EQ(runAll(IrdImage(full.begin(), full.begin() + image::kMinFileSize)),
              static_cast<int>(commands.size()));
}

TEST_F(HostileFileTest, RandomDamageNeverCrashesAnyCommand) {
    const IrdImage clean = demoImage();
    std::mt19937 random(20261206);
    for (int round = 0; round < 6; ++round) {
        SCOPED_TRACE(round);
        IrdImage image = clean;
        // Damage the records, the group slots and the settings block, then keep the file
        // acceptable to the opener so the reader really runs on it.
        for (int k = 0; k < 400; ++k)
            image[std::uniform_int_distribution<std::size_t>(0, image::kReadExtent - 1)(random)] =
                static_cast<std::uint8_t>(random());
        writeU32(image.data() + image::kMagicOffset, image::kMagic);
        writeU32(image.data() + image::kVersionOffset, image::kDataVersion);
        if (round % 2) restampCrcs(image);
        runAll(image);
    }
}

}  // namespace
}  // namespace kavro::test
