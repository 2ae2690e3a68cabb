// One end-to-end run of each command on the demo database through the real program: exit status,
// what reaches the user, which files are written and which are left alone.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <filesystem>

#include "CliRunner.h"
#include "DatabaseBuilder.h"
#include "RecordingMessageSink.h"
#include "TemporaryDirectory.h"
#include "cli/DatabaseFiles.h"
#include "cli/JsonWriter.h"
#include "database/ImageFile.h"
#include "database/ReceiverSettings.h"
#include "messages/StringIds.h"

namespace kavro::test {
namespace {

// Runs kavro-cli, expects success and returns what it printed.
std::string ok(const std::vector<std::string>& args) {
    const ProgramResult r = runCli(args);
    EXPECT_TRUE(r.exitedWith(0)) << args[0] << ": exit " << r.exitCode << "\n" << r.err;
    return r.out;
}

class CommandsOnDemoTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(contains(ok({"demo", demo}), "6 satellites, 36 transponders, 279 channels"));
        bytes = readBytes(demo);
    }
    TemporaryDirectory dir;
    std::string demo = dir.file("demo.ird"), out = dir.file("out.ird");
    std::vector<std::uint8_t> bytes;  // the demo as first written
};

TEST_F(CommandsOnDemoTest, DemoIsStableDatedAndResavedWithoutLoss) {
    ok({"demo", out});
    EXPECT_EQ(readBytes(out), bytes) << "the demo must not change from one run to the next";
    EXPECT_EQ(readDatabase(demo).dateText(), saveDateText(today()));

    EXPECT_TRUE(contains(ok({"resave", demo, out}), "Saved " + out + " (6 satellites, "));
    EXPECT_EQ(firstDifference(readDatabase(demo), readDatabase(out)), "");
    ok({"resave", out, out});  // in place
    EXPECT_EQ(firstDifference(readDatabase(demo), readDatabase(out)), "");
}

TEST_F(CommandsOnDemoTest, InfoCheckAndFindOnTheDemoAndADamagedCrc) {
    const std::string info = ok({"info", demo});
    for (const char* part : {"Data version  0x8209\n", "Satellites    6\n", "Channels      279\n",
                             "settings and satellites, whole region"})
        EXPECT_TRUE(contains(info, part)) << part << "\n" << info;
    EXPECT_FALSE(contains(info, "MISMATCH")) << info;
    EXPECT_TRUE(contains(ok({"check", demo}), "no problems found"));

    IrdImage image(bytes);
    image[image::kTransponderRegion + 4] ^= 0x10;  // first transponder's frequency
    writeImageFile(out, image);
    EXPECT_TRUE(contains(ok({"info", out}), "MISMATCH"));
    const ProgramResult check = runCli({"check", out});
    EXPECT_TRUE(check.exitedWith(1)) << check.err;
    EXPECT_TRUE(contains(check.out, "problem: CRC of the transponders")) << check.out;

    const std::string found = ok({"find", demo, "nEwS"});
    EXPECT_TRUE(contains(found, "  163  BBC World News\n")) << found;
    EXPECT_TRUE(contains(found, "\n12 match(es)")) << found;
    EXPECT_TRUE(contains(ok({"find", demo, "الجزيرة"}), "الجزيرة مباشر"));
}

TEST_F(CommandsOnDemoTest, DumpPrintsTheTreeAsTextAndAsValidJson) {
    const std::string text = ok({"dump", demo});
    for (const char* part : {"Satellite 1: Nilesat 7.0W", "Transponder 1.1: 10719 V 27500, FEC 3/4",
                             "2. الجزيرة مباشر", "Group 6: رياضة"})
        EXPECT_TRUE(contains(text, part)) << part;

    QJsonParseError error;
    const QJsonObject root =
        QJsonDocument::fromJson(QByteArray::fromStdString(ok({"dump", "--json", demo})), &error)
            .object();
    ASSERT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();
    EXPECT_EQ(root["satellites"].toArray().size(), 6);
    EXPECT_EQ(root["groups"].toArray()[5].toObject()["name"].toString(),
              QString::fromUtf8("رياضة"));
}

TEST_F(CommandsOnDemoTest, SaveBeyondTheCapacitiesIsRefusedAndKeepsTheOldFile) {
    ChannelDatabase db = makeFullCapacityDatabase();
    db.satellites.emplace_back();
    RecordingMessageSink messages;
    EXPECT_FALSE(cli::saveDatabaseAs(db, demo, messages));
    EXPECT_EQ(messages.ids(), std::vector<int>{strings::TooManySatellites});
    EXPECT_EQ(readBytes(demo), bytes);
    for (const auto& entry : std::filesystem::directory_iterator(dir.path()))
        EXPECT_EQ(entry.path().string(), demo) << "no temporary file may be left behind";
}

TEST(NameCommandTest, EncodesAndDecodesTheWholeField) {
    EXPECT_EQ(ok({"name", "encode", "--width", "16", "قناة 12"}),
              "02 31 32 20 F5 44 DA BE 00 00 00 00 00 00 00 00\n");
    // Bytes may come as separate arguments, in any case, with colons.
    EXPECT_EQ(ok({"name", "decode", "--width", "16", "02 31 32 20", "f5:44:da:be"}), "قناة 12\n");
    // A text that looks like an option goes after "--"; one too long is cut, and the user told.
    const ProgramResult r = runCli({"name", "encode", "--width", "4", "--", "-5 Sat"});
    EXPECT_TRUE(r.exitedWith(0) && r.out == "2D 35 20 53\n") << r.out;
    EXPECT_TRUE(contains(r.err, "reads back as '-5 S'")) << r.err;
}

