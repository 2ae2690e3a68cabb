// Every command has --help; bad command lines end with status 2 and a plain message, failed
// operations with status 1 and the reason; none of them writes anything.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "CliRunner.h"
#include "DatabaseBuilder.h"
#include "TemporaryDirectory.h"

namespace kavro::test {
namespace {

TEST(UsageTest, EveryCommandHasHelpAndTheOverviewListsIt) {
    const ProgramResult overview = runCli({"--help"});
    ASSERT_TRUE(overview.exitedWith(0));
    for (const std::string command :
         {"info", "dump", "check", "resave", "demo", "name", "settings", "arabize", "names", "tool",
          "find", "ports", "upload", "download"}) {
        SCOPED_TRACE(command);
        EXPECT_TRUE(contains(overview.out, "\n  " + command + " "));
        const ProgramResult help = runCli({command, "--help"});
        EXPECT_TRUE(help.exitedWith(0));
        EXPECT_TRUE(contains(help.out, "Usage: kavro-cli " + command)) << help.out;
    }
    EXPECT_TRUE(runCli({}).exitedWith(2));
}

TEST(UsageTest, BadArgumentsAndFailuresSayWhyAndWriteNothing) {
    TemporaryDirectory dir;
    const std::string f = dir.file("demo.ird"), n = dir.file("new.ird"), l = dir.file("names.ini");
    const std::string missing = dir.file("missing.ird"), folder = dir.path().string();
    const std::string nowhere = dir.file("no/such/folder/x.ird");
    writeImageFile(f, demoImage());
    const std::vector<std::uint8_t> before = readBytes(f);
    const std::string fifo = dir.file("fifo.ird");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
    const struct {
        std::vector<std::string> args;
        int exit;
        const char* message;
    } cases[] = {
        {{"nosuchcommand"}, 2, "unknown command 'nosuchcommand'"},
        {{"info"}, 2, "missing FILE"},
        {{"info", f, "extra"}, 2, "unexpected argument 'extra'"},
        {{"info", ""}, 2, "FILE is empty"},
        {{"dump", f, "--xml"}, 2, "unknown option --xml"},
        {{"name", "encode", "x"}, 2, "--width W is required"},
        {{"name", "encode", "--width"}, 2, "option --width needs a value"},
        {{"name", "encode", "--width", "65", "x"}, 2, "a whole number from 2 to 64, not '65'"},
        {{"name", "decode", "--width", "16", "02F"}, 2, "bad HEX: a byte needs two hex digits"},
        {{"name", "decode", "--width", "4", "01 02 03 04 05"}, 2, "more than the width 4"},
        {{"settings", "frob", f}, 2, "unknown action 'frob'"},
        {{"settings", "set", f}, 2, "nothing to set"},
        {{"settings", "set", f, "colour=red"}, 2, "unknown setting 'colour'"},
        {{"settings", "set", f, "volume=21"}, 2, "volume must be a whole number from 0 to 20"},
        {{"settings", "set", f, "date=2023-02-29"}, 2, "date must be a real date"},
        {{"settings", "set", f, "startup-group=9"}, 2, "startup-group must be a group number"},
        {{"names"}, 2, "missing 'list', 'add' or 'del'"},
        {{"names", "add", "MBC", "--list", l}, 2, "missing ARABIC"},
        {{"names", "list", "--replace", "--list", l}, 2, "--replace goes with 'add' only"},
        {{"arabize", f}, 2, "missing OUT"},
        {{"arabize", f, n, "--list", ""}, 2, "the --list file name is empty"},
        {{"tool", "shrink", f, n}, 2, "unknown tool 'shrink'"},
        {{"info", missing}, 1, "was not found"},
        {{"dump", folder}, 1, "cannot be accessed"},
        {{"resave", f, folder}, 1, "was not saved"},
        {{"demo", nowhere}, 1, "was not saved"},
        {{"arabize", f, n, "--list", dir.file("missing.ini")}, 1, "missing.ini was not found"},
        {{"names", "list", "--list", folder}, 1, "is not a file"},
        {{"find", f, "no such channel"}, 1, "Cannot find 'no such channel'"},
        {{"find", f, "日"}, 1, "holds characters that no channel name can hold"},
        {{"upload", n}, 2, "--port"},
        {{"download", f}, 2, "--port"},
        {{"upload", "--port", "/nonexistent/ttyKAVRO", n},
         1,
         "Cannot open the port '/nonexistent/ttyKAVRO'."},
        {{"upload", "--port", "COM1", folder}, 1, "Is a directory"},
        {{"upload", "--port", "COM1", fifo}, 1, "fifo.ird.\nIs a named pipe, not a file"},
        {{"upload", "--port", "COM1", nowhere}, 1, "No such file or directory"},
        {{"resave", f, fifo}, 1, "Is a named pipe, not a file"},
        {{"upload", "--port", "COM1", n, "--timeout", "0"}, 2, "--timeout takes whole seconds"},
        {{"download", "--port", "COM1", f, "--timeout=1.5"}, 2, "from 1 to 86400, not '1.5'"},
        {{"download", "--port", "COM1", f, "--timeout", "86401"}, 2, "--timeout takes whole"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args[0] + ": " + c.message);
        const ProgramResult r = runCli(c.args);
        EXPECT_TRUE(r.exitedWith(c.exit)) << "exit " << r.exitCode << ", signal " << r.signal;
        EXPECT_TRUE(contains(r.err, c.message)) << r.err;
        EXPECT_TRUE(c.exit != 2 || r.out.empty()) << r.out;
    }
    EXPECT_EQ(readBytes(f), before);
    EXPECT_TRUE(std::filesystem::is_fifo(fifo));
    for (const std::string& path : {n, l, nowhere}) EXPECT_FALSE(std::filesystem::exists(path));
}

}  // namespace
}  // namespace kavro::test
