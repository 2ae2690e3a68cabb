#include <gtest/gtest.h>

#include <cstring>

#include "DatabaseBuilder.h"
#include "RecordingMessageSink.h"
#include "arabic/ReceiverName.h"
#include "database/ByteOrder.h"
#include "editing/ParametersForm.h"

namespace kavro::test {
namespace {

const LocalDateTime kNow{2025, 3, 14, 15, 9, 26};

struct ParametersFormTest : ::testing::Test {
    // Three groups; "B" lists channel 1 twice and a number that names no channel.
    ChannelDatabase db = [] {
        DatabaseBuilder b;
        b.satellite("Astra").transponder(11000).channel("One").channel("Two").channel("Three");
        return b.group("A", {0, 1, 2}).group("B", {7, 1, 2}).group("C").build();
    }();
    ReceiverSettings settings{db.settings};

    ParametersForm open() { return ParametersForm(db, decodeReceiverName); }
    // OK, and its result put into the database as the caller does.
    void ok(const ParametersForm& form) {
        RecordingMessageSink messages;
        const std::optional<ParametersResult> result = form.accept(messages, kNow);
        ASSERT_TRUE(result);
        EXPECT_TRUE(messages.entries.empty());
        result->applyTo(db);
    }
};

// A well-formed block opens with the dialog's texts and an unchanged OK only stamps the date;
// on a malformed one OK also rewrites what the writing rules own, and nothing else.
TEST_F(ParametersFormTest, OpensAndUnchangedOkRewritesOnlyTheDateAndWhatTheRulesOwn) {
    stampSaveDate(db.settings, CalendarDate{2026, 12, 5});
    auto& b = db.settings;
    b[32] = 2 * 40;                                        // UHF 40
    b[33] = 0x80 | (3 << 3) | 0x05;                        // 16:9, French, carried bits
    writeU16(&b[34], 0xC000 | (1 << 12) | (9 << 7) | 24);  // age lock, 9, 3s
    b[36] = 0x01 | 0x0E | (3 << 4) | 0x40;                 // CVBS, PAL-DK, wake-up
    b[37] = 0x80 | (2 << 5) | 17;                          // Autumn, Swedish
    writeU16(&b[38], 0xBF00 | (6 << 2) | 0x02);            // Dutch, DVB
    writeU16(&b[40], 15);
    b[43] = 1, b[44] = 38, b[45] = 6, b[46] = 30, b[47] = 23, b[48] = 15;
    const std::uint8_t clock[6] = {12, 34, 56, 124, 2, 29};
    std::memcpy(&b[71], clock, 6);
    b[78] = 2, b[79] = 0, b[80] = 1, b[84] = 3;
    std::memcpy(&b[24], "4321", 4);
    ChannelDatabase expected = db;
    stampSaveDate(expected.settings, CalendarDate{2025, 3, 14});

    ParametersForm f = open();
    EXPECT_EQ(f.title, "   Parameters <<05 D\xE9" + std::string("c 2026>>"));
    EXPECT_EQ((std::vector<int>{f.videoOutput, f.screenMode, f.conversion, f.tvType, f.menuLanguage,
                                f.audioLanguage, f.subtitle, f.subtitleLanguage, f.showInfo,
                                f.background, f.transparency, f.palStandard}),
              (std::vector<int>{1, 1, 2, 2, 3, 17, 1, 6, 2, 2, 2, 2}));
    EXPECT_EQ((std::vector<std::string>{f.ageText, f.passwordText, f.volumeText, f.uhfText}),
              (std::vector<std::string>{"9", "4321", "15", "40"}));
    EXPECT_EQ(f.currentTime, (TimeOfDay{12, 34, 56}));
    EXPECT_EQ(f.groupItems, (std::vector<std::string>{" 1. A", " 2. B", " 3. C"}));
    ok(f);
    EXPECT_EQ(firstDifference(db, expected), "");

    b[32] |= 0x01, b[38] |= 0x01, b[41] = 0x33;  // UHF bit 0, subtitle bit 0, volume high byte
    b[80] = 5, b[79] = 7, b[35] |= 0x30;         // dolby on as 5, effects off as 7, lock mode 3
    b[36] |= 0x80;                               // sleep beside wake-up
    ParametersForm malformed = open();
    EXPECT_FALSE(malformed.ageLock || malformed.menuLock);
    EXPECT_TRUE(malformed.wakeup && malformed.wakeupPickerEnabled());
    EXPECT_FALSE(malformed.sleep || malformed.sleepPickerEnabled());
    ok(malformed);
    auto& e = expected.settings;
    e[79] = 1, e[35] &= ~0x30;
    e[38] |= 0x01;  // the subtitle language list was not touched
    EXPECT_EQ(firstDifference(db, expected), "");
}

TEST_F(ParametersFormTest, LockModeFromTheTwoCheckBoxes) {
    for (auto [age, menu, mode] : {std::tuple{true, false, 1}, std::tuple{true, true, 2},
                                   std::tuple{false, true, 2}, std::tuple{false, false, 0}}) {
        ParametersForm form = open();
        form.ageLock = age, form.menuLock = menu, form.ageText = "16";
        ok(form);
        EXPECT_EQ(settings.lockMode(), mode) << age << menu;
        EXPECT_EQ(settings.ageLimit(), 16);
    }
}

TEST_F(ParametersFormTest, SubtitleModeAndLanguageShareTheirWord) {
    writeU16(&db.settings[38], 0xBF03);  // DVB, bit 0, carried high bits
    ParametersForm text = open();
    text.subtitle = ReceiverSettings::SubtitleText;
    text.subtitleLanguage = 5;
    ok(text);
    EXPECT_EQ(readU16(&db.settings[38]), 0xBF00 | 0x4000 | (5 << 2));

    ParametersForm dvb = open();
    EXPECT_EQ(dvb.subtitle, ReceiverSettings::SubtitleText);
    dvb.subtitle = ReceiverSettings::SubtitleDvb;
    ok(dvb);
    EXPECT_EQ(readU16(&db.settings[38]), 0xBF00 | 0x0002 | (5 << 2)) << "DVB bit survives";
}

TEST_F(ParametersFormTest, ListChoicesStoreTheirCodes) {
    db.settings[37] = 0x80 | 13;  // carried bit 7, audio language Polish
    ParametersForm form = open();
    form.showInfo = 3, form.background = 3, form.transparency = 1;  // 5s, Winter, 20%
    form.conversion = 3, form.palStandard = 1;
    ok(form);
    EXPECT_EQ(db.settings[37], 0x80 | (3 << 5) | 13);
    EXPECT_EQ((std::vector<int>{settings.showInfoCode(), settings.osdTransparencyCode(),
                                settings.aspectConversion(), settings.palStandard()}),
              (std::vector<int>{40, 50, 4, 2}));
    EXPECT_EQ(open().background, 3) << "reopens";
}

// Codes the lists cannot show (or show as an item that is written otherwise) survive an
// untouched OK; a list the user changes writes its code as usual.
TEST_F(ParametersFormTest, ListsLeftAsTheyOpenedKeepTheirStoredCodes) {
    auto& b = db.settings;
    b[33] = (14 << 3) | 0x80, b[34] = 16, b[36] = (b[36] & ~0x30) | 0x0E, b[37] = 29 | (1 << 5);
    writeU16(&b[38], 0x4002 | (40 << 2));  // both subtitle bits: OFF; language 40
    b[44] = 7, b[78] = 181, b[84] = 18;
    ChannelDatabase expected = db;
    stampSaveDate(expected.settings, CalendarDate{kNow.year, kNow.month, kNow.day});

    ParametersForm form = open();
    constexpr int kNone = ParametersForm::kNoSelection;  // 1s, 100%, then nothing chosen:
    EXPECT_EQ((std::vector<int>{form.showInfo, form.transparency, form.subtitle, form.menuLanguage,
                                form.audioLanguage, form.subtitleLanguage, form.tvType,
                                form.conversion, form.palStandard}),
              (std::vector<int>{1, 5, 0, kNone, kNone, kNone, kNone, kNone, kNone}));
    ok(form);
    EXPECT_EQ(firstDifference(db, expected), "") << "only the date text changes";

    db.settings[84] = 0;  // reads as Letter Box
    expected.settings[84] = 0;
    ok(open());
    EXPECT_EQ(firstDifference(db, expected), "");

    ParametersForm changed = open();
    changed.tvType = 1, changed.menuLanguage = 2, changed.conversion = 3, changed.showInfo = 2;
    ok(changed);
    EXPECT_EQ((std::vector<int>{settings.tvType(), settings.menuLanguage(),
                                settings.aspectConversion(), settings.showInfoCode()}),
              (std::vector<int>{1, 2, 4, 24}));
    EXPECT_EQ(settings.palStandard(), 0) << "still untouched";
}

// Start-up entries past the groups or channels are corrected in the form and reach the
// database only through OK; a reference naming no channel has no item.
TEST_F(ParametersFormTest, StartupGroupAndChannel) {
    db.settings[43] = 7;  // past the 3 groups
    db.startupChannels[0] = 9, db.startupChannels[1] = 2, db.startupChannels[2] = 4;
    db.groups[1].refs[0].satIndex = 9;  // "B": 7 names no channel and points nowhere, then 1, 2
    const ChannelDatabase before = db;

    ParametersForm cancelled = open();
    cancelled.chooseGroup(2);
    EXPECT_EQ(db, before) << "opened, a group chosen, cancelled: nothing changes";

    ParametersForm unchanged = open();
    EXPECT_EQ((std::vector<int>{unchanged.startupGroup, unchanged.startupChannel}),
              (std::vector<int>{0, 0}));
    ok(unchanged);
    ChannelDatabase corrected = before;
    stampSaveDate(corrected.settings, CalendarDate{kNow.year, kNow.month, kNow.day});
    corrected.settings[43] = 0, corrected.startupChannels[0] = 0;
    EXPECT_EQ(firstDifference(db, corrected), "") << "OK gives the corrections, nothing else";

    ParametersForm form = open();
    form.chooseGroup(2);  // the empty group
    EXPECT_EQ(form.startupChannel, ParametersForm::kNoSelection);
    form.chooseGroup(1);
    EXPECT_EQ(form.channelItems, (std::vector<std::string>{"   2. Two", "   3. Three"}));
    EXPECT_EQ(form.startupChannel, 1);
    form.startupGroup = 1, form.startupChannel = 0;
    ok(form);
    EXPECT_EQ((std::vector<int>{db.settings[43], db.startupChannels[1], db.startupChannels[2]}),
              (std::vector<int>{1, 1, 0}));
}

TEST_F(ParametersFormTest, EmptyClockPickersKeepTheClockAndUpdateSetsIt) {
    const std::uint8_t bad[6] = {1, 2, 3, 99, 13, 40};  // neither month nor day valid
    std::memcpy(&db.settings[71], bad, 6);
    ParametersForm empty = open();
    EXPECT_FALSE(empty.currentTime || empty.currentDate);
    ok(empty);
    EXPECT_EQ(0, std::memcmp(&db.settings[71], bad, 6));
    ParametersForm updated = open();
    updated.update(kNow);
    ok(updated);
    EXPECT_EQ(settings.clock(), (ReceiverSettings::Clock{15, 9, 26, 2025, 3, 14}));
    EXPECT_EQ(db.dateText(), "14 Mar 2025");
}

// The reading rules no list tells apart from another, and the password field's bounds.
TEST_F(ParametersFormTest, SettingsFieldsBeyondTheLists) {
    db.settings = {};
    EXPECT_TRUE(settings.soundEffects()) << "a cleared block has sound effects on";
    EXPECT_EQ(showInfoSeconds(16), 1) << "a second code for 1s";
    db.settings[38] = 0x02, db.settings[39] = 0x40;
    EXPECT_EQ(settings.subtitleMode(), ReceiverSettings::SubtitleOff) << "both bits read OFF";
    std::memcpy(&db.settings[24], "98765", 5);  // byte 28 belongs to something else
    EXPECT_EQ(settings.lockPassword(), "9876");
    settings.setLockPassword("12");
    const std::uint8_t padded[5] = {'1', '2', 0, 0, '5'};
    EXPECT_EQ(0, std::memcmp(&db.settings[24], padded, 5)) << "padded inside the field only";
}

TEST_F(ParametersFormTest, BadBoxesAreReportedAndOkGivesNothing) {
    const struct {
        std::string ParametersForm::*box;
        const char* value;
        std::string message;
    } cases[] = {
        {&ParametersForm::ageText, "3", "Please enter an integer between 4 and 18."},
        {&ParametersForm::passwordText, "12345", "Please enter no more than 4 characters."},
        {&ParametersForm::volumeText, "21", "Please enter an integer between 0 and 20."},
        {&ParametersForm::uhfText, "x21", "Please enter an integer."},
        {&ParametersForm::uhfText, "70", "Please enter an integer between 21 and 69."},
        {nullptr, "2156", "Please enter an integer between 1900 and 2155."},  // the year
    };
    for (const auto& c : cases) {
        ParametersForm form = open();
        if (c.box) form.*c.box = c.value;
        if (!c.box) form.currentDate = CalendarDate{2156, 1, 1};
        RecordingMessageSink messages;
        EXPECT_FALSE(form.accept(messages, kNow));
        ASSERT_EQ(messages.entries.size(), 1u);
        EXPECT_EQ(messages.entries[0].text, c.message);
    }
}

// A box is reported while typing only once more digits cannot bring it into range.
TEST_F(ParametersFormTest, NumberBoxesWhileTyping) {
    using Box = ParametersForm::NumberBox;
    const struct {
        Box box;
        std::string ParametersForm::*text;
        const char* value;
        bool reported;
    } cases[] = {
        {Box::Uhf, &ParametersForm::uhfText, "", false},
        {Box::Uhf, &ParametersForm::uhfText, "2", false},
        {Box::Uhf, &ParametersForm::uhfText, "0", false},
        {Box::Uhf, &ParametersForm::uhfText, "69", false},
        {Box::Uhf, &ParametersForm::uhfText, "1", true},
        {Box::Uhf, &ParametersForm::uhfText, "7", true},
        {Box::Uhf, &ParametersForm::uhfText, "70", true},
        {Box::Uhf, &ParametersForm::uhfText, "4x", true},
        {Box::Age, &ParametersForm::ageText, "1", false},
        {Box::Age, &ParametersForm::ageText, "3", true},
        {Box::Age, &ParametersForm::ageText, "19", true},
        {Box::Volume, &ParametersForm::volumeText, "21", true},
        {Box::Volume, &ParametersForm::volumeText, " 2", false},
    };
    for (const auto& c : cases) {
        ParametersForm form = open();
        form.*c.text = c.value;
        RecordingMessageSink messages;
        EXPECT_EQ(form.checkWhileTyping(c.box, messages), !c.reported) << c.value;
        EXPECT_EQ(messages.entries.size(), c.reported ? 1u : 0u) << c.value;
    }
}

}  // namespace
}  // namespace kavro::test
