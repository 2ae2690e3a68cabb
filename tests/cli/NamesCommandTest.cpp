// names and arabize: the name list file and Auto Arabisation from the command line.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "CliRunner.h"
#include "CliTestFiles.h"
#include "DatabaseBuilder.h"
#include "RecordingMessageSink.h"
#include "TemporaryDirectory.h"
#include "arabic/ReceiverName.h"
#include "arabic/Windows1256.h"
#include "database/ImageFile.h"

namespace kavro::test {
namespace {

namespace fs = std::filesystem;

std::string fileText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

ChannelDatabase readDatabase(const std::string& path) {
    ChannelDatabase db;
    RecordingMessageSink messages;
    EXPECT_TRUE(readFile(db, path, messages)) << path;
    return db;
}

std::vector<std::string> channelNamesUtf8(const ChannelDatabase& db) {
    std::vector<std::string> out;
    for (const auto& sat : db.satellites)
        for (const auto& tp : sat.transponders)
            for (const auto& ch : tp.channels)
                out.push_back(windows1256ToUtf8(decodeReceiverName(ch.name())));
    return out;
}

TEST(NamesCommandTest, AddListAndDeleteKeepTheRestOfTheFile) {
    TemporaryDirectory dir;
    const std::string list = dir.file("Channel.Ini");
    std::ofstream(list, std::ios::binary) << "; mine\n[Other]\nCOUNT=7\n";

    ProgramResult r = runCli({"names", "add", "MBC", "إم بي سي", "--list", list});
    ASSERT_TRUE(r.exitedWith(0)) << r.err;
    EXPECT_EQ(r.out, "Added 1: MBC|إم بي سي\n");
    ASSERT_TRUE(runCli({"names", "add", "NTV", "ان تي في", "--list", list}).exitedWith(0));
    ASSERT_TRUE(runCli({"names", "--list", list, "add", "ART", "ارت"}).exitedWith(0));

    r = runCli({"names", "list", "--list", list});
    ASSERT_TRUE(r.exitedWith(0)) << r.err;
    EXPECT_EQ(r.out, "MBC|إم بي سي\nNTV|ان تي في\nART|ارت\n");
    // Stored as Windows-1256 bytes, beside what was there.
    EXPECT_EQ(fileText(list),
              "; mine\n[Other]\nCOUNT=7\n[Channel]\nCOUNT=3\nCH0=MBC|\xC5\xE3 \xC8\xED "
              "\xD3\xED|\nCH1=NTV|\xC7\xE4 \xCA\xED \xDD\xED|\nCH2=ART|\xC7\xD1\xCA|\n");

    // A Latin name already there, in other capitals: only --replace changes it.
    const std::string before = fileText(list);
    r = runCli({"names", "add", "ntv", "x", "--list", list});
    EXPECT_TRUE(r.exitedWith(1));
    EXPECT_TRUE(contains(r.err, "already in the list at position 2")) << r.err;
    EXPECT_EQ(fileText(list), before);
    r = runCli({"names", "add", "ntv", "x", "--replace", "--list", list});
    ASSERT_TRUE(r.exitedWith(0)) << r.err;
    EXPECT_EQ(r.out, "Changed 2: ntv|x\n");

    // By Latin name (capitals or not), then by position.
    r = runCli({"names", "del", "mbc", "--list", list});
    ASSERT_TRUE(r.exitedWith(0)) << r.err;
    EXPECT_EQ(r.out, "Deleted 1: MBC|إم بي سي\n");
    r = runCli({"names", "del", "2", "--list", list});
    ASSERT_TRUE(r.exitedWith(0)) << r.err;
    EXPECT_EQ(r.out, "Deleted 2: ART|ارت\n");
    EXPECT_TRUE(runCli({"names", "del", "3", "--list", list}).exitedWith(1));
    EXPECT_EQ(runCli({"names", "list", "--list", list}).out, "ntv|x\n");
    // The stale keys past COUNT stay, as the editor leaves them.
    EXPECT_TRUE(contains(fileText(list), "COUNT=1\nCH0=ntv|x|\nCH1=ART|")) << fileText(list);
}

TEST(NamesCommandTest, BadNamesAndArgumentsAreUsageErrors) {
    TemporaryDirectory dir;
    const std::string list = dir.file("Channel.Ini");
    struct Case {
        std::vector<std::string> args;
        const char* message;
    };
    const Case cases[] = {
        {{"names"}, "missing 'list', 'add' or 'del'"},
        {{"names", "rename"}, "unknown action 'rename'"},
        {{"names", "add", "MBC"}, "missing ARABIC"},
        {{"names", "add"}, "missing LATIN"},
        {{"names", "add", "MBC", "x", "y"}, "unexpected argument 'y'"},
        {{"names", "add", "ABCDEFGHIJKLMNOP", "x"}, "longer than 15"},
        {{"names", "add", "MBC", "ابتثجحخدذرزسشصض"}, "longer than 14"},
        {{"names", "add", "M|BC", "x"}, "must not hold '|'"},
        {{"names", "add", "MBC", "日本"}, "cannot hold"},
        {{"names", "add", "", "x"}, "LATIN is empty"},
        {{"names", "del"}, "missing LATIN or INDEX"},
        {{"names", "list", "--replace"}, "--replace goes with 'add' only"},
        {{"names", "list", "--list"}, "option --list needs a value"},
        {{"names", "list", "--list", ""}, "the --list file name is empty"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> args = c.args;
        if (c.args.size() > 1 && !contains(c.message, "--list")) {
            args.push_back("--list");
            args.push_back(list);
        }
        const ProgramResult r = runCli(args);
        EXPECT_TRUE(r.exitedWith(2)) << c.message << ": " << r.exitCode;
        EXPECT_TRUE(contains(r.err, c.message)) << r.err;
    }
    EXPECT_FALSE(fs::exists(list)) << "a refused command must not create the list";

    // A folder where the file should be cannot be read or written.
    fs::create_directory(list);
    EXPECT_TRUE(runCli({"names", "list", "--list", list}).exitedWith(1));
    EXPECT_TRUE(runCli({"names", "add", "MBC", "x", "--list", list}).exitedWith(1));
    EXPECT_TRUE(runCli({"names", "--help"}).exitedWith(0));
}

TEST(ArabizeCommandTest, RenamesByTheListAndSavesOutLeavingInAlone) {
    TemporaryDirectory dir;
    const std::string in = dir.file("in.ird"), out = dir.file("out.ird");
    const std::string list = dir.file("names.ini");
    ChannelDatabase db = DatabaseBuilder()
                             .satellite("Nilesat")
                             .channel("MBC 1")
                             .channel("mbc action")
                             .channel("MBC 3")
                             .channel("Nile TV")
                             .build();
    db.satellites[0].transponders[0].channels[2].setCrypted(true);
    writeImageFile(in, makeImage(db));
    const std::string inBytes = fileText(in);
    std::ofstream(list, std::ios::binary) << "[Channel]\r\nCOUNT=1\r\nCH0=MBC|\xE3\xC8\xDF|\r\n";

    const ProgramResult r = runCli({"arabize", in, out, "--list", list});
    ASSERT_TRUE(r.exitedWith(0)) << r.err;
    EXPECT_TRUE(contains(r.out, "Renamed 2 channels by 1 name pair\n")) << r.out;
    EXPECT_TRUE(contains(r.out, "Saved " + out)) << r.out;

    const ChannelDatabase after = readDatabase(out);
    EXPECT_EQ(channelNamesUtf8(after),
              std::vector<std::string>({"مبك", "مبك", "MBC 3", "Nile TV"}));
    EXPECT_EQ(after.satellites[0].transponders[0].channels[0].serviceId(), 0xFFFF);
    EXPECT_NE(after.satellites[0].transponders[0].channels[2].serviceId(), 0xFFFF);
    EXPECT_EQ(fileText(in), inBytes);
    EXPECT_TRUE(runCli({"check", out}).exitedWith(0));
}

TEST(ArabizeCommandTest, TheDemoDatabaseAndFailures) {
    TemporaryDirectory dir;
    const std::string in = dir.file("demo.ird"), out = dir.file("out.ird");
    const std::string list = dir.file("names.ini");
    writeImageFile(in, demoImage());
    ASSERT_TRUE(runCli({"names", "add", "MBC", "إم بي سي", "--list", list}).exitedWith(0));

    ProgramResult r = runCli({"arabize", in, out, "--list", list});
    ASSERT_TRUE(r.exitedWith(0)) << r.err;
    EXPECT_TRUE(contains(r.out, "Renamed ")) << r.out;
    EXPECT_TRUE(runCli({"check", out}).exitedWith(0));

    // A list named on the command line must exist; nothing is written without it.
    r = runCli({"arabize", in, dir.file("none.ird"), "--list", dir.file("missing.ini")});
    EXPECT_TRUE(r.exitedWith(1));
    EXPECT_TRUE(contains(r.err, "missing.ini was not found")) << r.err;
    EXPECT_FALSE(fs::exists(dir.file("none.ird")));

    // IN that is no database.
    std::ofstream(dir.file("junk.ird")) << "junk";
    EXPECT_TRUE(runCli({"arabize", dir.file("junk.ird"), out, "--list", list}).exitedWith(1));

    EXPECT_TRUE(runCli({"arabize", in}).exitedWith(2));
    EXPECT_TRUE(runCli({"arabize", in, out, "--list"}).exitedWith(2));
    EXPECT_TRUE(runCli({"arabize", in, out, "--list", ""}).exitedWith(2));
    EXPECT_TRUE(runCli({"arabize", "--help"}).exitedWith(0));
}

}  // namespace
}  // namespace kavro::test
