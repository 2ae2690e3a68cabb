#include <gtest/gtest.h>

#include "DatabaseBuilder.h"
#include "RecordingMessageSink.h"
#include "arabic/ReceiverName.h"
#include "editing/SatelliteForm.h"
#include "messages/StringIds.h"

namespace kavro {
namespace {

using test::DatabaseBuilder;
using test::RecordingMessageSink;

SatelliteRecord named(const char* name) {
    SatelliteRecord sat;
    encodeReceiverName(name, sat.name());
    return sat;
}

TEST(SatelliteFormTest, WestPositionOpensAndStoresUnchanged) {
    ChannelDatabase db =
        DatabaseBuilder().satellite("A").satellite("B").satellite("Nile", 7.0, true).build();
    const SatelliteRecord stored = db.satellites[2];
    ASSERT_EQ(stored.position(), 65536 - 70);

    SatelliteForm form = SatelliteForm::forEdit(2, stored);
    EXPECT_EQ(form.title, "   Edit satellite n\xB0 : 03");
    EXPECT_EQ(form.positionText, "7.0");
    EXPECT_EQ(form.eastWest, 1);
    EXPECT_EQ(form.name.opening, "Nile");
    RecordingMessageSink messages;
    ASSERT_TRUE(form.accept(messages));
    EXPECT_EQ(form.record, stored);
}

TEST(SatelliteFormTest, PositionTextIsRoundedToTenths) {
    SatelliteForm form = SatelliteForm::forEdit(0, named("Astra"));
    RecordingMessageSink messages;
    auto storeAs = [&](const char* text, int eastWest) {
        form.positionText = text;
        form.eastWest = eastWest;
        EXPECT_TRUE(form.accept(messages)) << text;
        return form.record.position();
    };
    EXPECT_EQ(storeAs("1.9", 0), 19);
    EXPECT_EQ(SatelliteForm::forEdit(0, form.record).positionText, "1.9");
    EXPECT_EQ(storeAs("19.25", 0), 193);
    EXPECT_EQ(storeAs("45", 1), 0xFE3E);
    EXPECT_EQ(storeAs("  30.0E", 0), 300) << "the number at the start counts";
    EXPECT_EQ(storeAs("East", 0), 0) << "no number stores 0";
    EXPECT_EQ(storeAs("6553.7", 0), 1) << "kept to 16 bits";
    // Nothing sensible, but nothing undefined either.
    EXPECT_EQ(storeAs("1e400", 0), 0);
    storeAs("-1e300", 1);
    EXPECT_TRUE(messages.entries.empty());
}

TEST(SatelliteFormTest, LnbTypeSwitchSetsBothBoxes) {
    SatelliteForm form = SatelliteForm::forEdit(0, named("Astra"));
    form.chooseLnbType(0);
    EXPECT_EQ(form.lnbLowText, "0");
    EXPECT_EQ(form.lnbHighText, "5150");
    form.chooseLnbType(1);
    EXPECT_EQ(form.lnbLowText, "9750");
    EXPECT_EQ(form.lnbHighText, "10600");

    form.chooseLnbType(0);
    RecordingMessageSink messages;
    ASSERT_TRUE(form.accept(messages));
    EXPECT_FALSE(form.record.universalLnb());
    EXPECT_EQ(form.record.lnbLow(), 0);
    EXPECT_EQ(form.record.lnbHigh(), 5150);
}

TEST(SatelliteFormTest, AddOpensWithTheDialogDefaults) {
    DatabaseBuilder b;
    for (int i = 0; i < 5; ++i) b.satellite("S");
    ChannelDatabase db = b.build();
    RecordingMessageSink messages;
    auto form = SatelliteForm::forAdd(db, messages);
    ASSERT_TRUE(form);
    EXPECT_EQ(form->title, "   Add New satellite n\xB0 : 06");
    EXPECT_EQ(form->name.text, "New");
    EXPECT_FALSE(form->name.rightToLeft);
    EXPECT_EQ(form->name.limit, 19u);
    EXPECT_TRUE(form->power);
    EXPECT_EQ(form->positionText, "0.0");
    EXPECT_EQ(form->lnbType, 1);
    EXPECT_FALSE(form->originalEnabled()) << "the name is still the opening one";
    ASSERT_TRUE(form->accept(messages));
    EXPECT_EQ(form->record.lnbFlags(), 0x03) << "Universal and Power";
    EXPECT_EQ(decodeReceiverName(form->record.name()), "New");
}

TEST(SatelliteFormTest, NameBoxRules) {
    SatelliteRecord arabic;
    encodeReceiverName("\xDE\xE4\xC7\xC9", arabic.name());
    SatelliteForm form = SatelliteForm::forEdit(0, arabic);
    EXPECT_TRUE(form.name.rightToLeft);
    EXPECT_EQ(form.name.limit, 18u);

    SatelliteRecord latin;
    encodeReceiverName("Astra", latin.name());
    form = SatelliteForm::forEdit(0, latin);
    EXPECT_FALSE(form.name.rightToLeft);
    EXPECT_EQ(form.name.limit, 19u);
    EXPECT_TRUE(form.okEnabled());
    EXPECT_FALSE(form.originalEnabled());
    form.name.text = "astra";
    EXPECT_TRUE(form.originalEnabled()) << "case counts for Original";
    form.name.text.clear();
    EXPECT_FALSE(form.okEnabled());
    EXPECT_TRUE(form.originalEnabled());
    RecordingMessageSink messages;
    EXPECT_FALSE(form.accept(messages)) << "an empty name confirms nothing";
    form.restoreOriginal(messages);
    EXPECT_EQ(form.name.text, "Astra");
}

TEST(SatelliteFormTest, BadLnbBoxIsReportedAndNothingChanges) {
    SatelliteRecord stored = named("Astra");
    stored.bytes[26] = 0x5A;  // kept fields
    stored.bytes[28] |= 0x04;
    SatelliteForm form = SatelliteForm::forEdit(0, stored);
    form.lnbHighText = "70000";
    form.positionText = "10.0";
    RecordingMessageSink messages;
    EXPECT_FALSE(form.accept(messages));
    EXPECT_EQ(form.record, stored);
    ASSERT_EQ(messages.entries.size(), 1u);
    EXPECT_EQ(messages.entries[0].text, "Please enter an integer between 0 and 65535.");

    form.lnbHighText = "10600";
    form.lnbLowText = "-1";
    EXPECT_FALSE(form.accept(messages));
    EXPECT_EQ(messages.entries.back().text, "Please enter a positive integer.");

    form.lnbLowText = "9750";
    form.diseqc = SatelliteRecord::Port3;
    ASSERT_TRUE(form.accept(messages));
    EXPECT_EQ(form.record.bytes[26], 0x5A);
    EXPECT_TRUE(form.record.bytes[28] & 0x04) << "bit 2 of the LNB flags is kept";
    EXPECT_EQ(form.record.diseqcPort(), SatelliteRecord::Port3);
    EXPECT_EQ(form.record.position(), 100);
}

TEST(SatelliteFormTest, AddIsRefusedWhenTheSatellitesAreAllTaken) {
    ChannelDatabase db;
    db.satellites.resize(360);
    RecordingMessageSink messages;
    EXPECT_FALSE(SatelliteForm::forAdd(db, messages));
    ASSERT_EQ(messages.ids(), std::vector<int>{strings::TooManySatellites});
    EXPECT_EQ(messages.entries[0].text, "The receiver holds at most 360 satellites.");
}

}  // namespace
}  // namespace kavro
