#include <gtest/gtest.h>

#include "DatabaseBuilder.h"
#include "database/ByteOrder.h"
#include "database/ChannelDatabase.h"

namespace kavro {
namespace {

using test::DatabaseBuilder;

// Two satellites; channel numbers 0..5 in tree order.
ChannelDatabase sample() {
    return DatabaseBuilder()
        .satellite("A")
        .transponder(11000)
        .channel("c0")
        .channel("c1")
        .transponder(11100)
        .channel("c2")
        .satellite("B")
        .transponder(12000)
        .channel("c3")
        .channel("c4")
        .channel("c5")
        .group("G1", {4, 1, 4, 3})
        .group("G2", {4, 99})
        .build();
}

TEST(ChannelDatabase, ClearGivesTheDefaults) {
    ChannelDatabase db = sample();
    db.settings.fill(0xAB);
    db.startupChannels.fill(7);
    db.clear();
    EXPECT_EQ(db.dataVersion(), 0x8209u);
    EXPECT_EQ(db.settings[32], 0x2A);
    EXPECT_EQ(readU16(&db.settings[34]), 0x200);
    EXPECT_EQ(db.settings[36], 0x10);
    for (int i = 24; i < 28; ++i) {
        EXPECT_GE(db.settings[i], '0');
        EXPECT_LE(db.settings[i], '9');
    }
    EXPECT_EQ(db.settings[24], db.settings[27]);
    int nonZero = 0;
    for (std::size_t i = 0; i < db.settings.size(); ++i)
        if (db.settings[i] != 0) ++nonZero;
    EXPECT_EQ(nonZero, 2 + 1 + 1 + 1 + 4);  // version (2 bytes), UHF, age, PAL, password
    EXPECT_TRUE(db.satellites.empty());
    EXPECT_TRUE(db.groups.empty());
    EXPECT_EQ(db.startupChannels[24], 0);
}

TEST(ChannelDatabase, FindChannelTrustsAnIndexInsideTheList) {
    ChannelDatabase db = sample();
    ChannelRef ref{5, 1, 0, 1};  // says number 5, but position 1 holds channel 4
    const ChannelRecord* ch = db.findChannel(ref);
    ASSERT_NE(ch, nullptr);
    EXPECT_EQ(ch->number, 4);
    EXPECT_EQ(ref.number, 4) << "takes over the number found at chIndex";

    ChannelRef stale{5, 7, 0, 1};  // chIndex beyond the list: searched by number
    ch = db.findChannel(stale);
    ASSERT_NE(ch, nullptr);
    EXPECT_EQ(ch->number, 5);
    EXPECT_EQ(stale.chIndex, 2);

    ChannelRef missing{42, 9, 0, 1};
    EXPECT_EQ(db.findChannel(missing), nullptr);
    ChannelRef noSatellite{0, 0, 0, 2};
    EXPECT_EQ(db.findChannel(noSatellite), nullptr);
    ChannelRef noTransponder{0, 0, 1, 1};
    EXPECT_EQ(db.findChannel(noTransponder), nullptr);
}

TEST(ChannelDatabase, RemoveReferencesTakesAtMostOnePerGroup) {
    ChannelDatabase db = sample();
    EXPECT_EQ(db.removeReferences(4), 2);
    ASSERT_EQ(db.groups[0].refs.size(), 3u);
    EXPECT_EQ(db.groups[0].refs[0].number, 1);
    EXPECT_EQ(db.groups[0].refs[1].number, 4) << "the repeat stays";
    EXPECT_EQ(db.groups[0].refs[2].number, 3);
    EXPECT_EQ(db.groups[0].count(), 3);
    EXPECT_EQ(db.groups[1].count(), 1);

    EXPECT_EQ(db.removeReferences(4, 1), 0) << "only group 1, which no longer holds it";
    EXPECT_EQ(db.removeReferences(4, 0), 1);
    EXPECT_EQ(db.groups[0].count(), 2);
    EXPECT_EQ(db.removeReferences(77), 0);
}

TEST(ChannelDatabase, RelinkGroupsLinksEveryReferenceToAChannel) {
    ChannelDatabase db = sample();
    // Move channel 4 to the front of its transponder, as a drag in the list would.
    auto& channels = db.satellites[1].transponders[0].channels;
    std::rotate(channels.begin(), channels.begin() + 1, channels.begin() + 2);
    db.relinkGroups();
    const ChannelRef linked{4, 0, 0, 1};
    EXPECT_EQ(db.groups[0].refs[0], linked);
    EXPECT_EQ(db.groups[0].refs[2], linked) << "a repeated reference is linked too";
    EXPECT_EQ(db.groups[0].refs[1], (ChannelRef{1, 1, 0, 0}));
    EXPECT_EQ(db.groups[1].refs[1], (ChannelRef{99, 0, 0, 0})) << "no channel: unchanged";

    db.groups[1].refs[0] = ChannelRef{4, 9, 9, 9};
    db.groups[0].refs[0] = ChannelRef{4, 9, 9, 9};
    db.relinkGroups(1);
    EXPECT_EQ(db.groups[1].refs[0], linked);
    EXPECT_EQ(db.groups[0].refs[0], (ChannelRef{4, 9, 9, 9})) << "other groups untouched";
}

TEST(ChannelDatabase, GroupKind) {
    ChannelDatabase db = DatabaseBuilder()
                             .satellite("A")
                             .channel("x")
                             .satellite("B")
                             .channel("y")
                             .group("radio", {1})
                             .group("All")
                             .group("DATA")
                             .group("tv")
                             .group("Favourite")
                             .group("Sport", {1, 0})
                             .group("RADIOS")
                             .build();
    EXPECT_EQ(ChannelDatabase::groupKind(db.groups[0]), -3);
    EXPECT_EQ(ChannelDatabase::groupKind(db.groups[1]), -1);
    EXPECT_EQ(ChannelDatabase::groupKind(db.groups[2]), -4);
    EXPECT_EQ(ChannelDatabase::groupKind(db.groups[3]), -2);
    EXPECT_EQ(ChannelDatabase::groupKind(db.groups[4]), 4095);
    EXPECT_EQ(ChannelDatabase::groupKind(db.groups[5]), 1) << "satIndex of the first reference";
    EXPECT_EQ(ChannelDatabase::groupKind(db.groups[6]), 4095);
    EXPECT_TRUE(ChannelDatabase::isPredefined(-3));
    EXPECT_FALSE(ChannelDatabase::isPredefined(4095));

    // A name that fills its field has no terminator.
    GroupRecord full;
    test::setPlainName(full.name(), "RADIORADIO");
    EXPECT_EQ(ChannelDatabase::groupKind(full), 4095);
}

}  // namespace
}  // namespace kavro
