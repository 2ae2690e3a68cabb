#include <gtest/gtest.h>

#include <filesystem>

#include "DatabaseBuilder.h"
#include "RecordingMessageSink.h"
#include "TemporaryDirectory.h"
#include "database/ByteOrder.h"
#include "database/ImageFile.h"
#include "database/ImageWriter.h"
#include "messages/StringIds.h"

namespace kavro {
namespace {

using namespace image;
namespace fs = std::filesystem;

class ImageFileTest : public ::testing::Test {
protected:
    test::TemporaryDirectory dir;
    test::RecordingMessageSink messages;
    const ChannelDatabase previous = test::makeRandomDatabase(21);
    ChannelDatabase db = previous;

    IrdImage validImage() { return test::makeImage(test::makeRandomDatabase(22)); }

    // readFile fails with exactly one message; the database is as it was.
    void expectRefused(const std::string& path, int stringId, bool withPath) {
        SCOPED_TRACE(path);
        messages.entries.clear();
        EXPECT_FALSE(readFile(db, path, messages));
        ASSERT_EQ(messages.ids(), std::vector<int>{stringId});
        if (withPath) {
            EXPECT_NE(messages.entries[0].text.find(path), std::string::npos);
        }
        EXPECT_TRUE(db == previous) << "a failed open keeps the database";
    }
};

TEST_F(ImageFileTest, ReadFileRefusesEachFailingCheck) {
    EXPECT_FALSE(readFile(db, "", messages));
    EXPECT_TRUE(messages.entries.empty());

    expectRefused(dir.file("missing.ird"), strings::FileNotFound, true);
    expectRefused(dir.path().string(), strings::FileAccessDenied, true);

    IrdImage img = validImage();
    const std::string shortFile = dir.file("short.ird");
    test::writeBytes(shortFile, img.data(), kMinFileSize - 1);
    expectRefused(shortFile, strings::UnsupportedFile, true);
    EXPECT_EQ(messages.entries[0].text, "The File '" + shortFile +
                                            "' is cannot be identified as a supported type.\n"
                                            "Please make sure that it is the good file!");

    const std::string emptyFile = dir.file("empty.ird");
    test::writeBytes(emptyFile, img.data(), 0);
    expectRefused(emptyFile, strings::UnsupportedFile, true);

    IrdImage wrongVersion = img;
    writeU32(&wrongVersion[kVersionOffset], 0x8208);
    const std::string versionFile = dir.file("version.ird");
    test::writeBytes(versionFile, wrongVersion);
    expectRefused(versionFile, strings::WrongDataVersion, false);

    // Version and magic both wrong: the version is looked at first.
    writeU32(&wrongVersion[kMagicOffset], 0);
    test::writeBytes(versionFile, wrongVersion);
    expectRefused(versionFile, strings::WrongDataVersion, false);

    IrdImage wrongMagic = img;
    wrongMagic[kMagicOffset + 3] = 0x05;
    const std::string magicFile = dir.file("magic.ird");
    test::writeBytes(magicFile, wrongMagic);
    expectRefused(magicFile, strings::UnsupportedFile, true);
}

TEST_F(ImageFileTest, ReadFileAcceptsTheShortestAndLongerFiles) {
    const ChannelDatabase source = test::makeRandomDatabase(23);
    IrdImage img = test::makeImage(source);
    ChannelDatabase fromFull;
    SilentMessageSink silent;
    ASSERT_EQ(readImage(fromFull, &img, silent), 1);

    const std::string path = dir.file("exact.ird");
    test::writeBytes(path, img.data(), kMinFileSize);
    ASSERT_TRUE(readFile(db, path, messages));
    EXPECT_TRUE(messages.entries.empty());
    EXPECT_EQ(test::firstDifference(db, fromFull), "");

    img.resize(kSize + 4096, 0xEE);
    test::writeBytes(path, img);
    ASSERT_TRUE(readFile(db, path, messages));
    EXPECT_EQ(test::firstDifference(db, fromFull), "");
}

TEST(SaveDate, MonthTable) {
    const char* months[] = {"Jan",
                            "Fev",
                            "Mar",
                            "Avr",
                            "Mai",
                            "Jun",
                            "Jul",
                            "Aut",
                            "Sep",
                            "Oct",
                            "Nov",
                            "D\xE9"
                            "c"};
    for (int m = 1; m <= 12; ++m)
        EXPECT_EQ(saveDateText({2026, m, 5}), std::string("05 ") + months[m - 1] + " 2026");
    EXPECT_EQ(saveDateText({2026, 12, 5}),
              "05 D\xE9"
              "c 2026");
    EXPECT_EQ(saveDateText({1999, 0, 31}), "31     1999");

    ChannelDatabase db;
    db.settings.fill(0x55);
    stampSaveDate(db, {2026, 12, 25});
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&db.settings[12]), 12),
              std::string("25 D\xE9"
                          "c 2026\0",
                          12));
    EXPECT_EQ(db.settings[11], 0x55);
    EXPECT_EQ(db.settings[24], 0x55);
    EXPECT_EQ(db.dateText(),
              "25 D\xE9"
              "c 2026");
}

