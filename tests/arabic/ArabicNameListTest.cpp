#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "RecordingMessageSink.h"
#include "TemporaryDirectory.h"
#include "arabic/ArabicNameList.h"
#include "arabic/ExtractField.h"
#include "messages/StringIds.h"

namespace kavro {
namespace {

namespace fs = std::filesystem;

class ArabicNameListFile : public ::testing::Test {
protected:
    fs::path file() const { return dir.path() / "Channel.Ini"; }

    void writeText(const std::string& text) const { writeTextTo(file(), text); }
    static void writeTextTo(const fs::path& path, const std::string& text) {
        std::ofstream(path, std::ios::binary) << text;
    }
    std::string readText() const { return readTextFrom(file()); }
    static std::string readTextFrom(const fs::path& path) {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    ArabicNameList load() const {
        ArabicNameList list{"left over"};
        const int count = loadArabicNameList(list, file());
        EXPECT_EQ(count, static_cast<int>(list.size()));
        return list;
    }

    test::TemporaryDirectory dir;
    test::RecordingMessageSink messages;
};

TEST_F(ArabicNameListFile, GapsAreSkippedAndSavingLeavesStaleKeysThatTheNextLoadIgnores) {
    writeText("[Channel]\r\nCOUNT=3\r\nCH0=MBC|\xE3\xC8\xDF|\r\nCH2=BBC|\xC8\xC8\xD3|\r\n");
    ArabicNameList list = load();
    EXPECT_EQ(list, ArabicNameList({"MBC|\xE3\xC8\xDF|", "BBC|\xC8\xC8\xD3|"}));

    writeText("[Channel]\r\nCOUNT=3\r\nCH0=MBC|x|\r\nCH1=\r\nCH2=BBC|y|\r\n");
    list = load();
    ASSERT_EQ(list, ArabicNameList({"MBC|x|", "BBC|y|"}));

    EXPECT_EQ(saveArabicNameList(list, file(), messages), 2);
    EXPECT_EQ(readText(), "[Channel]\r\nCOUNT=2\r\nCH0=MBC|x|\r\nCH1=BBC|y|\r\nCH2=BBC|y|\r\n");
    EXPECT_EQ(load(), list);
    EXPECT_TRUE(messages.entries.empty());
}

TEST_F(ArabicNameListFile, MissingFileSectionOrCountGivesAnEmptyList) {
    EXPECT_TRUE(load().empty());
    writeText("[Other]\nCOUNT=1\nCH0=A|B|\n");
    EXPECT_TRUE(load().empty());
    writeText("[Channel]\nCH0=A|B|\n");
    EXPECT_TRUE(load().empty());
}

// A damaged or hand-edited COUNT must neither hang the load nor invent entries.
TEST_F(ArabicNameListFile, CountThatIsHugeNegativeOrGarbageReadsOnlyKeysThatExist) {
    const std::string entries = "CH0=A|a|\nCH1=B|b|\nCH4000000000=C|c|\nCH01=D|d|\nCHx=E|e|\n";
    struct Case {
        std::string count;
        ArabicNameList expected;
    };
    const Case cases[] = {
        {"4294967295", {"A|a|", "B|b|"}},
        {"99999999999999999999999", {"A|a|", "B|b|"}},
        {"2147483647", {"A|a|", "B|b|"}},
        {"-1", {}},
        {"-99999999999999999999", {}},
        {"many", {}},
        {"", {}},
        {"1 entry", {"A|a|"}},
    };
    for (const Case& c : cases) {
        writeText("[Channel]\nCOUNT=" + c.count + "\n" + entries);
        EXPECT_EQ(load(), c.expected) << "COUNT=" << c.count;
    }
}

// A big list is read and written in passes over the file, not one scan per key.
TEST_F(ArabicNameListFile, ManyEntriesLoadAndSaveInOrder) {
    constexpr int kEntries = 20000;
    std::string text = "[Channel]\nCOUNT=" + std::to_string(kEntries) + "\n";
    for (int k = kEntries - 1; k >= 0; --k)
        text += "CH" + std::to_string(k) + "=N" + std::to_string(k) + "|a|\n";
    writeText(text);
    ArabicNameList list = load();
    ASSERT_EQ(list.size(), static_cast<std::size_t>(kEntries));
    EXPECT_EQ(list.front(), "N0|a|");
    EXPECT_EQ(list.back(), "N" + std::to_string(kEntries - 1) + "|a|");

    list.erase(list.begin());
    EXPECT_EQ(saveArabicNameList(list, file(), messages), kEntries - 1);
    const ArabicNameList again = load();
    EXPECT_EQ(again, list);
}

TEST_F(ArabicNameListFile, LongValuesAreCutTo1023BytesAndBytesStayAsTheyAre) {
    std::string longEntry(1100, 'x');
    for (std::size_t i = 0; i < longEntry.size(); i += 7) longEntry[i] = static_cast<char>(0xE3);
    std::string highBytes;
    for (int b = 0x80; b <= 0xFF; ++b) highBytes += static_cast<char>(b);
    writeText("[Channel]\nCOUNT=2\nCH0=" + longEntry + "\nCH1=" + highBytes + "|\n");

    const ArabicNameList list = load();
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list[0], longEntry.substr(0, 1023));
    EXPECT_EQ(list[1], highBytes + "|");

