#include <gtest/gtest.h>

#include "DatabaseBuilder.h"
#include "RecordingMessageSink.h"
#include "arabic/ReceiverName.h"
#include "arabic/Windows1256.h"
#include "editing/ChannelFinder.h"
#include "messages/StringIds.h"

namespace kavro {
namespace {

using Hit = ChannelPlace;
constexpr std::uint16_t All = SearchPosition::kAll;

// S2 has no transponders; two channels match "news" on S0's second transponder.
ChannelDatabase fiveSatellites() {
    test::DatabaseBuilder b;
    b.satellite("S0").transponder(10700).channel("Alpha News").channel("Sport One");
    b.transponder(10800).channel("News 24").channel("Music").channel("NEWSROOM");
    b.satellite("S1").transponder(10700).channel("Kids");
    b.satellite("S2").satellite("S3").transponder(10700).channel("Movies");
    b.transponder(10800).channel("news extra");
    return b.satellite("S4").transponder(10700).channel("Weather news").build();
}

TEST(FindSearch, MatchesAnywhereGoesOnWithTheNextTransponderAndNeverWraps) {
    ChannelDatabase db = fiveSatellites();
    EXPECT_EQ(findChannelByName(db, "port o", {All, All}), (Hit{0, 0, 1}));
    EXPECT_FALSE(findChannelByName(db, "Radio", {All, All}));
    EXPECT_EQ(findAllChannelsByName(db, "news").size(), 5u);
    // Each search starts after the given transponder: two matches on S0's second one, only the
    // first is reached; S1 and the empty S2 are passed; nothing after the last transponder.
    std::optional<Hit> hit = findChannelByName(db, "news", {All, All});
    for (Hit expected : {Hit{0, 0, 0}, Hit{0, 1, 0}, Hit{3, 1, 0}, Hit{4, 0, 0}}) {
        ASSERT_EQ(hit, expected);
        hit = findChannelByName(db, "news", {hit->satIndex, hit->tpIndex});
    }
    EXPECT_FALSE(hit);
    // A satellite with "All Transponders" starts at its first and goes on; a start beyond the
    // satellites (a header's 0xFFF) begins at the top.
    EXPECT_EQ(findChannelByName(db, "news", {3, All}), (Hit{3, 1, 0}));
    EXPECT_EQ(findChannelByName(db, "Weather", {3, All}), (Hit{4, 0, 0}));
    EXPECT_FALSE(findChannelByName(db, "Kids", {3, All}));
    EXPECT_EQ(findChannelByName(db, "Kids", {0xFFF, All}), (Hit{1, 0, 0}));
    // Arabic names are found by their displayed text.
    ChannelRecord& ch = db.satellites[1].transponders[0].channels[0];
    encodeReceiverName(utf8ToWindows1256("قناة رياضة"), ch.name());
    ASSERT_EQ(ch.name()[0], kArabicNameMarker);
    EXPECT_EQ(findChannelByName(db, utf8ToWindows1256("رياض"), {All, All}), (Hit{1, 0, 0}));
}

TEST(FindForm, PreselectsTheTreeItemAndFollowsItsHits) {
    ChannelDatabase db = fiveSatellites();
    FindForm form;
    const std::tuple<TreeItemKey, int, int> cases[] = {
        {TreeItemKey::transponder(0, 1), 1, 2}, {TreeItemKey::satellite(3), 4, 0},
        {TreeItemKey::transponder(1, 5), 2, 0},  // stale transponder
        {TreeItemKey::transponder(9, 0), 0, 0},  // stale satellite
        {TreeItemKey::group(1, 0), 0, 0},        // a group's kind and index name no place
    };
    for (const auto& [key, satellite, transponder] : cases) {
        form.preselect(db, key);
        EXPECT_EQ(std::pair(form.satelliteEntry, form.transponderEntry),
                  std::pair(satellite, transponder));
    }
    form.chooseSatellite(db, 3);  // S2 has no transponders
    EXPECT_EQ(form.transponderEntry, 0);
    form.chooseSatellite(db, 4);  // S3, its first transponder: a search starts after it
    EXPECT_EQ(form.transponderEntry, 1);

    // Find Next goes on from its own hits and reports the end once.
    form.text = "NEWS";
    test::RecordingMessageSink messages;
    EXPECT_EQ(form.next(db, messages), (Hit{3, 1, 0}));
    EXPECT_EQ(std::pair(form.satelliteEntry, form.transponderEntry), std::pair(4, 2));
    EXPECT_EQ(form.next(db, messages), (Hit{4, 0, 0}));
    EXPECT_TRUE(messages.entries.empty());
    EXPECT_FALSE(form.next(db, messages));
    EXPECT_EQ(std::pair(form.satelliteEntry, form.transponderEntry), std::pair(5, 1));
    ASSERT_EQ(messages.ids(), (std::vector<int>{strings::CannotFind}));
    EXPECT_EQ(messages.entries[0].text, "Cannot find 'NEWS'");
    form.text.clear();
    EXPECT_FALSE(form.next(db, messages));
    EXPECT_EQ(messages.entries.size(), 1u);

    // Find Next from the tree's current item.
    EXPECT_EQ(findNext(db, "music", TreeItemKey::satellite(0), messages), (Hit{0, 1, 1}));
    EXPECT_FALSE(findNext(db, "music", TreeItemKey::transponder(0, 1), messages));
    EXPECT_EQ(findNext(db, "kids", TreeItemKey::root(), messages), (Hit{1, 0, 0}));
    EXPECT_EQ(findNext(db, "news", TreeItemKey::group(0, 0), messages), (Hit{0, 0, 0}));
    EXPECT_EQ(messages.entries.size(), 2u);
}

}  // namespace
}  // namespace kavro
