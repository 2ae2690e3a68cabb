// Bad command lines end with status 2 and a plain message; --help works on every command.
#include <gtest/gtest.h>

#include "CliRunner.h"
#include "CliTestFiles.h"
#include "TemporaryDirectory.h"

namespace kavro::test {
namespace {

TEST(UsageTest, EveryCommandHasHelpAndTheOverviewListsIt) {
    const ProgramResult overview = runCli({"--help"});
    ASSERT_TRUE(overview.exitedWith(0));
    for (const char* command : {"info", "dump", "check", "resave", "demo", "name"}) {
        EXPECT_TRUE(contains(overview.out, std::string("  ") + command + " ")) << command;
        const ProgramResult help = runCli({command, "--help"});
        EXPECT_TRUE(help.exitedWith(0)) << command;
        EXPECT_TRUE(contains(help.out, std::string("Usage: kavro-cli ") + command)) << help.out;
        EXPECT_GT(help.out.size(), 200u) << command << " deserves more than a one-line help";
    }
    EXPECT_TRUE(runCli({}).exitedWith(2));
}

TEST(UsageTest, BadArgumentsAreUsageErrors) {
    TemporaryDirectory dir;
    const std::string file = dir.file("demo.ird");
    writeImageFile(file, demoImage());

    struct Case {
        std::vector<std::string> args;
        const char* message;
    };
    const Case cases[] = {
        {{"nosuchcommand"}, "unknown command 'nosuchcommand'"},
        {{"info"}, "missing FILE"},
        {{"info", file, "extra"}, "unexpected argument 'extra'"},
        {{"info", ""}, "FILE is empty"},
        {{"info", "--json", file}, "unknown option --json"},
        {{"dump"}, "missing FILE"},
        {{"dump", file, "--xml"}, "unknown option --xml"},
        {{"check"}, "missing FILE"},
        {{"check", file, file}, "unexpected argument"},
        {{"resave", file}, "missing OUT"},
        {{"resave"}, "missing IN"},
        {{"resave", file, dir.file("a"), dir.file("b")}, "unexpected argument"},
        {{"demo"}, "missing OUT"},
        {{"demo", dir.file("a"), dir.file("b")}, "unexpected argument"},
        {{"name"}, "missing 'encode' or 'decode'"},
        {{"name", "shout", "--width", "16", "x"}, "unknown action 'shout'"},
        {{"name", "encode", "x"}, "--width W is required"},
        {{"name", "encode", "--width"}, "option --width needs a value"},
        {{"name", "encode", "--width", "16"}, "missing TEXT"},
        {{"name", "encode", "--width", "16", "a", "b"}, "unexpected argument 'b'"},
        {{"name", "encode", "--width", "1", "x"}, "--width must be a whole number from 2 to 64"},
        {{"name", "encode", "--width", "65", "x"}, "not '65'"},
        {{"name", "encode", "--width", "16x", "x"}, "not '16x'"},
        {{"name", "decode", "--width", "16"}, "missing HEX"},
        {{"name", "decode", "--width", "16", "02 G5"}, "bad HEX: 'G' is not a hex digit"},
        {{"name", "decode", "--width", "16", "02F"}, "bad HEX: a byte needs two hex digits"},
        {{"name", "decode", "--width", "16", "0 2"}, "bad HEX: a byte needs two hex digits"},
        {{"name", "decode", "--width", "4", "01 02 03 04 05"}, "more than the width 4"},
        {{"name", "decode", "--width", "4", " "}, "bad HEX: no bytes given"},
    };
    for (const Case& c : cases) {
        const ProgramResult r = runCli(c.args);
        std::string line;
        for (const auto& a : c.args) line += a + " ";
        EXPECT_TRUE(r.exitedWith(2)) << line << "-> " << r.exitCode << " " << r.err;
        EXPECT_TRUE(contains(r.err, c.message)) << line << "-> " << r.err;
        EXPECT_TRUE(r.out.empty()) << line << "-> " << r.out;
    }
    // Nothing was written by any of them.
    EXPECT_FALSE(std::filesystem::exists(dir.file("a")));
}

}  // namespace
}  // namespace kavro::test