    ASSERT_EQ(saveArabicNameList({highBytes + "|" + highBytes + "|"}, file(), messages), 1);
    EXPECT_EQ(load(), ArabicNameList({highBytes + "|" + highBytes + "|"}));
}

TEST_F(ArabicNameListFile, SectionAndKeyNamesIgnoreCaseAndSavingRewritesThemInPlace) {
    writeText("[ channel ]\ncount = 2\nch0 = \"MBC|m|\"\nCh1=NTV|n|\n");
    EXPECT_EQ(load(), ArabicNameList({"MBC|m|", "NTV|n|"}));

    EXPECT_EQ(saveArabicNameList({"ART|a|", "", "LBC|l|", "OTV|o|"}, file(), messages), 3);
    EXPECT_EQ(readText(), "[ channel ]\ncount=3\nch0=ART|a|\nCh1=LBC|l|\nCH2=OTV|o|\n");
    EXPECT_EQ(load(), ArabicNameList({"ART|a|", "LBC|l|", "OTV|o|"}));
}

TEST_F(ArabicNameListFile, HandEditedFileKeepsCommentsOtherSectionsAndKeysOnSave) {
    const std::string before =
        "; my channel names\r\n"
        "[Settings]\r\n"
        "COUNT=99\r\n"
        "CH0=not mine\r\n"
        "\r\n"
        "[Channel]\r\n"
        "; keep this comment\r\n"
        "COUNT=2\r\n"
        "Editor=me\r\n"
        "CH0=OLD|o|\r\n"
        "CH1=OLDER|p|\r\n"
        "\r\n"
        "; notes for the next section\r\n"
        "[Zeta]\r\n"
        "a line without equals sign\r\n"
        "CH0=also not mine";
    writeText(before);
    EXPECT_EQ(load(), ArabicNameList({"OLD|o|", "OLDER|p|"}));

    EXPECT_EQ(saveArabicNameList({"A|1|", "B|2|", "C|3|"}, file(), messages), 3);
    EXPECT_EQ(readText(),
              "; my channel names\r\n"
              "[Settings]\r\n"
              "COUNT=99\r\n"
              "CH0=not mine\r\n"
              "\r\n"
              "[Channel]\r\n"
              "; keep this comment\r\n"
              "COUNT=3\r\n"
              "Editor=me\r\n"
              "CH0=A|1|\r\n"
              "CH1=B|2|\r\n"
              "CH2=C|3|\r\n"
              "\r\n"
              "; notes for the next section\r\n"
              "[Zeta]\r\n"
              "a line without equals sign\r\n"
              "CH0=also not mine\r\n");
}

TEST_F(ArabicNameListFile, NewFileGetsTheSectionWithCountFirstAndLineBreaksCannotSplitAnEntry) {
    const fs::path nested = dir.path() / "config" / "kavro" / "Channel.Ini";
    EXPECT_EQ(saveArabicNameList({"A|x\ny|"}, nested, messages), 1);
    EXPECT_EQ(readTextFrom(nested), "[Channel]\r\nCOUNT=1\r\nCH0=A|x y|\r\n");

    EXPECT_EQ(saveArabicNameList({}, file(), messages), 0);
    EXPECT_EQ(readText(), "[Channel]\r\nCOUNT=0\r\n");
}

TEST_F(ArabicNameListFile, FailuresAreReportedAndLeaveTheOldFileAlone) {
    // A parent that is a file: nothing can be created below it.
    writeTextTo(dir.path() / "plain", "x");
    EXPECT_EQ(saveArabicNameList({"A|a|"}, dir.path() / "plain" / "Channel.Ini", messages), -1);
    EXPECT_EQ(messages.ids(), std::vector<int>({strings::FileWriteError}));

    // A folder in the file's place cannot be read, so it must not be replaced either.
    messages.entries.clear();
    fs::create_directory(file());
    EXPECT_EQ(saveArabicNameList({"A|a|"}, file(), messages), -1);
    EXPECT_EQ(messages.ids(), std::vector<int>({strings::FileAccessDenied}));
    EXPECT_TRUE(fs::is_directory(file()));
    EXPECT_TRUE(load().empty());
}

TEST_F(ArabicNameListFile, FirstSaveOfAUserCopyStartsFromTheProgramsFile) {
    const fs::path shipped = dir.path() / "shipped.ini";
    writeTextTo(shipped, "[Channel]\nCOUNT=1\nCH0=MBC|m|\n[Extra]\nkey=value\n");
    EXPECT_EQ(saveArabicNameList({"MBC|m|", "NTV|n|"}, file(), messages, shipped), 2);
    EXPECT_EQ(readText(), "[Channel]\nCOUNT=2\nCH0=MBC|m|\nCH1=NTV|n|\n[Extra]\nkey=value\n");
    EXPECT_EQ(readTextFrom(shipped), "[Channel]\nCOUNT=1\nCH0=MBC|m|\n[Extra]\nkey=value\n");
}

TEST(ArabicNameListLocation, BesideTheProgramWhenWritableElseInTheUserFolder) {
    test::TemporaryDirectory dir;
    const fs::path program = dir.path() / "bin";
    const fs::path user = dir.path() / "config" / "kavro";
    fs::create_directories(program);

    ArabicNameListLocation where = arabicNameListLocation(program, user);
    EXPECT_EQ(where.readPath, program / "Channel.Ini");
    EXPECT_EQ(where.writePath, program / "Channel.Ini");

    // A program folder that cannot be written (here: one that does not exist).
    const fs::path installed = dir.path() / "usr" / "bin";
    where = arabicNameListLocation(installed, user);
    EXPECT_EQ(where.readPath, installed / "Channel.Ini");  // until the user has a copy
    EXPECT_EQ(where.writePath, user / "Channel.Ini");
    fs::create_directories(user);
    std::ofstream(user / "Channel.Ini") << "[Channel]\n";
    where = arabicNameListLocation(installed, user);
    EXPECT_EQ(where.readPath, user / "Channel.Ini");
    EXPECT_EQ(where.writePath, user / "Channel.Ini");

    EXPECT_TRUE(fs::is_empty(program)) << "probing must leave nothing behind";
}

TEST(ExtractField, FieldsAtADelimiter) {
    EXPECT_EQ(extractField("A|B|", 0, "|"), "A");
    EXPECT_EQ(extractField("A|B|", 1, "|"), "B");
    EXPECT_EQ(extractField("A|B|", 2, "|"), "");
    EXPECT_EQ(extractField("A|B|", 3, "|"), "");
    EXPECT_EQ(extractField("A", 0, "|"), "A");
    EXPECT_EQ(extractField("A", 1, "|"), "");
    EXPECT_EQ(extractField("one\r\ntwo", 1, "\r\n"), "two");
    EXPECT_EQ(extractField("A|B", 0, ""), "");
    EXPECT_EQ(ArabicNameEntry::fromStored("JUST LATIN").latinName, "JUST LATIN");
    EXPECT_EQ(ArabicNameEntry::fromStored("JUST LATIN").arabicName, "");
}

}  // namespace
}  // namespace kavro
