#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

#include "DatabaseBuilder.h"
#include "RecordingMessageSink.h"
#include "TemporaryDirectory.h"
#include "database/ByteOrder.h"
#include "database/ImageFile.h"
#include "messages/StringIds.h"

namespace kavro {
namespace {

using namespace image;
namespace fs = std::filesystem;

class ImageFileTest : public ::testing::Test {
protected:
    std::string write(const std::string& name, const IrdImage& bytes) {
        EXPECT_TRUE(test::writeBytes(dir.file(name), bytes));
        return dir.file(name);
    }
    long filesInDir() const {
        return std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator());
    }

    test::TemporaryDirectory dir;
    test::RecordingMessageSink messages;
    const ChannelDatabase previous = test::makeRandomDatabase(21);
    ChannelDatabase db = previous;
};

TEST_F(ImageFileTest, ReadFileRefusesEachFailingCheckWithItsMessageAndKeepsTheDatabase) {
    EXPECT_FALSE(readFile(db, "", messages));
    IrdImage img = test::makeImage(test::makeRandomDatabase(22));
    IrdImage badVersion = img, badMagic = img;
    writeU32(&badVersion[kVersionOffset], 0x8208);
    badMagic[kMagicOffset + 3] = 0x05;
    IrdImage bothBad = badVersion;
    writeU32(&bothBad[kMagicOffset], 0);
    const std::string version =
        "Invalidate File or DATA version is different.\nPlease make sure that it is the good file!";
    const std::string unsupported =
        "The File '%s' is cannot be identified as a supported type.\n"
        "Please make sure that it is the good file!";
    const struct {
        std::string path;
        int id;
        std::string text;  // "%s" stands for the path
    } cases[] = {
        {dir.file("missing.ird"), strings::FileNotFound, "%s was not found."},
        {dir.path().string(), strings::FileAccessDenied, "%s cannot be accessed."},
        {write("short.ird", IrdImage(img.begin(), img.begin() + kMinFileSize - 1)),
         strings::UnsupportedFile, unsupported},
        {write("empty.ird", {}), strings::UnsupportedFile, unsupported},
        {write("version.ird", badVersion), strings::WrongDataVersion, version},
        {write("both.ird", bothBad), strings::WrongDataVersion, version},  // version first
        {write("magic.ird", badMagic), strings::UnsupportedFile, unsupported},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        messages.entries.clear();
        EXPECT_FALSE(readFile(db, c.path, messages));
        ASSERT_EQ(messages.ids(), std::vector<int>{c.id});
        std::string text = c.text;
        if (auto at = text.find("%s"); at != std::string::npos) text.replace(at, 2, c.path);
        EXPECT_EQ(messages.entries[0].text, text);
        EXPECT_EQ(db, previous) << "a failed open keeps the database";
    }
    // The shortest file and a longer one are read as the image they start with.
    ChannelDatabase fromImage;
    ASSERT_EQ(readImage(fromImage, &img, messages), 1);
    for (std::size_t size : {kMinFileSize, kSize + 4096}) {
        img.resize(size, 0xEE);
        ASSERT_TRUE(readFile(db, write("file.ird", img), messages)) << size;
        EXPECT_EQ(test::firstDifference(db, fromImage), "");
    }
}

TEST_F(ImageFileTest, WriteFileWritesOneStampedImageOrSaysWhyAndKeepsTheOldFileAndDatabase) {
    const std::string path = dir.file("ChData.ird");
    ASSERT_TRUE(writeFile(db, path, messages, CalendarDate{2026, 12, 25}));
    EXPECT_TRUE(messages.entries.empty());
    ChannelDatabase stamped = previous;
    std::memcpy(&stamped.settings[12], "25 D\xE9\x63 2026", 12);  // with its NUL, nothing more
    EXPECT_TRUE(test::readBytes(path) == test::makeImage(stamped));
    EXPECT_EQ(db, previous) << "the date, counts and links go into the file only";
    EXPECT_EQ(saveDateText({2026, 2, 5}), "05 Fev 2026");
    EXPECT_EQ(saveDateText({1999, 0, 31}), "31     1999");
    EXPECT_EQ(filesInDir(), 1) << "no temporary file left beside it";
    // A name so long that no temporary name beside it can be made: the save fails before
    // anything reaches the existing file (and does so even for a privileged user).
    const IrdImage old(1000, 0x42);
    const std::string longName = write(std::string(250, 'k') + ".ird", old);
    EXPECT_FALSE(writeFile(db, longName, messages));
    // A folder in the way; a database beyond a capacity.
    fs::create_directory(dir.file("folder.ird"));
    EXPECT_FALSE(writeFile(db, dir.file("folder.ird"), messages));
    EXPECT_EQ(db, previous);
    db.satellites.resize(361);
    const ChannelDatabase tooBig = db;
    EXPECT_FALSE(writeFile(db, path, messages));
    EXPECT_EQ(db, tooBig) << "a refused save stamps nothing";
    using namespace strings;
    EXPECT_EQ(messages.ids(),
              (std::vector<int>{FileWriteError, FileWriteError, TooManySatellites}));
    EXPECT_NE(messages.entries[0].text.find(longName), std::string::npos);
    EXPECT_EQ(messages.entries[2].text, "The receiver holds at most 360 satellites.");
    EXPECT_TRUE(test::readBytes(longName) == old);
    EXPECT_TRUE(fs::is_directory(dir.file("folder.ird")));
    EXPECT_TRUE(test::readBytes(path) == test::makeImage(stamped));
    EXPECT_EQ(filesInDir(), 3);
}

}  // namespace
}  // namespace kavro
