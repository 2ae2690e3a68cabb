#include <gtest/gtest.h>

#include "CliRunner.h"
#include "CliTestFiles.h"

namespace kavro::test {
namespace {

std::string zeros(int n) {
    std::string s;
    for (int i = 0; i < n; ++i) s += " 00";
    return s;
}

TEST(NameCommandTest, EncodesArabicAndLatinIntoTheWholeField) {
    // qaf, noon, alef, teh marbuta: shaped, then mirrored.
    ProgramResult r = runCli({"name", "encode", "--width", "16", "قناة"});
    ASSERT_TRUE(r.exitedWith(0)) << r.err;
    EXPECT_EQ(r.out, "02 F5 44 DA BE" + zeros(11) + "\n");
    EXPECT_TRUE(r.err.empty()) << r.err;

    r = runCli({"name", "encode", "--width", "16", "قناة 12"});
    EXPECT_EQ(r.out, "02 31 32 20 F5 44 DA BE" + zeros(8) + "\n");

    r = runCli({"name", "encode", "--width", "10", "Sat 19.2°"});
    ASSERT_TRUE(r.exitedWith(0));
    EXPECT_EQ(r.out, "53 61 74 20 31 39 2E 32 BA 00\n");
}

TEST(NameCommandTest, DecodesWhatEncodeWrote) {
    ProgramResult r = runCli({"name", "decode", "--width", "16", "02 31 32 20 F5 44 DA BE"});
    ASSERT_TRUE(r.exitedWith(0)) << r.err;
    EXPECT_EQ(r.out, "قناة 12\n");

    // Bytes may come as separate arguments or run together; colons are allowed.
    r = runCli({"name", "decode", "--width", "10", "53", "61", "74:20:31:39:2e:32", "ba"});
    EXPECT_EQ(r.out, "Sat 19.2°\n");

    // A Latin-1 field: accents the code page holds stay, the others fold.
    r = runCli({"name", "decode", "--width", "16", "05 54 E9 6C E9 20 C7 61"});
    EXPECT_EQ(r.out, "Télé Ca\n");
}

TEST(NameCommandTest, SaysWhenTheFieldCannotHoldTheText) {
    ProgramResult r = runCli({"name", "encode", "--width", "10", "Satellite Twelve"});
    ASSERT_TRUE(r.exitedWith(0));
    EXPECT_EQ(r.out, "53 61 74 65 6C 6C 69 74 65 20\n");
    EXPECT_TRUE(contains(r.err, "reads back as 'Satellite '")) << r.err;

    r = runCli({"name", "encode", "--width", "16", "日本"});
    ASSERT_TRUE(r.exitedWith(0));
    EXPECT_EQ(r.out, "3F 3F" + zeros(14) + "\n");
    EXPECT_TRUE(contains(r.err, "replaced by '?'")) << r.err;

    // A text that looks like an option goes after "--".
    r = runCli({"name", "encode", "--width", "4", "--", "-5"});
    ASSERT_TRUE(r.exitedWith(0)) << r.err;
    EXPECT_EQ(r.out, "2D 35 00 00\n");
}

}  // namespace
}  // namespace kavro::test
