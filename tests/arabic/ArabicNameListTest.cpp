// The name list: its file, the dialog's rules and Auto Arabisation.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "DatabaseBuilder.h"
#include "RecordingMessageSink.h"
#include "TemporaryDirectory.h"
#include "arabic/ArabicNameList.h"
#include "arabic/ArabicNameListModel.h"
#include "arabic/AutoArabisation.h"
#include "arabic/ReceiverName.h"
#include "messages/StringIds.h"

namespace kavro {
namespace {

namespace fs = std::filesystem;

void writeText(const fs::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}
std::string readText(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

class ArabicNameListFile : public ::testing::Test {
protected:
    ArabicNameList load() const {
        ArabicNameList list{"left over"};
        const int count = loadArabicNameList(list, file);
        EXPECT_EQ(count, static_cast<int>(list.size()));
        return list;
    }
    int save(const ArabicNameList& list) { return saveArabicNameList(list, file, messages); }

    test::TemporaryDirectory dir;
    fs::path file = dir.path() / "Channel.Ini";
    test::RecordingMessageSink messages;
};

TEST_F(ArabicNameListFile, GapsAreSkippedAndSavingLeavesStaleKeysThatTheNextLoadIgnores) {
    writeText(file, "[Channel]\r\nCOUNT=4\r\nCH3=C|\xE3|\r\nCH0=A|\xC8|\r\nCH1=\r\nCH2=B|b|\r\n");
    ArabicNameList list = load();
    ASSERT_EQ(list, ArabicNameList({"A|\xC8|", "B|b|", "C|\xE3|"}));
    list.pop_back();
    EXPECT_EQ(save(list), 2);
    EXPECT_EQ(readText(file),
              "[Channel]\r\nCOUNT=2\r\nCH3=C|\xE3|\r\nCH0=A|\xC8|\r\nCH1=B|b|\r\nCH2=B|b|\r\n");
    EXPECT_EQ(load(), list);
    EXPECT_TRUE(messages.entries.empty());
}

// A missing or damaged COUNT must neither hang the load nor invent entries.
TEST_F(ArabicNameListFile, CountThatIsMissingHugeNegativeOrGarbageReadsOnlyKeysThatExist) {
    const std::string entries = "CH0=A|a|\nCH1=B|b|\nCH4000000000=C|c|\nCH01=D|d|\nCHx=E|e|\n";
    const std::pair<std::string, ArabicNameList> cases[] = {
        {"[Channel]\nCOUNT=4294967295\n", {"A|a|", "B|b|"}},
        {"[Channel]\nCOUNT=1 entry\n", {"A|a|"}},
        {"[Channel]\nCOUNT=-1\n", {}},
        {"[Channel]\n", {}},
        {"[Other]\nCOUNT=2\n", {}},
    };
    EXPECT_TRUE(load().empty()) << "no file";
    for (const auto& [head, expected] : cases) {
        writeText(file, head + entries);
        EXPECT_EQ(load(), expected) << head;
    }
}

TEST_F(ArabicNameListFile, LongValuesAreCutTo1023BytesAndBytesStayAsTheyAre) {
    std::string longEntry(1100, 'x');
    for (std::size_t i = 0; i < longEntry.size(); i += 7) longEntry[i] = static_cast<char>(0xE3);
    std::string high;
    for (int b = 0x80; b <= 0xFF; ++b) high += static_cast<char>(b);
    writeText(file, "[Channel]\nCOUNT=2\nCH0=" + longEntry + "\nCH1=" + high + "|\n");
    EXPECT_EQ(load(), ArabicNameList({longEntry.substr(0, 1023), high + "|"}));
    ASSERT_EQ(save({high + "|" + high + "|"}), 1);
    EXPECT_EQ(load(), ArabicNameList({high + "|" + high + "|"}));
}

// Section and key names ignore case; saving rewrites the keys in place and keeps the rest.
TEST_F(ArabicNameListFile, HandEditedFileKeepsCommentsOtherSectionsAndKeysOnSave) {
    const auto text = [](const std::string& count, const std::string& entries) {
        return "; mine\n[Settings]\nCOUNT=9\nCH0=no\n\n[ channel ]\n; keep\ncount" + count +
               "\nEditor=me\n" + entries + "\n; notes\n[Zeta]\nno equals sign\nCH0=not mine";
    };
    writeText(file, text(" = 2", "ch0 = \"OLD|o|\"\nCh1=OLDER|p|\n"));
    EXPECT_EQ(load(), ArabicNameList({"OLD|o|", "OLDER|p|"}));
    EXPECT_EQ(save({"A|1|", "", "B|2|", "C|3|"}), 3);
    EXPECT_EQ(readText(file), text("=3", "ch0=A|1|\nCh1=B|2|\nCH2=C|3|\n") + "\n");
}

TEST_F(ArabicNameListFile, NewFilesFirstCopiesAndFailures) {
    const fs::path nested = dir.path() / "config" / "kavro" / "Channel.Ini";
    EXPECT_EQ(saveArabicNameList({"A|x\ny|"}, nested, messages), 1);
    EXPECT_EQ(readText(nested), "[Channel]\r\nCOUNT=1\r\nCH0=A|x y|\r\n") << "one line per entry";

    // The first save of a user copy starts from the program's file and leaves that alone.
    const std::string seed = "[Channel]\nCOUNT=1\nCH0=MBC|m|\n[Extra]\nkey=value\n";
    const fs::path shipped = dir.path() / "shipped.ini";
    writeText(shipped, seed);
    EXPECT_EQ(saveArabicNameList({"MBC|m|", "NTV|n|"}, file, messages, shipped), 2);
    EXPECT_EQ(readText(file), "[Channel]\nCOUNT=2\nCH0=MBC|m|\nCH1=NTV|n|\n[Extra]\nkey=value\n");
    EXPECT_EQ(readText(shipped), seed);

    // A parent that is a file; a folder in the file's place, which must not be replaced.
    EXPECT_EQ(saveArabicNameList({"A|a|"}, shipped / "x.ini", messages), -1);
    fs::remove(file);
    fs::create_directory(file);
    EXPECT_EQ(save({"A|a|"}), -1);
    EXPECT_EQ(messages.ids(),
              std::vector<int>({strings::FileWriteError, strings::FileAccessDenied}));
    EXPECT_TRUE(fs::is_directory(file));
}

// A list that is there but cannot be read is no empty list: loading for an edit says why, and
// no save replaces it.
TEST_F(ArabicNameListFile, UnreadableFileIsReportedWithTheReasonAndNeverReplaced) {
    ArabicNameList list;
    EXPECT_EQ(loadArabicNameList(list, file, messages), 0) << "a missing file is an empty list";
    EXPECT_TRUE(messages.entries.empty());

    const auto refused = [&](const std::string& reason) {
        SCOPED_TRACE(reason);
        messages.entries.clear();
        list = {"stale"};
        EXPECT_EQ(loadArabicNameList(list, file, messages), -1);
        EXPECT_TRUE(list.empty());
        EXPECT_EQ(save({"A|a|"}), -1);
        ASSERT_EQ(messages.entries.size(), 2u);
        for (const auto& entry : messages.entries) {
            EXPECT_EQ(entry.stringId, strings::FileAccessDenied);
            EXPECT_NE(entry.text.find(file.string() + " (" + reason + ")"), std::string::npos)
                << entry.text;
        }
    };

    fs::create_directory(file);
    refused("Is a directory");
    EXPECT_TRUE(fs::is_directory(file));
    fs::remove(file);

    writeText(file, "[Channel]\nCOUNT=1\nCH0=A|a|\n");
    fs::resize_file(file, (16u << 20) + 1);  // beyond any list; sparse, so cheap
    refused("File too large");
    EXPECT_EQ(fs::file_size(file), (16u << 20) + 1);

    // Without read permission; permissions do not bind the superuser.
    writeText(file, "[Channel]\nCOUNT=1\nCH0=A|a|\n");
    fs::permissions(file, fs::perms::none);
    if (!std::ifstream(file).is_open()) {
        refused("Permission denied");
        fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write);
        EXPECT_EQ(readText(file), "[Channel]\nCOUNT=1\nCH0=A|a|\n");
    }
}

TEST_F(ArabicNameListFile, LivesBesideTheProgramWhenWritableElseInTheUserFolder) {
    const fs::path program = dir.path() / "bin", user = dir.path() / "config" / "kavro";
    const fs::path installed = dir.path() / "usr" / "bin";  // does not exist: not writable
    fs::create_directories(program);
    EXPECT_EQ(arabicNameListLocation(program, user).writePath, program / "Channel.Ini");
    EXPECT_TRUE(fs::is_empty(program)) << "probing must leave nothing behind";
    ArabicNameListLocation where = arabicNameListLocation(installed, user);
    EXPECT_EQ(where.readPath, installed / "Channel.Ini");  // until the user has a copy
    EXPECT_EQ(where.writePath, user / "Channel.Ini");
    fs::create_directories(user);
    writeText(user / "Channel.Ini", "[Channel]\n");
    EXPECT_EQ(arabicNameListLocation(installed, user).readPath, user / "Channel.Ini");
}

TEST(ArabicNameListDialog, AddEditDeleteAndDoubleClick) {
    test::RecordingMessageSink messages;
    ArabicNameListModel model{messages};
    model.reset({"MBC|m|", "NTV|n|", "ART|a|", "BBC|b|"});
    messages.answer({MessageButton::No, MessageButton::Yes});
    EXPECT_FALSE(model.add("bbc", "x"));
    EXPECT_EQ(messages.entries.at(0).text,
              "This channel name already exist at the position 4.\n\nAre sure to change it?");
    EXPECT_EQ(model.selection(), 3u);
    EXPECT_TRUE(model.add("bbc", "x"));
    // Edit changes the selected row without asking; both need both fields.
    EXPECT_TRUE(model.edit("MBC", "y"));
    EXPECT_FALSE(model.add("", "x") || model.edit("NEW", ""));
    EXPECT_EQ(model.list(), ArabicNameList({"MBC|m|", "NTV|n|", "ART|a|", "MBC|y|"}));
    EXPECT_EQ(messages.entries.size(), 2u);
    // A double-click fills the fields cut to their limits.
    model.reset({"ABCDEFGHIJKLMNOPQRST|12345678901234567890|"});
    EXPECT_EQ(model.editTexts(0).stored(), "ABCDEFGHIJKLMNO|12345678901234|");

    // Del keeps the row numbers until the list is opened again, and selects the next row.
    model.reset({"A|1|", "B|2|", "C|3|", "D|4|"});
    model.select(1);
    EXPECT_TRUE(model.remove());
    EXPECT_EQ(model.selection(), 1u);
    EXPECT_TRUE(model.add("F", "6"));
    EXPECT_EQ(model.rows()[1].number, 3);
    EXPECT_EQ(model.rows()[3].number, 4) << "a new row takes the count";
    model.select(std::nullopt);
    EXPECT_FALSE(model.remove());
}

// One satellite per channel: "Satellite/Channel" or just the channel on "Nilesat"; "*Channel"
// marks it crypted.
ChannelDatabase database(const std::vector<std::string>& channels) {
    test::DatabaseBuilder b;
    for (const std::string& spec : channels) {
        const std::size_t slash = spec.find('/');
        if (slash == std::string::npos)
            b.satellite("Nilesat").transponder(11000).channel(spec.substr(spec[0] == '*'));
        else
            b.satellite(spec.substr(0, slash)).transponder(11000).channel(spec.substr(slash + 1));
    }
    ChannelDatabase db = b.build();
    for (std::size_t i = 0; i < channels.size(); ++i)
        db.satellites[i].transponders[0].channels[0].setCrypted(channels[i][0] == '*');
    return db;
}

TEST(AutoArabisation, MatchingRulesRenameAndSetTheServiceIdOnly) {
    using Names = std::vector<std::string>;
    // channels, list, names after Auto Arabisation
    const std::tuple<Names, ArabicNameList, Names> cases[] = {
        // inside the upper-cased channel name; the entry itself is not upper-cased
        {{"MBC 1", "MBC2", "mbc action", "ABC"}, {"MBC|m|"}, {"m", "m", "m", "ABC"}},
        {{"MBC"}, {"mbc|m|"}, {"MBC"}},
        {{"MBC", "*MBC"}, {"MBC|\xE3\xC8\xDF|"}, {"\xE3\xC8\xDF", "MBC"}},  // crypted: left alone
        // short names match only a whole name
        {{"NTV", "ntv", "NTV 2", "OMAN TV"}, {"NTV|n|", "OMAN|o|"}, {"n", "n", "NTV 2", "OMAN TV"}},
        // PTV only on a Hotbird satellite; a later entry may take what that rule passed over
        {{"Hotbird 13E/PTV 1", "HOTBIRD/PTV 1", "Nile/PTV 1"}, {"PTV|p|", "1|n|"}, {"p", "n", "n"}},
        {{"ALJAZEERA"}, {"AL|a|", "ALJAZEERA|j|"}, {"a"}},  // the first entry wins
        {{"MBC"}, {"|m|", "NO BAR"}, {"MBC"}},              // entries without a Latin name
        {{"MBC", "NILE TV"}, {"MBC||", "NILE|Nile Sport|"}, {"", "Nile Sport"}},
    };
    for (const auto& [channels, list, names] : cases) {
        SCOPED_TRACE(testing::PrintToString(list));
        ChannelDatabase db = database(channels);
        const ChannelDatabase before = db;
        const int count = autoArabisation(db, list);
        int renamed = 0;
        for (std::size_t i = 0; i < channels.size(); ++i) {
            ChannelRecord ch = db.satellites[i].transponders[0].channels[0];
            const ChannelRecord& old = before.satellites[i].transponders[0].channels[0];
            EXPECT_EQ(decodeReceiverName(ch.name()), names[i]) << i;
            EXPECT_EQ(ch.name()[0] == kArabicNameMarker, containsArabicLetter(names[i])) << i;
            const bool changed = names[i] != decodeReceiverName(old.name());
            renamed += changed;
            EXPECT_EQ(ch.serviceId(), changed ? 0xFFFF : old.serviceId()) << i;
            std::copy(old.name().begin(), old.name().end(), ch.name().begin());
            ch.setServiceId(old.serviceId());
            EXPECT_EQ(ch, old) << i << ": nothing else changes";
        }
        EXPECT_EQ(count, renamed);
    }
}

}  // namespace
}  // namespace kavro
