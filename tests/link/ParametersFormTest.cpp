#include <gtest/gtest.h>

#include <cstring>
#include <tuple>

#include "DatabaseBuilder.h"
#include "RecordingMessageSink.h"
#include "arabic/ReceiverName.h"
#include "database/ByteOrder.h"
#include "link/ParametersForm.h"
#include "messages/StringIds.h"

namespace kavro {
namespace {

using test::DatabaseBuilder;
using test::RecordingMessageSink;

const LocalDateTime kNow{2025, 3, 14, 15, 9, 26};

std::string decode(ConstNameField field) {
    return decodeReceiverName(field);
}

// Three groups; "B" lists channel 1 twice and a number that names no channel.
ChannelDatabase sampleDatabase() {
    return DatabaseBuilder()
        .satellite("Astra")
        .transponder(11000)
        .channel("One")
        .channel("Two")
        .channel("Three")
        .group("A", {0, 1, 2})
        .group("B", {7, 1, 2})
        .group("C")
        .build();
}

// A block whose every field holds an in-range value, with the bits the writing rules rewrite
// already in their written state: OK on an unchanged form must leave it as it is.
void fillWellFormedSettings(ChannelDatabase& db) {
    auto& b = db.settings;
    b[32] = 2 * 40;                                        // UHF 40, bit 0 clear
    b[33] = 0x80 | (3 << 3) | 0x05;                        // 16:9, French, carried bits 0..2
    writeU16(&b[34], 0xC000 | (1 << 12) | (9 << 7) | 24);  // carried 14..15, age lock, 9, 3s
    b[36] = 0x01 | 0x0E | (3 << 4) | 0x40;                 // CVBS, carried 1..3, PAL-DK, wake-up
    b[37] = 0x80 | (2 << 5) | 17;                          // carried 7, Autumn, Swedish
    writeU16(&b[38], 0xBF00 | (6 << 2) | 0x02);            // carried bits, Dutch, DVB
    writeU16(&b[40], 15);
    b[43] = 1;
    b[44] = 38;
    b[45] = 6, b[46] = 30, b[47] = 23, b[48] = 15;
    const std::uint8_t clock[6] = {12, 34, 56, 124, 2, 29};
    std::memcpy(&b[71], clock, 6);
    b[78] = 2;
    b[79] = 0;
    writeU16(&b[80], 1);
    b[84] = 3;
    std::memcpy(&b[24], "4321", 4);
}

TEST(ParametersFormTest, OpensWithTheDialogTexts) {
    ChannelDatabase db = sampleDatabase();
    stampSaveDate(db, CalendarDate{2026, 12, 5});
    fillWellFormedSettings(db);
    ParametersForm form(db, decode);

    EXPECT_EQ(form.title,
              "   Parameters <<05 D\xE9"
              "c 2026>>");
    EXPECT_EQ(form.videoOutput, 1);
    EXPECT_EQ(form.screenMode, 1);
    EXPECT_EQ(form.conversion, 2);
    EXPECT_EQ(form.tvType, 2);
    EXPECT_EQ(form.menuLanguage, 3);
    EXPECT_EQ(form.audioLanguage, 17);
    EXPECT_EQ(form.subtitle, ReceiverSettings::SubtitleDvb);
    EXPECT_EQ(form.subtitleLanguage, 6);
    EXPECT_EQ(form.showInfo, 2);
    EXPECT_EQ(form.background, 2);
    EXPECT_EQ(form.transparency, 2);
    EXPECT_EQ(form.palStandard, 2);
    EXPECT_TRUE(form.ageLock);
    EXPECT_FALSE(form.menuLock);
    EXPECT_TRUE(form.ageBoxEnabled());
    EXPECT_EQ(form.ageText, "9");
    EXPECT_EQ(form.passwordText, "4321");
    EXPECT_EQ(form.volumeText, "15");
    EXPECT_EQ(form.uhfText, "40");
    ASSERT_TRUE(form.currentDate && form.currentTime);
    EXPECT_EQ(form.currentDate->day, 29);
    EXPECT_EQ(*form.currentTime, (TimeOfDay{12, 34, 56}));
    EXPECT_EQ(form.wakeupTime, (TimeOfDay{6, 30, 0}));
    EXPECT_EQ(form.groupItems, (std::vector<std::string>{" 1. A", " 2. B", " 3. C"}));
    EXPECT_EQ(form.numberTexts[0], "Sat     : 1   ");
    EXPECT_EQ(form.numberTexts[2], "Channals : 3   ");
    EXPECT_EQ(form.numberTexts[3], "Groups : 3   ");
}

TEST(ParametersFormTest, UnchangedOkRewritesOnlyTheDateOnAWellFormedBlock) {
    ChannelDatabase db = sampleDatabase();
    fillWellFormedSettings(db);
    ChannelDatabase expected = db;
    stampSaveDate(expected, CalendarDate{2025, 3, 14});
    ParametersForm form(db, decode);
    RecordingMessageSink messages;
    ASSERT_TRUE(form.accept(messages, kNow));
    EXPECT_EQ(test::firstDifference(db, expected), "");
    EXPECT_TRUE(messages.entries.empty());
}

TEST(ParametersFormTest, UnchangedOkRewritesExactlyTheBitsTheWritingRulesOwn) {
    ChannelDatabase db = sampleDatabase();
    fillWellFormedSettings(db);
    auto& b = db.settings;
    b[32] |= 0x01;        // UHF bit 0
    b[38] |= 0x01;        // subtitle word bit 0
    b[41] = 0x33;         // volume high byte
    b[36] |= 0x80;        // sleep with wake-up: opens unchecked
    writeU16(&b[80], 5);  // dolby "on" as 5
    b[79] = 7;            // sound effects off, stored as 7
    writeU16(&b[34], static_cast<std::uint16_t>(readU16(&b[34]) | 0x3000));  // lock mode 3
    ChannelDatabase expected = db;
    ParametersForm form(db, decode);
    EXPECT_FALSE(form.sleep);
    EXPECT_FALSE(form.ageLock || form.menuLock);
    RecordingMessageSink messages;
    ASSERT_TRUE(form.accept(messages, kNow));

    auto& e = expected.settings;
    stampSaveDate(expected, CalendarDate{2025, 3, 14});
    e[32] &= ~0x01;
    e[38] &= ~0x01;
    e[41] = 0;
    e[36] &= ~0x80;
    writeU16(&e[80], 1);
    e[79] = 1;
    writeU16(&e[34], static_cast<std::uint16_t>(readU16(&e[34]) & ~0x3000));
    EXPECT_EQ(test::firstDifference(db, expected), "");
    EXPECT_TRUE(messages.entries.empty());
}

TEST(ParametersFormTest, WakeupAndSleepBothSetKeepsOnlyWakeup) {
    ChannelDatabase db = sampleDatabase();
    db.settings[36] |= 0xC0;
    ParametersForm form(db, decode);
    EXPECT_TRUE(form.wakeup);
    EXPECT_TRUE(form.wakeupPickerEnabled());
    EXPECT_FALSE(form.sleep);
    EXPECT_FALSE(form.sleepPickerEnabled());
    RecordingMessageSink messages;
    ASSERT_TRUE(form.accept(messages, kNow));
    EXPECT_EQ(db.settings[36] & 0xC0, 0x40);
}

TEST(ParametersFormTest, LockModeFromTheTwoCheckBoxes) {
    for (auto [age, menu, mode] : {std::tuple{true, false, 1}, std::tuple{true, true, 2},
                                   std::tuple{false, true, 2}, std::tuple{false, false, 0}}) {
        ChannelDatabase db = sampleDatabase();
        ParametersForm form(db, decode);
        form.ageLock = age;
        form.menuLock = menu;
        form.ageText = "16";
        RecordingMessageSink messages;
        ASSERT_TRUE(form.accept(messages, kNow));
        ReceiverSettings s(db.settings);
        EXPECT_EQ(s.lockMode(), mode) << age << menu;
        EXPECT_EQ(s.ageLimit(), 16);
    }
}

TEST(ParametersFormTest, SubtitleModeAndLanguageShareTheirWord) {
    ChannelDatabase db = sampleDatabase();
    writeU16(&db.settings[38], 0xBF03);  // DVB flag, bit 0, carried high bits
    ParametersForm form(db, decode);
    form.subtitle = ReceiverSettings::SubtitleText;
    form.subtitleLanguage = 5;
    RecordingMessageSink messages;
    ASSERT_TRUE(form.accept(messages, kNow));
    EXPECT_EQ(readU16(&db.settings[38]), 0xBF00 | 0x4000 | (5 << 2));

    ParametersForm dvb(db, decode);
    EXPECT_EQ(dvb.subtitle, ReceiverSettings::SubtitleText);
    dvb.subtitle = ReceiverSettings::SubtitleDvb;
    ASSERT_TRUE(dvb.accept(messages, kNow));
    EXPECT_EQ(readU16(&db.settings[38]), 0xBF00 | 0x0002 | (5 << 2)) << "DVB bit survives";
}

TEST(ParametersFormTest, ListChoicesStoreTheirCodes) {
    ChannelDatabase db = sampleDatabase();
    db.settings[37] = 0x80 | 13;  // carried bit 7, audio language Polish
    ParametersForm form(db, decode);
    form.showInfo = 3;      // "5s"
    form.background = 3;    // Winter
    form.transparency = 1;  // " 20%"
    form.conversion = 3;
    form.palStandard = 1;
    RecordingMessageSink messages;
    ASSERT_TRUE(form.accept(messages, kNow));
    ReceiverSettings s(db.settings);
    EXPECT_EQ(s.showInfoCode(), 40);
    EXPECT_EQ(db.settings[37], 0x80 | (3 << 5) | 13) << "audio language and bit 7 untouched";
    EXPECT_EQ(s.osdTransparencyCode(), 50);
    EXPECT_EQ(s.aspectConversion(), 4);
    EXPECT_EQ(s.palStandard(), 2);

    ParametersForm reopened(db, decode);
    EXPECT_EQ(reopened.showInfo, 3);
    EXPECT_EQ(reopened.background, 3);
    EXPECT_EQ(reopened.transparency, 1);
}

TEST(ParametersFormTest, StoredValuesOutsideTheListsOpenWithoutSelection) {
    ChannelDatabase db = sampleDatabase();
    auto& b = db.settings;
    b[44] = 0;          // transparency code 0
    b[34] = 17;         // show-info code 17
    b[78] = 9;          // TV type
    b[84] = 0;          // conversion 0
    b[33] = (14 << 3);  // menu language 14
    b[36] &= ~0x30;     // no PAL standard chosen
    ParametersForm form(db, decode);
    EXPECT_EQ(form.transparency, 5) << "\"100%\"";
    EXPECT_EQ(form.showInfo, 0) << "\"OFF\"";
    EXPECT_EQ(form.tvType, ParametersForm::kNoSelection);
    EXPECT_EQ(form.conversion, 0) << "0 reads as Letter Box";
    EXPECT_EQ(form.menuLanguage, ParametersForm::kNoSelection);
    EXPECT_EQ(form.palStandard, ParametersForm::kNoSelection);

    RecordingMessageSink messages;
    ASSERT_TRUE(form.accept(messages, kNow));
    ParametersForm again(db, decode);
    EXPECT_EQ(again.tvType, ParametersForm::kNoSelection) << "a missing choice stays missing";
    EXPECT_EQ(again.menuLanguage, ParametersForm::kNoSelection);
    EXPECT_EQ(ReceiverSettings(db.settings).palStandard(), 0);
}

TEST(ParametersFormTest, StartupCorrectionsAreWrittenAtOnce) {
    ChannelDatabase db = sampleDatabase();
    db.settings[43] = 7;  // start-up group past the 3 groups
    db.startupChannels[0] = 9;
    db.startupChannels[2] = 4;
    ParametersForm form(db, decode);
    EXPECT_EQ(db.settings[43], 0) << "no OK needed";
    EXPECT_EQ(form.startupGroup, 0);
    EXPECT_EQ(db.startupChannels[0], 0);
    EXPECT_EQ(form.startupChannel, 0);
    EXPECT_EQ(form.channelItems,
              (std::vector<std::string>{"   1. One", "   2. Two", "   3. Three"}));

    form.chooseGroup(2);  // the empty group: its entry 4 is past its channels
    EXPECT_EQ(db.startupChannels[2], 0);
    EXPECT_TRUE(form.channelItems.empty());
    EXPECT_EQ(form.startupChannel, ParametersForm::kNoSelection);
}

TEST(ParametersFormTest, StartupChannelIsAGroupPositionEvenWithUnresolvedReferences) {
    ChannelDatabase db = sampleDatabase();
    db.settings[43] = 1;                // group "B": 7, 1, 2
    db.groups[1].refs[0].satIndex = 9;  // 7 names no channel and points nowhere
    db.startupChannels[1] = 2;          // "Three"
    ParametersForm form(db, decode);
    EXPECT_EQ(form.channelItems, (std::vector<std::string>{"   2. Two", "   3. Three"}));
    EXPECT_EQ(form.startupChannel, 1);

    form.startupChannel = 0;  // "Two", position 1 in the group
    RecordingMessageSink messages;
    ASSERT_TRUE(form.accept(messages, kNow));
    EXPECT_EQ(db.startupChannels[1], 1);
    EXPECT_EQ(db.settings[43], 1);
}

TEST(ParametersFormTest, ClockPickers) {
    ChannelDatabase db = sampleDatabase();
    const std::uint8_t bad[6] = {1, 2, 3, 99, 13, 40};  // neither month nor day valid
    std::memcpy(&db.settings[71], bad, 6);
    {
        ParametersForm form(db, decode);
        EXPECT_FALSE(form.currentTime);
        EXPECT_FALSE(form.currentDate);
        RecordingMessageSink messages;
        ASSERT_TRUE(form.accept(messages, kNow));
        EXPECT_EQ(0, std::memcmp(&db.settings[71], bad, 6)) << "an empty picker keeps the clock";
    }
    ParametersForm form(db, decode);
    form.update(kNow);
    RecordingMessageSink messages;
    ASSERT_TRUE(form.accept(messages, kNow));
    EXPECT_EQ(ReceiverSettings(db.settings).clock(),
              (ReceiverSettings::Clock{15, 9, 26, 2025, 3, 14}));
    EXPECT_EQ(db.dateText(), "14 Mar 2025");
}

TEST(ParametersFormTest, BadBoxesAreReportedAndNothingIsWritten) {
    struct Case {
        void (*edit)(ParametersForm&);
        int id;
        std::string text;
    };
    const Case cases[] = {
        {[](ParametersForm& f) { f.ageText = "3"; }, strings::EnterIntegerBetween,
         "Please enter an integer between 4 and 18."},
        {[](ParametersForm& f) { f.passwordText = "12345"; }, strings::EnterNoMoreCharacters,
         "Please enter no more than 4 characters."},
        {[](ParametersForm& f) { f.volumeText = "21"; }, strings::EnterIntegerBetween,
         "Please enter an integer between 0 and 20."},
        {[](ParametersForm& f) { f.uhfText = "x21"; }, strings::EnterInteger,
         "Please enter an integer."},
        {[](ParametersForm& f) { f.uhfText = "70"; }, strings::EnterIntegerBetween,
         "Please enter an integer between 21 and 69."},
        {[](ParametersForm& f) {
             f.currentDate = CalendarDate{2156, 1, 1};
         },
         strings::EnterIntegerBetween, "Please enter an integer between 1900 and 2155."},
    };
    for (const Case& c : cases) {
        ChannelDatabase db = sampleDatabase();
        ParametersForm form(db, decode);
        const ChannelDatabase before = db;
        c.edit(form);
        RecordingMessageSink messages;
        EXPECT_FALSE(form.accept(messages, kNow));
        ASSERT_EQ(messages.entries.size(), 1u) << c.text;
        EXPECT_EQ(messages.entries[0].stringId, c.id);
        EXPECT_EQ(messages.entries[0].text, c.text);
        EXPECT_EQ(test::firstDifference(db, before), "") << c.text;
    }
}

TEST(ParametersFormTest, PasswordAndNumbersAreStoredAsTheRulesSay) {
    ChannelDatabase db = sampleDatabase();
    ParametersForm form(db, decode);
    form.passwordText = "77";
    form.volumeText = " 20 ";
    form.uhfText = "69";
    form.soundEffects = false;
    RecordingMessageSink messages;
    ASSERT_TRUE(form.accept(messages, kNow));
    EXPECT_EQ(0, std::memcmp(&db.settings[24], "77\0\0", 4));
    EXPECT_EQ(readU16(&db.settings[40]), 20);
    EXPECT_EQ(db.settings[32], 138);
    EXPECT_EQ(db.settings[79], 1);
    EXPECT_FALSE(ParametersForm(db, decode).soundEffects);
}

}  // namespace
}  // namespace kavro
