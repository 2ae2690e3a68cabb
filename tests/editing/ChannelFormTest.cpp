#include <gtest/gtest.h>

#include "DatabaseBuilder.h"
#include "RecordingMessageSink.h"
#include "arabic/ReceiverName.h"
#include "editing/ChannelForm.h"
#include "messages/StringIds.h"

namespace kavro {
namespace {

using test::DatabaseBuilder;
using test::RecordingMessageSink;

const char* const kArabicName = "\xDE\xE4\xC7\xC9";

ChannelDatabase sample() {
    return DatabaseBuilder()
        .satellite("Astra")
        .transponder(11000)
        .channel("News")
        .channel("Sport")
        .transponder(11500)
        .channel("Music", ChannelRecord::Radio)
        .satellite("Empty")
        .group("FAV", {1})
        .build();
}

ChannelForm editForm(const ChannelDatabase& db, std::uint16_t sat, std::uint16_t tp,
                     std::uint16_t ch) {
    RecordingMessageSink messages;
    auto form = ChannelForm::open(db, ChannelRef{0, ch, tp, sat}, {}, messages);
    EXPECT_TRUE(form && form->mode == ChannelForm::Edit);
    return *form;
}

TEST(ChannelFormTest, EditOpensWithTheStoredValues) {
    ChannelDatabase db = sample();
    ChannelRecord& stored = db.satellites[0].transponders[0].channels[1];
    stored.setVideoPid(512);
    stored.setAudioLanguage("eng");
    stored.setEcmMask(0xFF0F);  // slots 5..8 selected
    stored.setAgeLimit(12);
    ChannelForm form = editForm(db, 0, 0, 1);
    EXPECT_EQ(form.title, "   Edit channal n\xB0: 02");
    EXPECT_EQ(form.name.text, "Sport");
    EXPECT_FALSE(form.placeEnabled());
    EXPECT_EQ(form.transponderItems,
              (std::vector<std::string>{"   1. 11000 H 27500", "   2. 11500 H 27500"}));
    EXPECT_EQ(form.transponder, 0);
    EXPECT_EQ(form.videoPidText, "512");
    EXPECT_EQ(form.audioLanguage, "eng");
    EXPECT_EQ(form.limitText, "12");
    for (int i = 0; i < 16; ++i) EXPECT_EQ(form.ecmSlots[i], i >= 4 && i < 8) << i;
}

TEST(ChannelFormTest, RenameSetsTheServiceIdUnlessOnlyTheCaseChanged) {
    for (auto [name, sid] :
         {std::pair{"Sport", 101}, std::pair{"SPORT", 101}, std::pair{"Sport 2", 0xFFFF}}) {
        ChannelDatabase db = sample();
        ChannelForm form = editForm(db, 0, 0, 1);
        form.name.text = name;
        RecordingMessageSink messages;
        ASSERT_TRUE(form.accept(db, messages)) << name;
        const ChannelRecord& ch = db.satellites[0].transponders[0].channels[1];
        EXPECT_EQ(decodeReceiverName(ch.name()), name);
        EXPECT_EQ(ch.serviceId(), sid) << name;
        EXPECT_EQ(ch.number, 1);
    }
}

TEST(ChannelFormTest, CryptedChannelAsksBeforeAnArabicRename) {
    ChannelDatabase db = sample();
    db.satellites[0].transponders[0].channels[0].setCrypted(true);
    {
        ChannelForm form = editForm(db, 0, 0, 0);
        form.name.text = kArabicName;
        form.serviceIdText = "77";
        RecordingMessageSink messages;
        messages.answer({MessageButton::Cancel});
        ASSERT_TRUE(form.accept(db, messages));
        ASSERT_EQ(messages.ids(), std::vector<int>{strings::CryptedRenameQuestion});
        EXPECT_EQ(messages.entries[0].style, MessageStyle::OkCancel);
        const ChannelRecord& ch = db.satellites[0].transponders[0].channels[0];
        EXPECT_EQ(decodeReceiverName(ch.name()), "News") << "Cancel keeps the stored name";
        EXPECT_EQ(ch.serviceId(), 77) << "and the SID as typed";
    }
    ChannelForm form = editForm(db, 0, 0, 0);
    form.name.text = kArabicName;
    RecordingMessageSink messages;
    messages.answer({MessageButton::Ok});
    ASSERT_TRUE(form.accept(db, messages));
    const ChannelRecord& ch = db.satellites[0].transponders[0].channels[0];
    EXPECT_EQ(ch.name()[0], kArabicNameMarker);
    EXPECT_EQ(ch.serviceId(), 0xFFFF);

    ChannelForm latin = editForm(db, 0, 0, 0);
    latin.name.text = "Other";
    RecordingMessageSink quiet;
    ASSERT_TRUE(latin.accept(db, quiet));
    EXPECT_TRUE(quiet.entries.empty()) << "only an Arabic name is questioned";
}

TEST(ChannelFormTest, EcmLanguageAndLimitMapping) {
    ChannelDatabase db = sample();
    db.satellites[0].transponders[0].channels[0].setEcmMask(0xFFFF);
    ChannelForm form = editForm(db, 0, 0, 0);
    for (bool slot : form.ecmSlots) EXPECT_FALSE(slot);
    form.audioLanguage = "english";
    RecordingMessageSink messages;
    ASSERT_TRUE(form.accept(db, messages));
    const ChannelRecord& ch = db.satellites[0].transponders[0].channels[0];
    EXPECT_EQ(ch.ecmMask(), 0xFFFF);
    EXPECT_EQ(ch.audioLanguage(), "eng");

    form = editForm(db, 0, 0, 0);
    form.limitText = "21";
    EXPECT_FALSE(form.accept(db, messages));
    ASSERT_EQ(messages.entries.size(), 1u);
    EXPECT_EQ(messages.entries[0].stringId, strings::EnterIntegerBetween);
    EXPECT_EQ(messages.entries[0].text, "Please enter an integer between 0 and 20.");
    form.limitText = "x";
    form.accept(db, messages);
    EXPECT_EQ(messages.entries.back().text, "Please enter an integer.");
    form.limitText = "20";
    form.pcrPidText = "65536";
    form.accept(db, messages);
    EXPECT_EQ(messages.entries.back().text, "Please enter an integer between 0 and 65535.");
    EXPECT_EQ(ch.ageLimit(), 0) << "nothing stored while a box is bad";
}

TEST(ChannelFormTest, EditKeepsReceiverBitsTheDialogDoesNotShow) {
    ChannelDatabase db = sample();
    ChannelRecord& stored = db.satellites[0].transponders[1].channels[0];
    stored.setChFlags(stored.chFlags() | 0x8000);
    stored.setChFlags2(stored.chFlags2() | 0x06);
    stored.bytes[3] = 0xA5;
    ChannelForm form = editForm(db, 0, 1, 0);
    form.locked = true;
    RecordingMessageSink messages;
    ASSERT_TRUE(form.accept(db, messages));
    EXPECT_TRUE(stored.chFlags() & 0x8000);
    EXPECT_EQ(stored.chFlags2() & 0x07, 0x07);
    EXPECT_EQ(stored.bytes[3], 0xA5);
    EXPECT_EQ(stored.serviceType(), ChannelRecord::Radio);
    EXPECT_EQ(stored.transponder(), 1);
}

TEST(ChannelFormTest, AddAppendsANewNumberedChannel) {
    ChannelDatabase db = sample();
    RecordingMessageSink messages;
    auto form = ChannelForm::open(db, std::nullopt, {0, 1}, messages);
    ASSERT_TRUE(form);
    EXPECT_EQ(form->mode, ChannelForm::Add);
    EXPECT_EQ(form->title, "   Add New channal n\xB0: 04");
    EXPECT_EQ(form->name.text, "New");
    EXPECT_EQ(form->name.limit, 15u);
    EXPECT_FALSE(form->originalEnabled());
    EXPECT_TRUE(form->placeEnabled());
    EXPECT_EQ(form->transponder, 1);
    EXPECT_EQ(form->xPidText, "8191");
    for (bool slot : form->ecmSlots) EXPECT_TRUE(slot);

    form->name.text = "Jazz";
    form->type = ChannelRecord::Radio;
    auto ref = form->accept(db, messages);
    ASSERT_TRUE(ref);
    const auto& list = db.satellites[0].transponders[1].channels;
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(ref->chIndex, 1);
    EXPECT_EQ(list[1].number, 3);
    EXPECT_EQ(list[1].ecmMask(), 0);
    EXPECT_EQ(list[1].serviceId(), 0xFFFF) << "a name other than \"New\"";
    EXPECT_EQ(list[1].serviceType(), ChannelRecord::Radio);
    EXPECT_EQ(db.channelCount(), 4);
    EXPECT_EQ(db.groups[0].refs.size(), 1u) << "a new channel belongs to no group";
}

TEST(ChannelFormTest, NewChannelNumbersNeverCollideAfterDeletions) {
    ChannelDatabase db = sample();
    db.satellites[0].transponders[0].channels.erase(
        db.satellites[0].transponders[0].channels.begin());
    db.setChannelCount(2);  // a deletion lowers the count, while "Music" still holds number 2
    RecordingMessageSink messages;
    auto form = ChannelForm::open(db, std::nullopt, {}, messages);
    ASSERT_TRUE(form);
    EXPECT_EQ(form->title, "   Add New channal n\xB0: 04");
    auto ref = form->accept(db, messages);
    ASSERT_TRUE(ref);
    EXPECT_EQ(ref->number, 3);
}

TEST(ChannelFormTest, PlacementFollowsTheSatelliteListOnly) {
    ChannelDatabase db = sample();
    // Stale satellite bits, as after a reorder before the next save.
    db.satellites[0].transponders[1].setSatellite(5);
    RecordingMessageSink messages;
    auto form = ChannelForm::open(db, std::nullopt, {0, 1}, messages);
    ASSERT_TRUE(form);
    EXPECT_EQ(form->transponderItems.size(), 2u);
    EXPECT_EQ(form->transponder, 1);

    form->chooseSatellite(1);  // a satellite without transponders
    EXPECT_TRUE(form->transponderItems.empty());
    EXPECT_FALSE(form->okEnabled()) << "nowhere to store the channel";
    EXPECT_FALSE(form->accept(db, messages));
    EXPECT_EQ(db.channelTotal(), 3u);
}

TEST(ChannelFormTest, ArabicCodedNameOpensRightToLeft) {
    ChannelDatabase db = sample();
    encodeReceiverName(kArabicName, db.satellites[0].transponders[0].channels[0].name());
    ChannelForm form = editForm(db, 0, 0, 0);
    EXPECT_TRUE(form.name.rightToLeft);
    EXPECT_EQ(form.name.limit, 14u);
    EXPECT_EQ(form.name.text, kArabicName);
}

TEST(ChannelFormTest, AddIsRefusedWhenTheChannelsAreAllTaken) {
    ChannelDatabase db = sample();
    db.satellites[0].transponders[0].channels.resize(3899);
    RecordingMessageSink messages;
    EXPECT_FALSE(ChannelForm::open(db, std::nullopt, {}, messages));
    ASSERT_EQ(messages.ids(), std::vector<int>{strings::TooManyChannels});
    EXPECT_EQ(messages.entries[0].text, "The receiver holds at most 3900 channels.");
}

}  // namespace
}  // namespace kavro