TEST_F(CommandsOnDemoTest, NamesEditTheListThatArabizeUses) {
    const std::string list = dir.file("Channel.Ini");
    EXPECT_EQ(ok({"names", "add", "MBC", "إم بي سي", "--list", list}), "Added 1: MBC|إم بي سي\n");
    ok({"names", "--list", list, "add", "NTV", "x"});
    const ProgramResult twice = runCli({"names", "add", "ntv", "y", "--list", list});
    EXPECT_TRUE(twice.exitedWith(1));
    EXPECT_TRUE(contains(twice.err, "already in the list at position 2")) << twice.err;
    EXPECT_EQ(ok({"names", "del", "ntv", "--list", list}), "Deleted 2: NTV|x\n");
    EXPECT_EQ(ok({"names", "list", "--list", list}), "MBC|إم بي سي\n");

    EXPECT_TRUE(contains(ok({"arabize", demo, out, "--list", list}),
                         "Renamed 10 channels by 1 name pair\nSaved " + out));
    EXPECT_EQ(readBytes(demo), bytes);
    EXPECT_TRUE(contains(ok({"check", out}), "no problems found"));

    // A list that is there but cannot be read is an error, not an empty list: OUT stays as it
    // was. (Beyond any list's size, so the superuser is refused too.)
    const std::vector<std::uint8_t> arabized = readBytes(out);
    std::filesystem::resize_file(list, (16u << 20) + 1);
    const ProgramResult refused = runCli({"arabize", demo, out, "--list", list});
    EXPECT_TRUE(refused.exitedWith(1)) << refused.out;
    EXPECT_TRUE(contains(refused.err, "(File too large)")) << refused.err;
    EXPECT_TRUE(contains(refused.err, out + " was not written")) << refused.err;
    EXPECT_EQ(readBytes(out), arabized);
}

TEST_F(CommandsOnDemoTest, EveryToolSavesACheckedFileAndLeavesInAlone) {
    const std::pair<const char*, const char*> cases[] = {
        {"remove-data", "Removed 14 DATA channel(s)\nSaved "},
        {"remove-cband", "Removed 1 C-band satellite(s)\nSaved "},
        {"sort", "Renumbered 279 channel(s) in tree order\nSaved "}};
    for (const auto& [tool, said] : cases) {
        SCOPED_TRACE(tool);
        EXPECT_TRUE(contains(ok({"tool", tool, demo, out}), said));
        EXPECT_TRUE(contains(ok({"check", out}), "no problems found"));
    }
    EXPECT_EQ(readDatabase(out).channelTotal(), 279u);
    EXPECT_EQ(readBytes(demo), bytes);
    ok({"tool", "remove-data", demo, demo});  // in place
    EXPECT_EQ(readDatabase(demo).channelTotal(), 279u - 14u);
}

TEST_F(CommandsOnDemoTest, SettingsShowAndSetThroughTheKeys) {
    const std::string shown = ok({"settings", "show", demo});
    for (const char* line : {"  volume             0\n", "  startup-group      1. ALL\n"})
        EXPECT_TRUE(contains(shown, line)) << line << "\n" << shown;

    ok({"settings", "set", demo, "volume=12", "subtitle=Text", "date=2024-02-29", "time=10:11:12",
        "password=1234", "startup-group=2", "startup-channel=3", "-o", out});
    EXPECT_EQ(readBytes(demo), bytes);
    ChannelDatabase db = readDatabase(out);
    const ReceiverSettings s(db.settings);
    EXPECT_EQ(s.volume(), 12);
    EXPECT_EQ(s.subtitleMode(), ReceiverSettings::SubtitleText);
    EXPECT_EQ(s.clock(), (ReceiverSettings::Clock{10, 11, 12, 2024, 2, 29}));
    EXPECT_EQ(s.lockPassword(), "1234");
    EXPECT_EQ(s.startupGroup(), 1);
    EXPECT_EQ(db.startupChannels[1], 2);

    ok({"settings", "set", out, "tv-type=NTSC"});  // in place
    EXPECT_TRUE(contains(ok({"settings", "show", out}), "  tv-type            NTSC\n"));
}

// Names reach the JSON as they were stored; no byte sequence may make the document invalid.
TEST(JsonWriterTest, QuotesAnyBytesIntoAValidString) {
    const auto parse = [](const std::string& text) {
        QJsonParseError error;
        const QByteArray json = QByteArray::fromStdString("[" + cli::jsonQuoted(text) + "]");
        const QJsonArray parsed = QJsonDocument::fromJson(json, &error).array();
        EXPECT_EQ(error.error, QJsonParseError::NoError) << json.toStdString();
        return parsed.isEmpty() ? QString() : parsed[0].toString();
    };
    const std::string plain("a\"b\\c\x01\n\t\x1f\0قناة", 18);
    EXPECT_EQ(parse(plain), QString::fromUtf8(plain.data(), plain.size()));
    // Broken UTF-8: a field copied raw, a cut sequence, an overlong form, a surrogate.
    for (const std::string bad : {"\xE9t\xE9", "ab\xD8", "\xC0\xAF", "\xED\xA0\x80", "\xF5\x80"})
        EXPECT_TRUE(parse(bad).contains(QChar(0xFFFD))) << bad;
}

}  // namespace
}  // namespace kavro::test
