// settings show and settings set.
#include <gtest/gtest.h>

#include "CliRunner.h"
#include "CliTestFiles.h"
#include "DatabaseBuilder.h"
#include "RecordingMessageSink.h"
#include "TemporaryDirectory.h"
#include "database/ByteOrder.h"
#include "database/ImageFile.h"
#include "link/ReceiverSettings.h"

namespace kavro::test {
namespace {

ChannelDatabase readBack(const std::string& path) {
    ChannelDatabase db;
    RecordingMessageSink messages;
    EXPECT_TRUE(readFile(db, path, messages)) << path;
    return db;
}

TEST(SettingsCommandTest, ShowListsEverySettingWithItsText) {
    TemporaryDirectory dir;
    const std::string file = dir.file("demo.ird");
    writeImageFile(file, demoImage());
    const ProgramResult r = runCli({"settings", "show", file});
    ASSERT_TRUE(r.exitedWith(0)) << r.err;
    for (const char* line :
         {"  video-output       RGB\n", "  screen-mode        3:4\n", "  uhf-channel        21\n",
          "  pal-standard       PAL-BG\n", "  age                4\n",
          "  transparency       100%\n", "  startup-group      1. ", "  Sat     : 6\n",
          "  Channals : 279\n", "  Groups : 6\n"})
        EXPECT_TRUE(contains(r.out, line)) << line << "\n" << r.out;
}

TEST(SettingsCommandTest, SetWritesThroughTheDialogRulesAndSavesAsSaveAsDoes) {
    TemporaryDirectory dir;
    const std::string in = dir.file("in.ird"), out = dir.file("out.ird");
    writeImageFile(in, demoImage());
    const ProgramResult r =
        runCli({"settings", "set", in, "startup-channel=3", "startup-group=2", "volume=12",
                "conversion=pan-scan", "subtitle=Text", "subtitle-language=dutch", "show-info=5s",
                "date=2024-02-29", "time=10:11:12", "password=1234", "menu-lock=on",
                "sound-effects=off", "uhf-channel=69", "-o", out});
    ASSERT_TRUE(r.exitedWith(0)) << r.err;

    ChannelDatabase db = readBack(out);
    ReceiverSettings s(db.settings);
    EXPECT_EQ(s.volume(), 12);
    EXPECT_EQ(s.aspectConversion(), 4);
    EXPECT_EQ(s.subtitleMode(), ReceiverSettings::SubtitleText);
    EXPECT_EQ(s.subtitleLanguage(), 5);
    EXPECT_EQ(s.showInfoCode(), 40);
    EXPECT_EQ(s.clock(), (ReceiverSettings::Clock{10, 11, 12, 2024, 2, 29}));
    EXPECT_EQ(s.lockPassword(), "1234");
    EXPECT_EQ(s.lockMode(), ReceiverSettings::MenuLock);
    EXPECT_FALSE(s.soundEffects());
    EXPECT_EQ(s.uhfChannel(), 69);
    EXPECT_EQ(s.startupGroup(), 1);
    EXPECT_EQ(db.startupChannels[1], 2);
    EXPECT_EQ(db.dateText(), saveDateText(today()));

    // The records are those of the input; FILE itself is untouched without -o.
    ChannelDatabase original = readBack(in);
    original.settings = db.settings;
    original.startupChannels = db.startupChannels;
    EXPECT_EQ(firstDifference(original, db), "");

    ASSERT_TRUE(runCli({"settings", "set", out, "tv-type=NTSC"}).exitedWith(0));
    ChannelDatabase again = readBack(out);
    EXPECT_EQ(ReceiverSettings(again.settings).tvType(), ReceiverSettings::TvNtsc);
}

TEST(SettingsCommandTest, BadKeysAndValuesChangeNothing) {
    TemporaryDirectory dir;
    const std::string file = dir.file("demo.ird");
    writeImageFile(file, demoImage());
    const auto before = readBytes(file);
    struct Case {
        std::vector<std::string> args;
        int exit;
        const char* message;
    };
    const Case cases[] = {
        {{"settings", "set", file, "volume=21"}, 2, "volume must be a whole number from 0 to 20"},
        {{"settings", "set", file, "age=3"}, 2, "age must be a whole number from 4 to 18"},
        {{"settings", "set", file, "colour=red"}, 2, "unknown setting 'colour'"},
        {{"settings", "set", file, "tv-type=SECAM"}, 2, "tv-type takes AUTO|PAL|NTSC"},
        {{"settings", "set", file, "password=12345"}, 2, "password takes up to 4 characters"},
        {{"settings", "set", file, "date=2023-02-29"}, 2, "date must be a real date"},
        {{"settings", "set", file, "startup-group=9"}, 2, "startup-group must be a group number"},
        {{"settings", "set", file, "volume"}, 2, "expected KEY=VALUE"},
        {{"settings", "set", file}, 2, "nothing to set"},
        {{"settings", "frob", file}, 2, "unknown action 'frob'"},
        {{"settings", "show"}, 2, ""},
        {{"settings", "set", dir.file("missing.ird"), "volume=1"}, 1, "was not found"},
    };
    for (const Case& c : cases) {
        const ProgramResult r = runCli(c.args);
        EXPECT_TRUE(r.exitedWith(c.exit)) << c.message << ": " << r.exitCode << " " << r.err;
        EXPECT_TRUE(contains(r.err, c.message)) << r.err;
    }
    EXPECT_EQ(readBytes(file), before);
}

TEST(SettingsCommandTest, HelpNamesEveryKey) {
    const ProgramResult r = runCli({"settings", "--help"});
    ASSERT_TRUE(r.exitedWith(0));
    for (const char* key : {"video-output", "clock", "wakeup-time", "subtitle-language",
                            "startup-channel", "menu-lock", "uhf-channel", "pal-standard"})
        EXPECT_TRUE(contains(r.out, std::string("  ") + key)) << key;
    EXPECT_TRUE(contains(r.out, "PAL-BG|PAL-I|PAL-DK"));
}

}  // namespace
}  // namespace kavro::test