TEST_F(ImageFileTest, WriteFileWritesOneStampedImage) {
    const std::string path = dir.file("ChData.ird");
    ASSERT_TRUE(writeFile(db, path, messages, CalendarDate{2026, 8, 3}));
    EXPECT_TRUE(messages.entries.empty());
    const auto bytes = test::readBytes(path);
    ASSERT_EQ(bytes.size(), kSize);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&bytes[kSettingsOffset + 12])),
              "03 Aut 2026");

    // The file is the image of the stamped database, and nothing is left beside it.
    ChannelDatabase stamped = previous;
    stampSaveDate(stamped, {2026, 8, 3});
    EXPECT_TRUE(bytes == test::makeImage(stamped));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1);

    ChannelDatabase back;
    ASSERT_TRUE(readFile(back, path, messages));
    EXPECT_EQ(back.dateText(), "03 Aut 2026");
    EXPECT_EQ(back.channelTotal(), previous.channelTotal());
}

TEST_F(ImageFileTest, FailedSaveKeepsTheOldFile) {
    // A name so long that no temporary name beside it can be made: the save fails before
    // anything reaches the existing file (and does so even for a privileged user).
    const std::string path = dir.file(std::string(250, 'k') + ".ird");
    const std::vector<std::uint8_t> old(1000, 0x42);
    ASSERT_TRUE(test::writeBytes(path, old.data(), old.size()));

    EXPECT_FALSE(writeFile(db, path, messages, CalendarDate{2026, 1, 1}));
    ASSERT_EQ(messages.ids(), std::vector<int>{strings::FileWriteError});
    EXPECT_NE(messages.entries[0].text.find(path), std::string::npos);
    EXPECT_TRUE(test::readBytes(path) == old);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator()), 1);
    EXPECT_EQ(db.dateText(), "01 Jan 2026") << "the stamp stays even when the save fails";

    // A folder in the way: refused, the folder untouched.
    messages.entries.clear();
    const std::string folder = dir.file("folder.ird");
    fs::create_directory(folder);
    EXPECT_FALSE(writeFile(db, folder, messages));
    EXPECT_EQ(messages.ids(), std::vector<int>{strings::FileWriteError});
    EXPECT_TRUE(fs::is_directory(folder));

    EXPECT_FALSE(writeFile(db, "", messages));
}

TEST_F(ImageFileTest, WriteFileRefusesADatabaseBeyondTheCapacities) {
    const std::string path = dir.file("big.ird");
    const std::vector<std::uint8_t> old(2000, 0x24);
    test::writeBytes(path, old.data(), old.size());

    db.groups.resize(3);
    db.groups[1].refs.resize(3901);
    EXPECT_FALSE(writeFile(db, path, messages));
    ASSERT_EQ(messages.ids(), std::vector<int>{strings::TooManyGroupMembers});
    EXPECT_EQ(messages.entries[0].text, "A group holds at most 3900 channels.");
    EXPECT_TRUE(test::readBytes(path) == old);

    messages.entries.clear();
    db.satellites.resize(361);
    EXPECT_FALSE(writeFile(db, path, messages));
    ASSERT_EQ(messages.ids(), std::vector<int>{strings::TooManySatellites});
    EXPECT_EQ(messages.entries[0].text, "The receiver holds at most 360 satellites.");
}

}  // namespace
}  // namespace kavro
