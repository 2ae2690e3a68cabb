#include <gtest/gtest.h>

#include "DatabaseBuilder.h"
#include "RecordingMessageSink.h"
#include "arabic/ReceiverName.h"
#include "arabic/Windows1256.h"
#include "editing/ChannelFinder.h"
#include "messages/StringIds.h"

namespace kavro::test {
namespace {

// S0: tp0 {Alpha News, Sport One}, tp1 {News 24, Music, NEWSROOM}
// S1: tp0 {Kids}
// S2: (no transponders)
// S3: tp0 {Movies}, tp1 {news extra}
// S4: tp0 {Weather news}
ChannelDatabase fiveSatellites() {
    return DatabaseBuilder()
        .satellite("S0")
        .transponder(11000)
        .channel("Alpha News")
        .channel("Sport One")
        .transponder(11100)
        .channel("News 24")
        .channel("Music")
        .channel("NEWSROOM")
        .satellite("S1")
        .transponder(12000)
        .channel("Kids")
        .satellite("S2")
        .satellite("S3")
        .transponder(10700)
        .channel("Movies")
        .transponder(10800)
        .channel("news extra")
        .satellite("S4")
        .transponder(12500)
        .channel("Weather news")
        .build();
}

constexpr std::uint16_t All = SearchPosition::kAll;

TEST(FindSearch, MatchesAnywhereInTheNameWhateverTheCase) {
    ChannelDatabase db = fiveSatellites();
    EXPECT_EQ(findChannelByName(db, "port o", {All, All}), (ChannelHit{0, 0, 1}));
    EXPECT_EQ(findChannelByName(db, "MOVIES", {All, All}), (ChannelHit{3, 0, 0}));
    EXPECT_FALSE(findChannelByName(db, "Radio", {All, All}));
    EXPECT_EQ(findAllChannelsByName(db, "news").size(), 5u);
}

TEST(FindSearch, ContinuesWithTheNextTransponderAndNeverWrapsAround) {
    ChannelDatabase db = fiveSatellites();
    // "All Satellites" / "All Transponders" starts with the very first channel.
    auto hit = findChannelByName(db, "news", {All, All});
    ASSERT_EQ(hit, (ChannelHit{0, 0, 0}));
    // From the hit's transponder: two matches on tp1, only the first is reached.
    hit = findChannelByName(db, "news", {hit->satIndex, hit->tpIndex});
    ASSERT_EQ(hit, (ChannelHit{0, 1, 0}));
    hit = findChannelByName(db, "news", {hit->satIndex, hit->tpIndex});
    ASSERT_EQ(hit, (ChannelHit{3, 1, 0}));  // past S1 and the empty S2
    hit = findChannelByName(db, "news", {hit->satIndex, hit->tpIndex});
    ASSERT_EQ(hit, (ChannelHit{4, 0, 0}));
    // On the last transponder of the last satellite: nothing, though earlier ones match.
    EXPECT_FALSE(findChannelByName(db, "news", {hit->satIndex, hit->tpIndex}));
}

TEST(FindSearch, ASatelliteWithAllTranspondersStartsAtItsFirstAndGoesOn) {
    ChannelDatabase db = fiveSatellites();
    EXPECT_EQ(findChannelByName(db, "news", {3, All}), (ChannelHit{3, 1, 0}));
    EXPECT_EQ(findChannelByName(db, "Weather", {3, All}), (ChannelHit{4, 0, 0}));
    EXPECT_FALSE(findChannelByName(db, "Kids", {3, All}));
    // A start beyond the satellites (a header's 0xFFF) begins at the top.
    EXPECT_EQ(findChannelByName(db, "Kids", {0xFFF, All}), (ChannelHit{1, 0, 0}));
}

TEST(FindSearch, FindsArabicNamesByTheirDisplayedText) {
    ChannelDatabase db = fiveSatellites();
    ChannelRecord& ch = db.satellites[1].transponders[0].channels[0];
    const std::string name = utf8ToWindows1256(
        "\xD9\x82\xD9\x86\xD8\xA7\xD8\xA9 \xD8\xB1\xD9\x8A\xD8\xA7\xD8\xB6\xD8\xA9");
    encodeReceiverName(name, ch.name());
    ASSERT_EQ(ch.name()[0], kArabicNameMarker);
    const std::string part = utf8ToWindows1256("\xD8\xB1\xD9\x8A\xD8\xA7\xD8\xB6");
    EXPECT_EQ(findChannelByName(db, part, {All, All}), (ChannelHit{1, 0, 0}));
}

TEST(FindForm, PreselectsTheTreeItemOrAll) {
    ChannelDatabase db = fiveSatellites();
    FindForm form;
    form.preselect(db, TreeItemKey::transponder(0, 1));
    EXPECT_EQ(form.satelliteEntry, 1);
    EXPECT_EQ(form.transponderEntry, 2);
    form.preselect(db, TreeItemKey::satellite(3));
    EXPECT_EQ(form.satelliteEntry, 4);
    EXPECT_EQ(form.transponderEntry, 0);
    form.preselect(db, TreeItemKey::transponder(1, 5));  // stale transponder
    EXPECT_EQ(form.satelliteEntry, 2);
    EXPECT_EQ(form.transponderEntry, 0);
    form.preselect(db, TreeItemKey::transponder(9, 0));  // stale satellite
    EXPECT_EQ(form.satelliteEntry, 0);
    EXPECT_EQ(form.transponderEntry, 0);

    form.chooseSatellite(db, 3);  // S2 has no transponders
    EXPECT_EQ(form.transponderEntry, 0);
    form.chooseSatellite(db, 4);
    EXPECT_EQ(form.transponderEntry, 1);
    EXPECT_EQ(form.transponderEntries(db),
              (std::vector<std::string>{"All Transponders", "   1. 10700 H 27500",
                                        "   2. 10800 H 27500"}));
}

TEST(FindForm, NextFollowsItsHitsAndReportsTheEnd) {
    ChannelDatabase db = fiveSatellites();
    FindForm form;
    form.text = "NEWS";
    form.chooseSatellite(db, 4);  // S3, its first transponder: the search starts after it
    RecordingMessageSink messages;

    EXPECT_EQ(form.next(db, messages), (ChannelHit{3, 1, 0}));
    EXPECT_EQ(form.satelliteEntry, 4);
    EXPECT_EQ(form.transponderEntry, 2);
    EXPECT_EQ(form.next(db, messages), (ChannelHit{4, 0, 0}));
    EXPECT_TRUE(messages.entries.empty());
    EXPECT_FALSE(form.next(db, messages));
    EXPECT_EQ(form.satelliteEntry, 5);
    EXPECT_EQ(form.transponderEntry, 1);
    ASSERT_EQ(messages.ids(), (std::vector<int>{strings::CannotFind}));
    EXPECT_EQ(messages.entries[0].text, "Cannot find 'NEWS'");

    form.text.clear();
    EXPECT_FALSE(form.canSearch());
    EXPECT_FALSE(form.next(db, messages));
    EXPECT_EQ(messages.entries.size(), 1u);
}

TEST(FindNext, SearchesFromTheTreeItem) {
    ChannelDatabase db = fiveSatellites();
    RecordingMessageSink messages;
    EXPECT_EQ(findNext(db, "music", TreeItemKey::satellite(0), messages), (ChannelHit{0, 1, 1}));
    EXPECT_FALSE(findNext(db, "music", TreeItemKey::transponder(0, 1), messages));
    EXPECT_EQ(findNext(db, "kids", TreeItemKey::root(), messages), (ChannelHit{1, 0, 0}));
    EXPECT_EQ(messages.ids(), (std::vector<int>{strings::CannotFind}));
}

TEST(TreeItemKey, PacksAsTheTreeStoresIt) {
    EXPECT_EQ(TreeItemKey::satellitesHeader().pack(), 0xFFFF1FFFu);
    EXPECT_EQ(TreeItemKey::groupsHeader().pack(), 0xFFFF2FFFu);
    EXPECT_EQ(TreeItemKey::unpack(TreeItemKey::transponder(359, 4095).pack()),
              TreeItemKey::transponder(359, 4095));
}

}  // namespace
}  // namespace kavro::test
