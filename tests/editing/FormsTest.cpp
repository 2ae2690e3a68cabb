#include <gtest/gtest.h>

#include "DatabaseBuilder.h"
#include "RecordingMessageSink.h"
#include "arabic/ReceiverName.h"
#include "database/ChannelOperations.h"
#include "editing/ChannelForm.h"
#include "editing/GroupForm.h"
#include "editing/SatelliteForm.h"
#include "editing/TransponderForm.h"
#include "messages/StringIds.h"

namespace kavro {
namespace {

using Numbers = std::vector<std::uint16_t>;
const char* const kArabicName = "\xDE\xE4\xC7\xC9";

class ChannelFormTest : public ::testing::Test {
protected:
    // OK, then the result stored the way the window's commands store it.
    bool accepted(const ChannelForm& form) {
        auto result = form.accept(messages);
        if (!result) return false;
        const ChannelPlace& at = result->place;
        if (result->mode == ChannelForm::Add)
            return addChannel(db, at.satIndex, at.tpIndex, result->record, messages).has_value();
        return replaceChannel(db, result->place, result->record);
    }
    ChannelRecord& stored(int tp, int ch) { return db.satellites[0].transponders[tp].channels[ch]; }
    ChannelForm edit(int ch) {
        auto form = ChannelForm::open(db, ChannelRef{0, std::uint16_t(ch), 0, 0}, {}, messages);
        EXPECT_TRUE(form && form->mode == ChannelForm::Edit);
        return form.value();
    }
    static ChannelDatabase sample() {
        test::DatabaseBuilder b;
        b.satellite("Astra").transponder(11000).channel("News").channel("Sport");
        b.transponder(11500).channel("Music", ChannelRecord::Radio);
        return b.satellite("Empty").group("FAV", {1}).build();
    }

