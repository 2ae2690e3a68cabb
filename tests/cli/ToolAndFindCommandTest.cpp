// tool and find on the demo database, and their bad arguments.
#include <gtest/gtest.h>

#include <cctype>

#include "CliRunner.h"
#include "CliTestFiles.h"
#include "DatabaseBuilder.h"
#include "RecordingMessageSink.h"
#include "TemporaryDirectory.h"
#include "database/ImageFile.h"

namespace kavro::test {
namespace {

class ToolAndFindCommandTest : public ::testing::Test {
protected:
    void SetUp() override {
        demo = dir.file("demo.ird");
        ASSERT_TRUE(runCli({"demo", demo}).exitedWith(0));
        original = load(demo);
    }

    static ChannelDatabase load(const std::string& path) {
        ChannelDatabase db;
        RecordingMessageSink messages;
        EXPECT_TRUE(readFile(db, path, messages)) << path;
        return db;
    }

    // Every group member of a file just read names a channel.
    static void expectMembersResolve(const ChannelDatabase& db) {
        for (const auto& g : db.groups)
            for (ChannelRef ref : g.refs) EXPECT_NE(db.findChannel(ref), nullptr);
    }

    static std::size_t count(const ChannelDatabase& db, bool (*what)(const ChannelRecord&)) {
        std::size_t n = 0;
        for (const auto& s : db.satellites)
            for (const auto& t : s.transponders)
                for (const auto& c : t.channels) n += what(c);
        return n;
    }

    TemporaryDirectory dir;
    std::string demo;
    ChannelDatabase original;
};

bool isData(const ChannelRecord& c) {
    return c.serviceType() == ChannelRecord::Data;
}

TEST_F(ToolAndFindCommandTest, RemoveDataLeavesNoDataChannelAndSoundGroups) {
    const std::size_t data = count(original, isData);
    ASSERT_GT(data, 0u);
    const std::string out = dir.file("out.ird");
    const ProgramResult r = runCli({"tool", "remove-data", demo, out});
    ASSERT_TRUE(r.exitedWith(0)) << r.err;
    EXPECT_TRUE(contains(r.out, "Removed " + std::to_string(data) + " DATA channel(s)")) << r.out;

    const ChannelDatabase db = load(out);
    EXPECT_EQ(count(db, isData), 0u);
    EXPECT_EQ(db.channelTotal(), original.channelTotal() - data);
    expectMembersResolve(db);
    EXPECT_TRUE(runCli({"check", out}).exitedWith(0));
}

TEST_F(ToolAndFindCommandTest, RemoveCBandKeepsOnlyUniversalSatellites) {
    const ProgramResult r = runCli({"tool", "remove-cband", demo, demo});  // in place
    ASSERT_TRUE(r.exitedWith(0)) << r.err;
    const ChannelDatabase db = load(demo);
    EXPECT_LT(db.satellites.size(), original.satellites.size());
    for (const auto& s : db.satellites) EXPECT_FALSE(s.isCBand());
    expectMembersResolve(db);

    ASSERT_TRUE(runCli({"tool", "sort", demo, dir.file("sorted.ird")}).exitedWith(0));
    EXPECT_EQ(load(dir.file("sorted.ird")).channelTotal(), db.channelTotal());
}

TEST_F(ToolAndFindCommandTest, ToolRefusesBadArgumentsAndLeavesOutAlone) {
    const std::string out = dir.file("out.ird");
    EXPECT_TRUE(runCli({"tool", "shrink", demo, out}).exitedWith(2));
    EXPECT_TRUE(runCli({"tool", "sort", demo}).exitedWith(2));
    EXPECT_TRUE(runCli({"tool", "sort", demo, out, "extra"}).exitedWith(2));
    writeBytes(out, std::vector<std::uint8_t>{1, 2, 3}.data(), 3);
    const ProgramResult r = runCli({"tool", "sort", dir.file("missing.ird"), out});
    EXPECT_TRUE(r.exitedWith(1));
    EXPECT_TRUE(contains(r.err, "was not found")) << r.err;
    EXPECT_EQ(readBytes(out), (std::vector<std::uint8_t>{1, 2, 3}));
}

TEST_F(ToolAndFindCommandTest, FindListsEveryMatchWithItsPlace) {
    const ProgramResult r = runCli({"find", demo, "nEwS"});
    ASSERT_TRUE(r.exitedWith(0)) << r.err;
    // Every listed line is a channel whose name holds the text, in any case.
    std::size_t lines = 0;
    for (std::size_t at = r.out.find('\n') + 1; at < r.out.size();) {
        std::size_t end = r.out.find('\n', at);
        std::string line = r.out.substr(at, end - at);
        at = end + 1;
        if (contains(line, "match(es)")) break;
        ++lines;
        for (char& c : line) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        EXPECT_TRUE(contains(line, "NEWS")) << line;
    }
    EXPECT_GT(lines, 1u);
    EXPECT_TRUE(contains(r.out, std::to_string(lines) + " match(es)")) << r.out;

    // Arabic, given in reading order.
    const std::string aljazeera = "\xD8\xA7\xD9\x84\xD8\xAC\xD8\xB2\xD9\x8A\xD8\xB1\xD8\xA9";
    const ProgramResult arabic = runCli({"find", demo, aljazeera});
    EXPECT_TRUE(arabic.exitedWith(0)) << arabic.err;
    EXPECT_TRUE(contains(arabic.out, aljazeera)) << arabic.out;
}

TEST_F(ToolAndFindCommandTest, FindWithoutMatchOrWithBadArgumentsFails) {
    ProgramResult r = runCli({"find", demo, "no such channel"});
    EXPECT_TRUE(r.exitedWith(1));
    EXPECT_TRUE(contains(r.err, "Cannot find 'no such channel'")) << r.err;
    EXPECT_TRUE(runCli({"find", demo, "\xE6\x97\xA5"}).exitedWith(1));  // not in Windows-1256
    EXPECT_TRUE(runCli({"find", demo}).exitedWith(2));
    EXPECT_TRUE(runCli({"find", demo, ""}).exitedWith(2));
    EXPECT_TRUE(runCli({"find", dir.file("missing.ird"), "x"}).exitedWith(1));
}

}  // namespace
}  // namespace kavro::test
