// resave and demo, and the save helper they share.
#include <gtest/gtest.h>

#include <filesystem>

#include "CliRunner.h"
#include "CliTestFiles.h"
#include "DatabaseBuilder.h"
#include "RecordingMessageSink.h"
#include "TemporaryDirectory.h"
#include "cli/DatabaseFiles.h"
#include "database/ByteOrder.h"
#include "database/ImageFile.h"
#include "messages/StringIds.h"

namespace kavro::test {
namespace {

ChannelDatabase readBack(const std::string& path) {
    ChannelDatabase db;
    RecordingMessageSink messages;
    EXPECT_TRUE(readFile(db, path, messages)) << path;
    return db;
}

TEST(SaveCommandsTest, ResaveOfTheDemoKeepsEverythingAndStampsTheDate) {
    TemporaryDirectory dir;
    const std::string in = dir.file("in.ird"), out = dir.file("out.ird");
    writeImageFile(in, demoImage());  // written without a date

    const ProgramResult r = runCli({"resave", in, out});
    ASSERT_TRUE(r.exitedWith(0)) << r.err;
    EXPECT_TRUE(contains(r.out, "Saved " + out + " (6 satellites, 36 transponders, 279 channels, "
                                              "6 groups), dated "))
        << r.out;
    EXPECT_TRUE(r.err.empty()) << r.err;

    ChannelDatabase before = readBack(in), after = readBack(out);
    EXPECT_EQ(after.dateText(), saveDateText(today()));
    before.setDateText(after.dateText());
    EXPECT_EQ(firstDifference(before, after), "");
    EXPECT_TRUE(runCli({"check", out}).exitedWith(0));

    // In place, too.
    EXPECT_TRUE(runCli({"resave", out, out}).exitedWith(0));
    EXPECT_EQ(firstDifference(readBack(out), after), "");
}

// A file whose channel region is not in tree order: the save renumbers the channels into tree
// order and rewrites the group slots so they still name the same channels.
TEST(SaveCommandsTest, ResaveRenumbersIntoTreeOrderAndKeepsGroupMembers) {
    TemporaryDirectory dir;
    ChannelDatabase db = DatabaseBuilder()
                             .satellite("A")
                             .transponder(11000)
                             .channel("First")
                             .satellite("B")
                             .transponder(12000)
                             .channel("Second")
                             .group("FAV", {1})
                             .build();
    IrdImage image = makeImage(db);
    std::uint8_t* ch0 = image.data() + image::kChannelRegion;
    std::uint8_t* ch1 = ch0 + ChannelRecord::kSize;
    std::swap_ranges(ch0, ch0 + ChannelRecord::kSize, ch1);  // "Second" now stands first
    std::uint8_t* slot0 = image.data() + image::kGroupRegion + GroupRecord::kHeaderSize;
    writeU16(slot0, 0);
    restampCrcs(image);
    const std::string in = dir.file("in.ird"), out = dir.file("out.ird");
    writeImageFile(in, image);

    const ChannelDatabase loaded = readBack(in);
    ASSERT_EQ(loaded.satellites[0].transponders[0].channels[0].number, 1);  // "First"

    ASSERT_TRUE(runCli({"resave", in, out}).exitedWith(0));
    const std::vector<std::uint8_t> saved = readBytes(out);
    ASSERT_EQ(saved.size(), image::kSize);
    EXPECT_EQ(readU16(saved.data() + image::kGroupRegion + GroupRecord::kHeaderSize), 1)
        << "the group must still name \"Second\", now at image position 1";
    const ChannelDatabase resaved = readBack(out);
    EXPECT_EQ(resaved.satellites[0].transponders[0].channels[0].number, 0);
    EXPECT_EQ(resaved.satellites[1].transponders[0].channels[0].number, 1);
    EXPECT_EQ(resaved.groups[0].refs[0].number, 1);
}

TEST(SaveCommandsTest, ResaveSaysWhatTheReaderLeftOut) {
    TemporaryDirectory dir;
    IrdImage image = demoImage();
    // The "ALL" group gets one more slot, naming a channel that does not exist.
    std::uint8_t* all = image.data() + image::kGroupRegion;
    writeU16(all + 10, 280);
    writeU16(all + GroupRecord::kHeaderSize + 2 * 279, 5000);
    restampCrcs(image);
    const std::string in = dir.file("in.ird"), out = dir.file("out.ird");
    writeImageFile(in, image);

    ProgramResult r = runCli({"check", in});
    EXPECT_TRUE(r.exitedWith(1));
    EXPECT_TRUE(contains(r.out, "names channel 5000")) << r.out;

    r = runCli({"resave", in, out});
    ASSERT_TRUE(r.exitedWith(0)) << r.err;
    EXPECT_TRUE(contains(r.err, "1 group reference(s) naming no channel were left out")) << r.err;
    EXPECT_EQ(readBack(out).groups[0].refs.size(), 279u);
    EXPECT_TRUE(runCli({"check", out}).exitedWith(0));
}

TEST(SaveCommandsTest, FailedSavesSayWhyAndLeaveTheTargetAlone) {
    TemporaryDirectory dir;
    const std::string in = dir.file("in.ird");
    writeImageFile(in, demoImage());

    // The target is a folder.
    ProgramResult r = runCli({"resave", in, dir.path().string()});
    EXPECT_TRUE(r.exitedWith(1));
    EXPECT_TRUE(contains(r.err, "An error occurred while writing")) << r.err;
    EXPECT_TRUE(contains(r.err, "was not saved")) << r.err;
    EXPECT_TRUE(std::filesystem::is_directory(dir.path()));

    // The target's folder does not exist.
    const std::string nowhere = dir.file("no/such/folder/x.ird");
    for (const auto& args : {std::vector<std::string>{"resave", in, nowhere},
                             std::vector<std::string>{"demo", nowhere}}) {
        r = runCli(args);
        EXPECT_TRUE(r.exitedWith(1)) << args[0];
        EXPECT_TRUE(contains(r.err, "was not saved")) << r.err;
    }
    EXPECT_FALSE(std::filesystem::exists(nowhere));

    // The input cannot be opened: nothing is written.
    const std::string out = dir.file("out.ird");
    r = runCli({"resave", dir.file("missing.ird"), out});
    EXPECT_TRUE(r.exitedWith(1));
    EXPECT_FALSE(std::filesystem::exists(out));
}

TEST(SaveCommandsTest, SaveBeyondTheCapacitiesNamesTheLimitAndKeepsTheOldFile) {
    TemporaryDirectory dir;
    const std::string path = dir.file("old.ird");
    const IrdImage old = demoImage();
    writeImageFile(path, old);

    ChannelDatabase db = makeFullCapacityDatabase();
    db.satellites.emplace_back();
    RecordingMessageSink messages;
    EXPECT_FALSE(cli::saveDatabaseAs(db, path, messages));
    ASSERT_EQ(messages.ids(), std::vector<int>{strings::TooManySatellites});
    EXPECT_EQ(messages.entries[0].text, "The receiver holds at most 360 satellites.");
    EXPECT_EQ(readBytes(path), old);
    for (const auto& entry : std::filesystem::directory_iterator(dir.path()))
        EXPECT_EQ(entry.path().string(), path) << "no temporary file may be left behind";
}

TEST(SaveCommandsTest, DemoIsWrittenAsTheEditorSavesAndReadsBackUnchanged) {
    TemporaryDirectory dir;
    const std::string a = dir.file("a.ird"), b = dir.file("b.ird");
    ASSERT_TRUE(runCli({"demo", a}).exitedWith(0));
    ASSERT_TRUE(runCli({"demo", b}).exitedWith(0));
    const auto bytes = readBytes(a);
    EXPECT_EQ(bytes.size(), image::kSize);
    EXPECT_EQ(bytes, readBytes(b)) << "the demo must not change from one run to the next";
    EXPECT_EQ(readBack(a).dateText(), saveDateText(today()));
}

}  // namespace
}  // namespace kavro::test