    ChannelDatabase db = sample();
    test::RecordingMessageSink messages;
};

TEST_F(ChannelFormTest, RenameSetsTheServiceIdUnlessOnlyTheCaseChanged) {
    for (auto [name, sid] : {std::pair{"Sport", 101}, {"SPORT", 101}, {"Sport 2", 0xFFFF}}) {
        stored(0, 1).setServiceId(101);
        ChannelForm form = edit(1);
        form.name.text = name;
        ASSERT_TRUE(accepted(form)) << name;
        EXPECT_EQ(decodeReceiverName(stored(0, 1).name()), name);
        EXPECT_EQ(stored(0, 1).serviceId(), sid) << name;
    }
}

TEST_F(ChannelFormTest, CryptedChannelAsksBeforeAnArabicRename) {
    stored(0, 0).setCrypted(true);
    messages.answer({MessageButton::Cancel, MessageButton::Ok});
    const std::tuple<const char*, const char*, int> steps[] = {
        {kArabicName, "News", 77},           // Cancel keeps the stored name, the SID as typed
        {kArabicName, kArabicName, 0xFFFF},  // Ok
        {"Other", "Other", 0xFFFF},          // not questioned
    };
    for (const auto& [name, storedName, sid] : steps) {
        ChannelForm form = edit(0);
        form.name.text = name;
        form.serviceIdText = "77";
        ASSERT_TRUE(accepted(form));
        EXPECT_EQ(decodeReceiverName(stored(0, 0).name()), storedName);
        EXPECT_EQ(stored(0, 0).serviceId(), sid);
    }
    EXPECT_EQ(messages.ids(), std::vector<int>(2, strings::CryptedRenameQuestion));
    EXPECT_EQ(messages.entries[0].style, MessageStyle::OkCancel);
}

TEST_F(ChannelFormTest, EcmLanguageLimitAndBitsTheDialogDoesNotShow) {
    ChannelRecord& ch = stored(0, 0);
    ch.setEcmMask(0xFF0F);  // slots 5..8 selected
    EXPECT_EQ(edit(0).ecmSlots, (std::array<bool, 16>{0, 0, 0, 0, 1, 1, 1, 1}));
    ch.setEcmMask(0xFFFF);
    ch.setChFlags(ch.chFlags() | 0x8000);
    ch.setChFlags2(ch.chFlags2() | 0x06);
    ch.bytes[3] = 0xA5;
    ChannelForm form = edit(0);
    form.audioLanguage = "english";
    form.locked = true;
    ASSERT_TRUE(accepted(form));
    EXPECT_EQ(ch.ecmMask(), 0xFFFF);
    EXPECT_EQ(ch.audioLanguage(), "eng");
    EXPECT_EQ(ch.chFlags() & 0x8000, 0x8000);
    EXPECT_EQ(ch.chFlags2() & 0x07, 0x07);
    EXPECT_EQ(ch.bytes[3], 0xA5);

    form = edit(0);
    form.limitText = "21";
    EXPECT_FALSE(accepted(form));
    ASSERT_EQ(messages.ids(), std::vector<int>{strings::EnterIntegerBetween});
    EXPECT_EQ(messages.entries[0].text, "Please enter an integer between 0 and 20.");
    EXPECT_EQ(ch.ageLimit(), 0) << "nothing stored while a box is bad";
}

TEST_F(ChannelFormTest, AddTakesANumberNoChannelHoldsAndJoinsNoGroup) {
    // A deletion lowers the count while "Music" still holds number 2.
    db.satellites[0].transponders[0].channels.erase(
        db.satellites[0].transponders[0].channels.begin());
    db.setChannelCount(2);
    auto form = ChannelForm::open(db, std::nullopt, {0, 1}, messages);
    ASSERT_TRUE(form);
    EXPECT_EQ(form->title, "   Add New channal n\xB0: 04");
    form->name.text = "Jazz";
    ASSERT_TRUE(accepted(*form));
    const ChannelRecord& added = db.satellites[0].transponders[1].channels.at(1);
    EXPECT_EQ(added.number, 3);
    EXPECT_EQ(added.serviceId(), 0xFFFF) << "a name other than \"New\"";
    EXPECT_EQ(db.groups[0].refs.size(), 1u);

    form = ChannelForm::open(db, std::nullopt, {0, 1}, messages);
    form->chooseSatellite(1);  // a satellite without transponders
    EXPECT_FALSE(form->okEnabled() || accepted(*form));
    EXPECT_EQ(db.channelTotal(), 3u);
    db.satellites[0].transponders[0].channels.resize(3899);
    EXPECT_FALSE(ChannelForm::open(db, std::nullopt, {}, messages));
    ASSERT_EQ(messages.ids(), std::vector<int>{strings::TooManyChannels});
    EXPECT_EQ(messages.entries[0].text, "The receiver holds at most 3900 channels.");
}

// Channel numbers: 0 A1(TV) 1 A2(RADIO) 2 A3(DATA) | 3 B1(TV) 4 B2(DATA) | 5 C1(TV) 6 C2(TV)
ChannelDatabase groupSample() {
    test::DatabaseBuilder b;
    b.satellite("Sat 19.2E:Ku Band").transponder(11000).channel("A1");
    b.channel("A2", ChannelRecord::Radio).channel("A3", ChannelRecord::Data);
    b.satellite("Hotbird").transponder(12000).channel("B1").channel("B2", ChannelRecord::Data);
    b.satellite("HOTBIRD").transponder(12500).channel("C1").channel("C2");
    return b.group("TV").group("All").group("FAV").group("Hotbird", {3}).build();
}

Numbers rowNumbers(const std::optional<GroupForm>& form) {
    Numbers out;
    for (const auto& row : form.value().rows) out.push_back(row.channel.number);
    return out;
}

Numbers memberNumbers(const std::optional<GroupRecord>& group) {
    Numbers out;
    for (const auto& ref : group.value().refs) out.push_back(ref.number);
    return out;
}

TEST(GroupFormTest, CandidatesPerGroupKindAndMemberOrder) {
    ChannelDatabase db = groupSample();
    EXPECT_EQ(rowNumbers(GroupForm::forEdit(db, 0)), (Numbers{0, 3, 5, 6}));  // TV
    EXPECT_EQ(rowNumbers(GroupForm::forEdit(db, 1)), (Numbers{0, 1, 2, 3, 4, 5, 6}));
    // A satellite group: its first member's satellite (1) and every satellite whose name, cut
    // to ten characters, is the group name in any case (2); never DATA.
    EXPECT_EQ(rowNumbers(GroupForm::forEdit(db, 3)), (Numbers{3, 5, 6}));
    // A favourites group is tied to its first member's satellite (2); members first.
    db.groups[2].refs = {{6, 1, 0, 2}, {0, 0, 0, 0}, {1, 1, 0, 0}};
    db.groups[2].syncCount();
    auto fav = GroupForm::forEdit(db, 2);
    ASSERT_EQ(rowNumbers(fav), (Numbers{6, 5}));
    EXPECT_TRUE(fav->rows[0].checked);
    EXPECT_EQ(fav->rows[1].order, 4) << "non-members follow the member count";
    // Unchecking C2 drops it; members the list does not show stay where they were.
    fav->setChecked(0, false);
    test::RecordingMessageSink messages;
    EXPECT_EQ(memberNumbers(fav->accept(messages)), (Numbers{0, 1}));

    // Checking keeps the group's order, then the database's; a repeated member stays.
    db.groups[1].refs = {{5, 0, 0, 2}, {0, 0, 0, 0}, {3, 0, 0, 1}, {5, 0, 0, 2}};
    db.groups[1].syncCount();
    db.relinkGroups();
    auto form = GroupForm::forEdit(db, 1);
    ASSERT_EQ(rowNumbers(form), (Numbers{5, 0, 3, 1, 2, 4, 6})) << "members first, once";
    form->setChecked(1, false);  // drop 0
    form->setChecked(6, true);   // add 6
    form->setChecked(4, true);   // add 2: checked later, still before 6 in database order
    auto group = form->accept(messages);
    EXPECT_EQ(memberNumbers(group), (Numbers{5, 3, 5, 2, 6}));
    EXPECT_EQ(group->refs[3], (ChannelRef{2, 2, 0, 0})) << "positions from the database";
    EXPECT_EQ(group->count(), 5);
}

TEST(GroupFormTest, AddSuggestsTheSatelliteNameAndListsAllItsChannels) {
    ChannelDatabase db = groupSample();
    test::RecordingMessageSink messages;
    auto form = GroupForm::forAdd(db, messages);
    ASSERT_TRUE(form);
    EXPECT_EQ(form->name.text, "Sat 19.2E");
    EXPECT_EQ(rowNumbers(form), (Numbers{0, 1, 2})) << "DATA too";
    form->setChecked(0, true);
    form->chooseSatellite(1);
    EXPECT_EQ(form->name.text, "Hotbird");
    EXPECT_EQ(rowNumbers(form), (Numbers{3, 4}));
    form->setChecked(1, true);
    auto group = form->accept(messages);
    ASSERT_TRUE(group);
    EXPECT_EQ(decodeReceiverName(group->name()), "Hotbird");
    EXPECT_EQ(group->refs, (std::vector<ChannelRef>{{4, 1, 0, 1}})) << "only the shown list";
    EXPECT_EQ(suggestedGroupName("Astra     19.2E"), "Astra") << "trailing blanks go";
    form->name.text.clear();
    EXPECT_FALSE(form->okEnabled() || form->accept(messages));

    db.groups.resize(25);
    EXPECT_FALSE(GroupForm::forAdd(db, messages));
    EXPECT_EQ(messages.ids(), std::vector<int>{strings::TooManyGroups});
    test::DatabaseBuilder big;
    for (int i = 0; i < 3901; ++i) big.channel("X");
    ChannelDatabase full = big.group("ALL").build();
    form = GroupForm::forEdit(full, 0);
    for (std::size_t r = 0; r < form->rows.size(); ++r) form->setChecked(r, true);
    EXPECT_FALSE(form->accept(messages));
    EXPECT_EQ(messages.ids().back(), strings::TooManyGroupMembers);
    EXPECT_EQ(messages.entries.back().text, "A group holds at most 3900 channels.");
}

SatelliteRecord named(const char* name) {
    SatelliteRecord sat;
    encodeReceiverName(name, sat.name());
    return sat;
}

TEST(SatelliteFormTest, PositionIsShownAndStoredInTenths) {
    const SatelliteRecord west =
        test::DatabaseBuilder().satellite("Nile", 7.0, true).build().satellites[0];
    SatelliteForm form = SatelliteForm::forEdit(0, west);
    EXPECT_EQ(form.positionText, "7.0");
    EXPECT_EQ(form.eastWest, 1);
    test::RecordingMessageSink messages;
    ASSERT_TRUE(form.accept(messages));
    EXPECT_EQ(form.record, west) << "unchanged";
    const std::tuple<const char*, int, int> cases[] = {
        {"19.25", 0, 193},   {"45", 1, 0xFE3E},
        {"  30.0E", 0, 300},                     // the number at the start counts
        {"East", 0, 0},                          // no number stores 0
        {"6553.7", 0, 1},                        // kept to 16 bits
        {"1e400", 0, 0},     {"-1e300", 1, -1},  // nothing sensible, nor undefined (-1: any)
        {"1.9", 0, 19},                          // reopens as "1.9"
    };
    for (const auto& [text, eastWest, position] : cases) {
        form.positionText = text;
        form.eastWest = eastWest;
        EXPECT_TRUE(form.accept(messages)) << text;
        EXPECT_TRUE(position < 0 || form.record.position() == position) << text;
    }
    EXPECT_EQ(SatelliteForm::forEdit(0, form.record).positionText, "1.9");
}

TEST(SatelliteFormTest, LnbTypeSwitchBadLnbBoxesKeptBitsAndAdd) {
    SatelliteRecord stored = named("Astra");
    stored.bytes[26] = 0x5A;
    stored.bytes[28] |= 0x04;
    SatelliteForm form = SatelliteForm::forEdit(0, stored);
    form.chooseLnbType(1);
    EXPECT_EQ(form.lnbLowText + " " + form.lnbHighText, "9750 10600");
    form.chooseLnbType(0);
    EXPECT_EQ(form.lnbLowText + " " + form.lnbHighText, "0 5150");
    test::RecordingMessageSink messages;
    form.lnbLowText = "-1";
    EXPECT_FALSE(form.accept(messages));
    EXPECT_EQ(form.record, stored);
    EXPECT_EQ(messages.entries[0].text, "Please enter a positive integer.");
    form.lnbLowText = "0";
    ASSERT_TRUE(form.accept(messages));
    EXPECT_FALSE(form.record.universalLnb());
    EXPECT_EQ(form.record.lnbHigh(), 5150);
    EXPECT_EQ(form.record.bytes[26], 0x5A);
    EXPECT_TRUE(form.record.bytes[28] & 0x04) << "bit 2 of the LNB flags is kept";

    // Add: "New" on a Universal LNB with power, the next number; refused at 360.
    ChannelDatabase db;
    db.satellites.resize(5);
    db.setSatCount(5);
    auto added = SatelliteForm::forAdd(db, messages);
    ASSERT_TRUE(added);
    EXPECT_EQ(added->title, "   Add New satellite n\xB0 : 06");
    ASSERT_TRUE(added->accept(messages));
    EXPECT_EQ(decodeReceiverName(added->record.name()), "New");
    EXPECT_EQ(added->record.lnbFlags(), 0x03);
    db.satellites.resize(360);
    EXPECT_FALSE(SatelliteForm::forAdd(db, messages));
    EXPECT_EQ(messages.ids().back(), strings::TooManySatellites);
    EXPECT_EQ(messages.entries.back().text, "The receiver holds at most 360 satellites.");
}

TEST(FormListTest, CodesMatchingNoListItemSurviveAnUnchangedEdit) {
    test::RecordingMessageSink messages;
    SatelliteRecord sat = named("Astra");
    sat.setPositioner(5);
    SatelliteForm satForm = SatelliteForm::forEdit(0, sat);
    ASSERT_TRUE(satForm.positioner == -1 && satForm.accept(messages));
    EXPECT_EQ(satForm.record.positioner(), 5);

    ChannelDatabase db;
    db.satellites.push_back(sat);
    TransponderRecord& tp = db.satellites[0].transponders.emplace_back();
    tp.setFrequency(11000);
    tp.setSymbolRate(27500);
    tp.setFec(9);
    auto tpForm = TransponderForm::forEdit(db, 0, 0);
    ASSERT_TRUE(tpForm && tpForm->fec == -1 && tpForm->accept(messages));
    EXPECT_EQ(tpForm->record.fec(), 9);
}

ChannelDatabase twoSatellites() {
    test::DatabaseBuilder b;
    b.satellite("Astra").transponder(11000, TransponderRecord::PolAuto, 27500);
    return b.satellite("Hot").transponder(12000, TransponderRecord::PolH, 30000).build();
}

TEST(TransponderFormTest, UnchangedEditAutoToVerticalAndNameBytes) {
    ChannelDatabase db = twoSatellites();
    TransponderRecord& stored = db.satellites[1].transponders[0];
    stored.setTid(4294967295u);
    stored.setFec(TransponderRecord::Fec34);
    stored.setName('K', 'U');
    stored.bytes[2] = 0x77;
    auto form = TransponderForm::forEdit(db, 1, 0);
    test::RecordingMessageSink messages;
    ASSERT_TRUE(form && form->accept(messages));
    EXPECT_EQ(form->record, stored);

    form = TransponderForm::forEdit(db, 0, 0);
    form->polarisation = TransponderRecord::PolV;
    ASSERT_TRUE(form->accept(messages));
    EXPECT_EQ(form->record.tpFlags() & 0xC00, 0x800);
    // The name is stored as typed bytes, Arabic letters included: no name coding here.
    form->name = "\xC7";
    ASSERT_TRUE(form->accept(messages));
    EXPECT_EQ(form->record.name(), (std::array<std::uint8_t, 2>{0xC7, 0}));

    // Add: defaults, bad boxes and capacity.
    form = TransponderForm::forAdd(db, 7, messages);  // out of range: satellite 0
    ASSERT_TRUE(form && form->satellite == 0);
    ASSERT_TRUE(form->accept(messages));
    EXPECT_EQ(form->record.frequency(), 10000);
    EXPECT_EQ(form->record.index, TransponderRecord::kNoIndex);
    EXPECT_FALSE(TransponderForm::forAdd(ChannelDatabase(), 0, messages)) << "no satellites";
    EXPECT_TRUE(messages.entries.empty());
    form->frequencyText = "3800";
    EXPECT_FALSE(form->accept(messages));
    EXPECT_EQ(form->record.frequency(), 10000);
    EXPECT_EQ(messages.entries[0].text, "Please enter an integer between 10000 and 13000.");
    db.satellites[0].transponders.resize(3999);
    EXPECT_FALSE(TransponderForm::forAdd(db, 0, messages));
    EXPECT_EQ(messages.ids().back(), strings::TooManyTransponders);
    EXPECT_EQ(messages.entries.back().text, "The receiver holds at most 4000 transponders.");
}

// A name behind the Latin marker shows folded ("\xC7" as "C"): OK on the unchanged text must
// not write the folded text back and drop the marker.
TEST(FormNameTest, AnUnchangedNameKeepsItsStoredBytes) {
    const std::string stored = "\x05TRT \xC7ocuk";
    auto setStored = [&](NameField field) {
        std::fill(field.begin(), field.end(), std::uint8_t{0});
        std::copy(stored.begin(), stored.end(), field.begin());
    };
    test::RecordingMessageSink messages;

    SatelliteRecord sat;
    setStored(sat.name());
    SatelliteForm satForm = SatelliteForm::forEdit(0, sat);
    EXPECT_EQ(satForm.name.text, "TRT Cocuk");
    ASSERT_TRUE(satForm.accept(messages));
    EXPECT_EQ(satForm.record, sat);
    satForm.name.text = "TRT Cocuk 2";  // a real rename is encoded
    ASSERT_TRUE(satForm.accept(messages));
    EXPECT_EQ(decodeReceiverName(satForm.record.name()), "TRT Cocuk 2");
    EXPECT_NE(satForm.record.name()[0], kLatinNameMarker);

    ChannelDatabase db = test::DatabaseBuilder().satellite("A").channel("x").group("FAV").build();
    ChannelRecord& ch = db.satellites[0].transponders[0].channels[0];
    setStored(ch.name());
    ch.setServiceId(300);
    auto chForm = ChannelForm::open(db, ChannelRef{0, 0, 0, 0}, {}, messages);
    ASSERT_TRUE(chForm);
    auto result = chForm->accept(messages);
    ASSERT_TRUE(result);
    EXPECT_EQ(result->record, ch);
    chForm->name.text = "TRT";
    result = chForm->accept(messages);
    ASSERT_TRUE(result);
    EXPECT_EQ(decodeReceiverName(result->record.name()), "TRT");

    setStored(db.groups[0].name());
    auto groupForm = GroupForm::forEdit(db, 0);
    ASSERT_TRUE(groupForm);
    auto group = groupForm->accept(messages);
    ASSERT_TRUE(group);
    EXPECT_EQ(group->header, db.groups[0].header);
    groupForm->name.text = "Kids";
    EXPECT_EQ(decodeReceiverName(groupForm->accept(messages)->name()), "Kids");
    EXPECT_TRUE(messages.entries.empty());
}

}  // namespace
}  // namespace kavro
