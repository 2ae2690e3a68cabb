#include <gtest/gtest.h>

#include "DatabaseBuilder.h"
#include "RecordingMessageSink.h"
#include "editing/TransponderForm.h"
#include "messages/StringIds.h"

namespace kavro {
namespace {

using test::DatabaseBuilder;
using test::RecordingMessageSink;

ChannelDatabase twoSatellites() {
    return DatabaseBuilder()
        .satellite("Astra")
        .transponder(11000, TransponderRecord::PolAuto, 27500)
        .satellite("Hot")
        .transponder(12000, TransponderRecord::PolH, 30000)
        .build();
}

TEST(TransponderFormTest, AutoChangedToVerticalKeepsBit11) {
    ChannelDatabase db = twoSatellites();
    auto form = TransponderForm::forEdit(db, 0, 0);
    ASSERT_TRUE(form);
    EXPECT_EQ(form->polarisation, TransponderRecord::PolAuto);
    form->polarisation = TransponderRecord::PolV;
    RecordingMessageSink messages;
    ASSERT_TRUE(form->accept(messages));
    EXPECT_EQ(form->record.tpFlags() & 0xC00, 0x800);
    EXPECT_EQ(form->record.polarisation(), TransponderRecord::PolV);
}

TEST(TransponderFormTest, UnchangedEditStoresTheSameRecord) {
    ChannelDatabase db = twoSatellites();
    TransponderRecord& stored = db.satellites[1].transponders[0];
    stored.setTid(4294967295u);
    stored.setFec(TransponderRecord::Fec34);
    stored.setName('K', 'U');
    stored.bytes[2] = 0x77;  // kept
    auto form = TransponderForm::forEdit(db, 1, 0);
    ASSERT_TRUE(form);
    EXPECT_EQ(form->title, "   Edit TP n\xB0 : 01");
    EXPECT_EQ(form->satelliteItems, (std::vector<std::string>{"1. Astra", "2. Hot"}));
    EXPECT_EQ(form->satellite, 1);
    EXPECT_EQ(form->name, "KU");
    EXPECT_EQ(form->tidText, "4294967295");
    RecordingMessageSink messages;
    ASSERT_TRUE(form->accept(messages));
    EXPECT_EQ(form->record, stored);
}

TEST(TransponderFormTest, NameIsStoredAsTypedBytes) {
    ChannelDatabase db = twoSatellites();
    auto form = TransponderForm::forEdit(db, 0, 0);
    RecordingMessageSink messages;
    form->name = "A";
    ASSERT_TRUE(form->accept(messages));
    EXPECT_EQ(form->record.name(), (std::array<std::uint8_t, 2>{'A', 0}));
    form->name = "";
    ASSERT_TRUE(form->accept(messages));
    EXPECT_EQ(form->record.name(), (std::array<std::uint8_t, 2>{0, 0}));
    form->name = "\xC7\xE1";  // Arabic letters: no name coding here
    ASSERT_TRUE(form->accept(messages));
    EXPECT_EQ(form->record.name(), (std::array<std::uint8_t, 2>{0xC7, 0xE1}));
}

TEST(TransponderFormTest, BadBoxesAreRefusedWithTheirMessages) {
    struct Case {
        void (*edit)(TransponderForm&);
        const char* text;
    };
    const Case cases[] = {
        {[](TransponderForm& f) { f.frequencyText = "3800"; },
         "Please enter an integer between 10000 and 13000."},
        {[](TransponderForm& f) { f.symbolRateText = "0"; },
         "Please enter an integer between 1 and 65535."},
        {[](TransponderForm& f) { f.tidText = "12a"; }, "Please enter a positive integer."},
        {[](TransponderForm& f) { f.name = "ABC"; }, "Please enter no more than 2 characters."},
    };
    ChannelDatabase db = twoSatellites();
    for (const Case& c : cases) {
        auto form = TransponderForm::forEdit(db, 0, 0);
        const TransponderRecord before = form->record;
        c.edit(*form);
        RecordingMessageSink messages;
        EXPECT_FALSE(form->accept(messages));
        ASSERT_EQ(messages.entries.size(), 1u);
        EXPECT_EQ(messages.entries[0].text, c.text);
        EXPECT_EQ(form->record, before);
    }
}

TEST(TransponderFormTest, AddShowsTheNextNumberAndDefaults) {
    DatabaseBuilder b;
    b.satellite("A");
    for (int i = 0; i < 12; ++i) b.transponder(static_cast<std::uint16_t>(11000 + i));
    ChannelDatabase db = b.build();
    RecordingMessageSink messages;
    auto form = TransponderForm::forAdd(db, 7, messages);  // out of range: satellite 0
    ASSERT_TRUE(form);
    EXPECT_EQ(form->satellite, 0);
    EXPECT_EQ(form->title, "   Add New TP n\xB0 : 13");
    EXPECT_EQ(form->frequencyText, "10000");
    EXPECT_EQ(form->symbolRateText, "27500");
    EXPECT_EQ(form->polarisation, TransponderRecord::PolV);
    EXPECT_EQ(form->fec, TransponderRecord::FecAuto);
    ASSERT_TRUE(form->accept(messages));
    EXPECT_EQ(form->record.frequency(), 10000);
    EXPECT_EQ(form->record.index, TransponderRecord::kNoIndex);

    EXPECT_FALSE(TransponderForm::forAdd(ChannelDatabase(), 0, messages)) << "no satellites";
    EXPECT_FALSE(TransponderForm::forEdit(db, 0, 12)) << "no such transponder";
    EXPECT_TRUE(messages.entries.empty());
}

TEST(TransponderFormTest, AddIsRefusedWhenTheTranspondersAreAllTaken) {
    ChannelDatabase db = twoSatellites();
    db.satellites[0].transponders.resize(3999);
    RecordingMessageSink messages;
    EXPECT_FALSE(TransponderForm::forAdd(db, 0, messages));
    ASSERT_EQ(messages.ids(), std::vector<int>{strings::TooManyTransponders});
    EXPECT_EQ(messages.entries[0].text, "The receiver holds at most 4000 transponders.");
}

}  // namespace
}  // namespace kavro
