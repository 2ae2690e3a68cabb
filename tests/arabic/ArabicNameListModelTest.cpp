#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "RecordingMessageSink.h"
#include "arabic/ArabicNameListModel.h"
#include "messages/StringIds.h"

namespace kavro {
namespace {

class ArabicNameListDialogRules : public ::testing::Test {
protected:
    void open(std::initializer_list<std::string> entries) { model.reset(ArabicNameList(entries)); }

    std::vector<std::string> numbers() const {
        std::vector<std::string> out;
        for (const auto& row : model.rows())
            out.push_back(ArabicNameListModel::numberText(row.number));
        return out;
    }

    test::RecordingMessageSink messages;
    ArabicNameListModel model{messages};
};

TEST_F(ArabicNameListDialogRules, AddingAKnownLatinNameAsksAboutItsRowIgnoringCase) {
    open({"MBC|m|", "NTV|n|", "ART|a|", "BBC|b|", "LBC|l|"});

    messages.answer({MessageButton::No});
    EXPECT_FALSE(model.add("bbc", "\xC8\xC8\xD3"));
    ASSERT_EQ(messages.entries.size(), 1u);
    EXPECT_EQ(messages.entries[0].stringId, strings::LatinNameExists);
    EXPECT_EQ(messages.entries[0].style, MessageStyle::YesNo);
    EXPECT_EQ(messages.entries[0].text,
              "This channel name already exist at the position 4.\n\nAre sure to change it?");
    EXPECT_EQ(model.selection(), 3u);
    EXPECT_EQ(model.list(), ArabicNameList({"MBC|m|", "NTV|n|", "ART|a|", "BBC|b|", "LBC|l|"}));

    messages.answer({MessageButton::Yes});
    EXPECT_TRUE(model.add("bbc", "\xC8\xC8\xD3"));
    EXPECT_EQ(model.list(),
              ArabicNameList({"MBC|m|", "NTV|n|", "ART|a|", "bbc|\xC8\xC8\xD3|", "LBC|l|"}));
    EXPECT_EQ(model.rows().size(), 5u);
}

TEST_F(ArabicNameListDialogRules, AddAndEditNeedBothFields) {
    open({"MBC|m|"});
    model.select(0);
    EXPECT_FALSE(model.add("", "x"));
    EXPECT_FALSE(model.add("NEW", ""));
    EXPECT_FALSE(model.edit("", "x"));
    EXPECT_FALSE(model.edit("NEW", ""));
    EXPECT_EQ(model.list(), ArabicNameList({"MBC|m|"}));
    EXPECT_TRUE(messages.entries.empty());
}

TEST_F(ArabicNameListDialogRules, DeleteKeepsNumbersUntilReopenedAndSelectsTheNextRow) {
    open({"A|1|", "B|2|", "C|3|", "D|4|", "E|5|"});
    model.select(1);
    EXPECT_TRUE(model.remove());
    EXPECT_EQ(numbers(), std::vector<std::string>({"0001", "0003", "0004", "0005"}));
    EXPECT_EQ(model.selection(), 1u);  // the row that was third

    EXPECT_TRUE(model.add("F", "6"));
    EXPECT_EQ(numbers(), std::vector<std::string>({"0001", "0003", "0004", "0005", "0005"}));
    EXPECT_EQ(model.selection(), 4u);

    // The last row deleted: the new last row is selected.
    EXPECT_TRUE(model.remove());
    EXPECT_EQ(model.selection(), 3u);
    model.select(std::nullopt);
    EXPECT_FALSE(model.remove());
    EXPECT_EQ(model.rows().size(), 4u);

    // Reopening from what OK would save numbers the rows afresh.
    model.reset(model.list());
    EXPECT_EQ(numbers(), std::vector<std::string>({"0001", "0002", "0003", "0004"}));

    open({"ONLY|1|"});
    model.select(0);
    EXPECT_TRUE(model.remove());
    EXPECT_EQ(model.selection(), std::nullopt);
}

TEST_F(ArabicNameListDialogRules, EditChangesTheSelectedRowOrAppendsWithoutAsking) {
    open({"MBC|m|", "NTV|n|"});
    model.select(1);
    EXPECT_TRUE(model.edit("MBC", "x"));  // a duplicate Latin name, but Edit does not check
    EXPECT_TRUE(messages.entries.empty());
    EXPECT_EQ(model.list(), ArabicNameList({"MBC|m|", "MBC|x|"}));

    model.select(std::nullopt);
    EXPECT_TRUE(model.edit("ART", "a"));
    EXPECT_EQ(model.list(), ArabicNameList({"MBC|m|", "MBC|x|", "ART|a|"}));
    EXPECT_EQ(model.selection(), 2u);
    EXPECT_EQ(model.rows()[2].number, 3);
}

TEST_F(ArabicNameListDialogRules, DoubleClickTextsAreCutToTheFieldLimits) {
    open({"ABCDEFGHIJKLMNOPQRST|12345678901234567890|", "NO BAR"});
    EXPECT_EQ(model.editTexts(0).latinName, "ABCDEFGHIJKLMNO");
    EXPECT_EQ(model.editTexts(0).arabicName, "12345678901234");
    EXPECT_EQ(model.editTexts(1).latinName, "NO BAR");
    EXPECT_EQ(model.editTexts(1).arabicName, "");
    EXPECT_EQ(model.editTexts(7).latinName, "");
    // OK writes every row in the stored form, the one without a bar included.
    EXPECT_EQ(model.list()[1], "NO BAR||");
}

}  // namespace
}  // namespace kavro
