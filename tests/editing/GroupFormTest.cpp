#include <gtest/gtest.h>

#include "DatabaseBuilder.h"
#include "RecordingMessageSink.h"
#include "arabic/ReceiverName.h"
#include "editing/GroupForm.h"
#include "messages/StringIds.h"

namespace kavro {
namespace {

using test::DatabaseBuilder;
using test::RecordingMessageSink;

// Channel numbers: 0 A1(TV) 1 A2(RADIO) 2 A3(DATA) | 3 B1(TV) 4 B2(DATA) | 5 C1(TV) 6 C2(TV)
ChannelDatabase sample() {
    return DatabaseBuilder()
        .satellite("Sat 19.2E:Ku Band")
        .transponder(11000)
        .channel("A1")
        .channel("A2", ChannelRecord::Radio)
        .channel("A3", ChannelRecord::Data)
        .satellite("Hotbird")
        .transponder(12000)
        .channel("B1")
        .channel("B2", ChannelRecord::Data)
        .satellite("HOTBIRD")
        .transponder(12500)
        .channel("C1")
        .channel("C2")
        .group("TV")
        .group("All")
        .group("FAV", {6, 0, 5})
        .group("Hotbird", {3})
        .build();
}

std::vector<std::uint16_t> rowNumbers(const GroupForm& form) {
    std::vector<std::uint16_t> out;
    for (const auto& row : form.rows) out.push_back(row.channel.number);
    return out;
}

std::vector<std::uint16_t> memberNumbers(const GroupRecord& group) {
    std::vector<std::uint16_t> out;
    for (const auto& ref : group.refs) out.push_back(ref.number);
    return out;
}

TEST(GroupFormTest, MembersComeFirstCheckedInGroupOrder) {
    ChannelDatabase db = sample();
    db.groups[2].refs = {{6, 1, 0, 2}, {0, 0, 0, 0}, {1, 1, 0, 0}};
    db.groups[2].syncCount();
    // FAV is tied to its first member's satellite (2): only C2 and C1 are listed.
    auto form = GroupForm::forEdit(db, 2);
    ASSERT_TRUE(form);
    EXPECT_EQ(form->title, "   Edit group n\xB0 : 03");
    ASSERT_EQ(rowNumbers(*form), (std::vector<std::uint16_t>{6, 5}));
    EXPECT_TRUE(form->rows[0].checked);
    EXPECT_EQ(form->rows[0].orderText, "   1");
    EXPECT_FALSE(form->rows[1].checked);
    EXPECT_EQ(form->rows[1].order, 4) << "non-members follow the member count";
    EXPECT_EQ(form->rows[0].channelText, "   7. C2");
    EXPECT_EQ(form->rows[0].satelliteText, "  3. HOTBIRD");
    EXPECT_EQ(form->rows[0].transponderText, "12500 H 27500");
    EXPECT_EQ(form->rows[0].textColour, GroupForm::kCheckedText);

    // Unchecking C2 drops it; members the list does not show (A1, A2 of satellite 0) stay
    // where they were.
    form->setChecked(0, false);
    EXPECT_EQ(form->rows[0].textColour, GroupForm::kUncheckedText);
    RecordingMessageSink messages;
    auto group = form->accept(messages);
    ASSERT_TRUE(group);
    EXPECT_EQ(memberNumbers(*group), (std::vector<std::uint16_t>{0, 1}));
    EXPECT_EQ(group->count(), 2);
}

TEST(GroupFormTest, UncheckingAndCheckingKeepsGroupOrderThenDatabaseOrder) {
    ChannelDatabase db = sample();
    db.groups[1].refs = {{5, 0, 0, 2}, {0, 0, 0, 0}, {3, 0, 0, 1}};
    db.groups[1].syncCount();
    db.relinkGroups();
    auto form = GroupForm::forEdit(db, 1);  // "All": every channel
    ASSERT_TRUE(form);
    ASSERT_EQ(rowNumbers(*form), (std::vector<std::uint16_t>{5, 0, 3, 1, 2, 4, 6}));
    for (int i = 0; i < 3; ++i) EXPECT_TRUE(form->rows[i].checked);
    EXPECT_EQ(form->rows[3].orderText, "   4");

    form->setChecked(1, false);  // drop 0
    form->setChecked(6, true);   // add 6
    form->setChecked(4, true);   // add 2 (checked later, still before 6 in database order)
    RecordingMessageSink messages;
    auto group = form->accept(messages);
    ASSERT_TRUE(group);
    EXPECT_EQ(memberNumbers(*group), (std::vector<std::uint16_t>{5, 3, 2, 6}));
    EXPECT_EQ(group->refs[2], (ChannelRef{2, 2, 0, 0})) << "positions from the database";
}

TEST(GroupFormTest, CandidatesPerGroupKind) {
    ChannelDatabase db = sample();
    auto tv = GroupForm::forEdit(db, 0);
    EXPECT_EQ(rowNumbers(*tv), (std::vector<std::uint16_t>{0, 3, 5, 6}));
    auto all = GroupForm::forEdit(db, 1);
    EXPECT_EQ(all->rows.size(), 7u);
    // A satellite group: its first member's satellite (1) and every satellite whose name,
    // cut to ten characters, is the group name in any case (2); never DATA.
    auto hot = GroupForm::forEdit(db, 3);
    EXPECT_EQ(rowNumbers(*hot), (std::vector<std::uint16_t>{3, 5, 6}));
    // Rows alternate their background whenever the satellite changes.
    EXPECT_EQ(hot->rows[0].background, GroupForm::kFirstSatelliteBackground);
    EXPECT_EQ(hot->rows[1].background, GroupForm::kNextSatelliteBackground);
    EXPECT_EQ(hot->rows[2].background, GroupForm::kNextSatelliteBackground);
    EXPECT_EQ(hot->rows[0].typeText, "   1");
    EXPECT_EQ(hot->rows[0].icon, 1);
}

TEST(GroupFormTest, AddSuggestsTheSatelliteNameAndListsAllItsChannels) {
    ChannelDatabase db = sample();
    RecordingMessageSink messages;
    auto form = GroupForm::forAdd(db, messages);
    ASSERT_TRUE(form);
    EXPECT_EQ(form->title, "   Add new group n\xB0 : 05 ");
    EXPECT_TRUE(form->satelliteEnabled());
    EXPECT_EQ(form->name.opening, "New");
    EXPECT_EQ(form->name.text, "Sat 19.2E");
    EXPECT_TRUE(form->originalEnabled());
    EXPECT_EQ(rowNumbers(*form), (std::vector<std::uint16_t>{0, 1, 2})) << "DATA too";
    for (const auto& row : form->rows) EXPECT_FALSE(row.checked);

    form->setChecked(0, true);
    form->chooseSatellite(1);
    EXPECT_EQ(form->name.text, "Hotbird");
    EXPECT_EQ(rowNumbers(*form), (std::vector<std::uint16_t>{3, 4}));
    EXPECT_FALSE(form->rows[0].checked) << "check marks go with the old list";
    form->setChecked(1, true);
    auto group = form->accept(messages);
    ASSERT_TRUE(group);
    EXPECT_EQ(decodeReceiverName(group->name()), "Hotbird");
    EXPECT_EQ(memberNumbers(*group), (std::vector<std::uint16_t>{4}));
    EXPECT_EQ(group->refs[0], (ChannelRef{4, 1, 0, 1}));

    EXPECT_EQ(suggestedGroupName("Astra     19.2E"), "Astra") << "trailing blanks go";
    EXPECT_EQ(suggestedGroupName("Nile:101"), "Nile");
}

TEST(GroupFormTest, NameRulesAndEmptyName) {
    ChannelDatabase db = sample();
    encodeReceiverName("\xDE\xE4\xC7\xC9", db.groups[2].name());
    auto form = GroupForm::forEdit(db, 2);
    EXPECT_TRUE(form->name.rightToLeft);
    EXPECT_EQ(form->name.limit, 8u);
    form->name.text.clear();
    EXPECT_FALSE(form->okEnabled());
    EXPECT_FALSE(form->listEnabled());
    RecordingMessageSink messages;
    EXPECT_FALSE(form->accept(messages));
    form->restoreOriginal();
    EXPECT_TRUE(form->okEnabled());
    EXPECT_FALSE(form->originalEnabled());
}

TEST(GroupFormTest, CapacityRefusals) {
    ChannelDatabase db = sample();
    db.groups.resize(25);
    RecordingMessageSink messages;
    EXPECT_FALSE(GroupForm::forAdd(db, messages));
    EXPECT_EQ(messages.ids(), std::vector<int>{strings::TooManyGroups});

    DatabaseBuilder big;
    for (int i = 0; i < 3901; ++i) big.channel("X");
    ChannelDatabase full = big.group("ALL").build();
    auto form = GroupForm::forEdit(full, 0);
    for (std::size_t r = 0; r < form->rows.size(); ++r) form->setChecked(r, true);
    EXPECT_FALSE(form->accept(messages));
    EXPECT_EQ(messages.ids().back(), strings::TooManyGroupMembers);
    EXPECT_EQ(messages.entries.back().text, "A group holds at most 3900 channels.");
}

TEST(GroupFormTest, ChannelListedTwiceKeepsBothPlaces) {
    ChannelDatabase db = sample();
    db.groups[1].refs = {{3, 0, 0, 1}, {5, 0, 0, 2}, {3, 0, 0, 1}};
    db.groups[1].syncCount();
    auto form = GroupForm::forEdit(db, 1);
    RecordingMessageSink messages;
    auto group = form->accept(messages);
    ASSERT_TRUE(group);
    EXPECT_EQ(memberNumbers(*group), (std::vector<std::uint16_t>{3, 5, 3}));
}

}  // namespace
}  // namespace kavro
