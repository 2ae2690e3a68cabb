// info, dump and check on the demo database, through the real program.
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

#include "CliRunner.h"
#include "CliTestFiles.h"
#include "TemporaryDirectory.h"

namespace kavro::test {
namespace {

class InspectCommandsTest : public ::testing::Test {
protected:
    void SetUp() override {
        const ProgramResult r = runCli({"demo", demo});
        ASSERT_TRUE(r.exitedWith(0)) << r.err;
        ASSERT_TRUE(contains(r.out, "6 satellites")) << r.out;
    }
    TemporaryDirectory dir;
    std::string demo = dir.file("Demo.ird");
};

TEST_F(InspectCommandsTest, InfoShowsVersionDateCountsAndSevenMatchingCrcs) {
    const ProgramResult r = runCli({"info", demo});
    ASSERT_TRUE(r.exitedWith(0)) << r.err;
    EXPECT_TRUE(contains(r.out, "Data version  0x8209")) << r.out;
    // The demo is written by the editor's save, so it carries a save date.
    EXPECT_TRUE(contains(r.out, "Saved         ")) << r.out;
    EXPECT_FALSE(contains(r.out, "(no date)")) << r.out;
    EXPECT_TRUE(contains(r.out, "Groups        6\n")) << r.out;
    EXPECT_TRUE(contains(r.out, "Satellites    6\n")) << r.out;
    EXPECT_TRUE(contains(r.out, "Transponders  36\n")) << r.out;
    EXPECT_TRUE(contains(r.out, "Channels      279\n")) << r.out;
    std::size_t ok = 0;
    for (std::size_t at = r.out.find("  ok\n"); at != std::string::npos;
         at = r.out.find("  ok\n", at + 1))
        ++ok;
    EXPECT_EQ(ok, 7u) << r.out;
    EXPECT_TRUE(r.err.empty()) << r.err;
}

TEST_F(InspectCommandsTest, InfoNamesTheCrcThatNoLongerMatches) {
    IrdImage image = demoImage();
    image[image::kChannelRegion + 4] ^= 0x01;  // one bit of the first channel's name
    const std::string file = dir.file("edited.ird");
    writeImageFile(file, image);
    const ProgramResult r = runCli({"info", file});
    ASSERT_TRUE(r.exitedWith(0)) << r.err;
    // Both channel CRCs cover that byte; nothing else changes.
    EXPECT_TRUE(contains(r.out, "channels, used part")) << r.out;
    std::size_t mismatches = 0;
    for (std::size_t at = r.out.find("MISMATCH"); at != std::string::npos;
         at = r.out.find("MISMATCH", at + 1))
        ++mismatches;
    EXPECT_EQ(mismatches, 2u) << r.out;
}

TEST_F(InspectCommandsTest, DumpShowsEveryFieldWithNamesInUtf8) {
    const ProgramResult r = runCli({"dump", demo});
    ASSERT_TRUE(r.exitedWith(0)) << r.err;
    for (const char* part : {
             "Settings counts: 6 groups, 6 satellites, 36 transponders, 279 channels",
             "Satellite 1: Nilesat 7.0W",
             "position 7.0W, LNB Universal 9750/10600 MHz, power on",
             "DiSEqC Port 1, positioner OFF",
             "position 68.5E, LNB Standard 0/5150 MHz",
             "positioner USALS",
             "Transponder 1.1: 10719 V 27500, FEC 3/4, TID 1100",
             " 4100 AUTO 27500, FEC 1/2",
             "       1. Al Jazeera       TV    -   -      0 11001   256   512   513   512  8191  "
             "8191  8191 ara  -",
             "الجزيرة مباشر",
             "Télé Lumière",
             "Group 1: ALL (predefined, 279 members)",
             "Group 6: رياضة (satellite 1,",
         })
        EXPECT_TRUE(contains(r.out, part)) << part;
    // A crypted, locked channel with its ECM slots and age limit.
    EXPECT_TRUE(contains(r.out, "beIN MOVIES 2    TV    yes yes   18")) << r.out.substr(0, 4000);
    EXPECT_TRUE(contains(r.out, "ara  1,2\n"));
}

TEST_F(InspectCommandsTest, DumpJsonIsValidAndComplete) {
    const ProgramResult r = runCli({"dump", demo, "--json"});
    ASSERT_TRUE(r.exitedWith(0)) << r.err;
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(QByteArray::fromStdString(r.out), &error);
    ASSERT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();
    const QJsonObject root = doc.object();

    EXPECT_EQ(root["dataVersion"].toInt(), 0x8209);
    EXPECT_EQ(root["settingsCounts"].toObject()["channels"].toInt(), 279);
    const QJsonArray sats = root["satellites"].toArray();
    ASSERT_EQ(sats.size(), 6);

    int channels = 0;
    bool sawLatin1 = false, sawLockedPay = false;
    for (const auto& s : sats) {
        for (const auto& t : s.toObject()["transponders"].toArray()) {
            for (const auto& c : t.toObject()["channels"].toArray()) {
                const QJsonObject ch = c.toObject();
                // Numbers are the stored ones, in tree order after a save.
                EXPECT_EQ(ch["number"].toInt(), channels);
                ++channels;
                if (ch["name"].toString() == QString::fromUtf8("Canal Algérie")) {
                    sawLatin1 = true;
                    EXPECT_EQ(ch["nameCoding"].toString(), "latin1");
                    EXPECT_EQ(ch["audioLanguage"].toString(), "fre");
                }
                if (ch["locked"].toBool() && ch["crypted"].toBool()) {
                    sawLockedPay = true;
                    EXPECT_EQ(ch["ageLimit"].toInt(), 18);
                    EXPECT_EQ(ch["ecmSlots"].toArray(), (QJsonArray{1, 2}));
                }
            }
        }
    }
    EXPECT_EQ(channels, 279);
    EXPECT_TRUE(sawLatin1);
    EXPECT_TRUE(sawLockedPay);

    const QJsonObject nilesat = sats[0].toObject();
    EXPECT_EQ(nilesat["hemisphere"].toString(), "W");
    EXPECT_DOUBLE_EQ(nilesat["position"].toDouble(), 7.0);
    EXPECT_EQ(nilesat["diseqc"].toString(), "Port 1");
    const QJsonObject cband = sats[5].toObject()["lnb"].toObject();
    EXPECT_EQ(cband["type"].toString(), "Standard");
    EXPECT_EQ(cband["highMHz"].toInt(), 5150);
    const QJsonObject tp = sats[0].toObject()["transponders"].toArray()[0].toObject();
    EXPECT_EQ(tp["frequencyMHz"].toInt(), 10719);
    EXPECT_EQ(tp["polarisation"].toString(), "V");
    EXPECT_EQ(tp["fec"].toString(), "3/4");

    const QJsonArray groups = root["groups"].toArray();
    ASSERT_EQ(groups.size(), 6);
    EXPECT_EQ(groups[0].toObject()["members"].toArray().size(), 279);
    const QJsonObject sport = groups[5].toObject();
    EXPECT_EQ(sport["name"].toString(), QString::fromUtf8("رياضة"));
    EXPECT_EQ(sport["nameCoding"].toString(), "arabic");
    const QJsonObject first = sport["members"].toArray()[0].toObject();
    EXPECT_EQ(first["name"].toString(), "Nile Sport");
}

TEST_F(InspectCommandsTest, CheckPassesTheDemoAndFailsAnEditedCopy) {
    ProgramResult r = runCli({"check", demo});
    EXPECT_TRUE(r.exitedWith(0)) << r.out << r.err;
    EXPECT_TRUE(contains(r.out, "no problems found")) << r.out;

    IrdImage image = demoImage();
    image[image::kTransponderRegion + 4] ^= 0x10;  // first transponder's frequency
    const std::string file = dir.file("edited.ird");
    writeImageFile(file, image);
    r = runCli({"check", file});
    EXPECT_TRUE(r.exitedWith(1)) << r.out << r.err;
    EXPECT_TRUE(contains(r.out, "problem: CRC of the transponders")) << r.out;
    EXPECT_TRUE(contains(r.out, ": 2 problems\n")) << r.out;
}

TEST_F(InspectCommandsTest, CommandsOnFilesTheEditorRefuses) {
    const std::string missing = dir.file("missing.ird");
    ProgramResult r = runCli({"info", missing});
    EXPECT_TRUE(r.exitedWith(1));
    EXPECT_TRUE(contains(r.err, "was not found")) << r.err;

    const std::string shortFile = dir.file("short.ird");
    IrdImage image = demoImage();
    image.resize(image::kMinFileSize - 1);
    writeImageFile(shortFile, image);
    for (const char* command : {"info", "dump"}) {
        r = runCli({command, shortFile});
        EXPECT_TRUE(r.exitedWith(1)) << command;
        EXPECT_TRUE(contains(r.err, "cannot be identified as a supported type")) << r.err;
        EXPECT_TRUE(r.out.empty()) << r.out;
    }
    r = runCli({"check", shortFile});
    EXPECT_TRUE(r.exitedWith(1));
    EXPECT_TRUE(contains(r.out, "shorter than")) << r.out;

    r = runCli({"dump", dir.path().string()});
    EXPECT_TRUE(r.exitedWith(1));
    EXPECT_FALSE(r.err.empty());
}

}  // namespace
}  // namespace kavro::test
