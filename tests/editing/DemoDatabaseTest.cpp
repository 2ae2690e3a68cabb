#include "editing/DemoDatabase.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "DatabaseBuilder.h"
#include "RecordingMessageSink.h"
#include "arabic/ReceiverName.h"
#include "arabic/Windows1256.h"
#include "database/ImageCheck.h"
#include "database/ImageReader.h"
#include "database/ImageWriter.h"

namespace kavro {
namespace {

std::string decoded(ConstNameField field) { return windows1256ToUtf8(decodeReceiverName(field)); }

TEST(DemoDatabaseTest, IsSameOnEveryBuildAndReplacesWhatWasThere) {
    ChannelDatabase a;
    ChannelDatabase b = test::DatabaseBuilder().satellite("Old").transponder(10000).channel("x").group("G", {0}).build();
    buildDemoDatabase(a);
    buildDemoDatabase(b);
    EXPECT_EQ(test::firstDifference(a, b), "");
}

// The demo must look exactly like a database just read from an image, or the editor would
// show it differently before and after its first save.
TEST(DemoDatabaseTest, AgreesWithTheImageWrittenFromIt) {
    ChannelDatabase demo;
    buildDemoDatabase(demo);
    const IrdImage image = test::makeImage(demo);

    const ImageCheckResult check = checkImage(image);
    EXPECT_TRUE(check.ok()) << check.problems.front();

    ChannelDatabase read;
    test::RecordingMessageSink messages;
    ImageReadReport report;
    ASSERT_EQ(readImage(read, &image, messages, &report), 1);
    EXPECT_TRUE(messages.entries.empty());
    EXPECT_EQ(report.droppedChannels + report.droppedTransponders + report.unlinkedReferences, 0);
    EXPECT_EQ(test::firstDifference(demo, read), "");
}

TEST(DemoDatabaseTest, HoldsWhatTheEditorIsTriedOn) {
    ChannelDatabase db;
    buildDemoDatabase(db);

    EXPECT_GE(db.satellites.size(), 5u);
    EXPECT_LE(db.satellites.size(), 8u);
    EXPECT_GE(db.transponderTotal(), 24u);
    EXPECT_GE(db.channelTotal(), 200u);
    EXPECT_LE(db.channelTotal(), 400u);

    bool hotbird = false, cBandOnStandardLnb = false, west = false;
    for (const auto& sat : db.satellites) {
        hotbird |= decoded(sat.name()).find("Hotbird") != std::string::npos;
        cBandOnStandardLnb |= sat.isCBand() && !sat.universalLnb() && sat.lnbHigh() == 5150;
        west |= sat.west();
        for (const auto& tp : sat.transponders) {
            if (sat.isCBand()) {
                EXPECT_GE(tp.frequency(), 3400);
                EXPECT_LE(tp.frequency(), 4200);
            } else {
                EXPECT_GE(tp.frequency(), 10700);
                EXPECT_LE(tp.frequency(), 12750);
            }
            EXPECT_GE(tp.symbolRate(), 2000);
            EXPECT_LE(tp.symbolRate(), 45000);
        }
    }
    EXPECT_TRUE(hotbird);
    EXPECT_TRUE(cBandOnStandardLnb);
    EXPECT_TRUE(west);

    std::set<int> types;
    std::set<std::uint8_t> markers;
    int crypted = 0, locked = 0;
    for (const auto& sat : db.satellites)
        for (const auto& tp : sat.transponders)
            for (const auto& ch : tp.channels) {
                types.insert(ch.serviceType());
                markers.insert(ch.name()[0] == kArabicNameMarker || ch.name()[0] == kLatinNameMarker
                                   ? ch.name()[0]
                                   : 0);
                crypted += ch.crypted();
                locked += ch.locked();
                const std::string name = decoded(ch.name());
                EXPECT_FALSE(name.empty());
                // A name the coding could not hold would show as '?'.
                EXPECT_EQ(name.find('?'), std::string::npos) << name;
                EXPECT_LE(ch.pmtPid(), 0x1FFF);
                EXPECT_LE(ch.videoPid(), 0x1FFF);
                EXPECT_LE(ch.audioPid(), 0x1FFF);
            }
    EXPECT_EQ(types, (std::set<int>{ChannelRecord::Tv, ChannelRecord::Radio, ChannelRecord::Data}));
    EXPECT_EQ(markers, (std::set<std::uint8_t>{0, kArabicNameMarker, kLatinNameMarker}));
    EXPECT_GT(crypted, 0);
    EXPECT_GT(locked, 0);

    std::set<int> predefined;
    int favourites = 0;
    for (const auto& g : db.groups) {
        const int kind = ChannelDatabase::groupKind(g);
        if (ChannelDatabase::isPredefined(kind))
            predefined.insert(kind);
        else
            ++favourites;
        EXPECT_EQ(g.count(), g.refs.size());
        EXPECT_FALSE(g.refs.empty()) << decoded(g.name());
    }
    EXPECT_EQ(predefined.size(), 4u);
    EXPECT_EQ(favourites, 2);
}

// Names are stored in the receiver's coding; reading them back must give the intended text,
// so none was cut by its field or mangled by the Arabic shaping.
TEST(DemoDatabaseTest, NamesReadBackInEveryCoding) {
    ChannelDatabase db;
    buildDemoDatabase(db);
    std::set<std::string> names;
    for (const auto& sat : db.satellites) {
        names.insert(decoded(sat.name()));
        for (const auto& tp : sat.transponders)
            for (const auto& ch : tp.channels) names.insert(decoded(ch.name()));
    }
    for (const auto& g : db.groups) names.insert(decoded(g.name()));

    for (const char* expected : {"Hotbird 13.0E", "Nilesat 7.0W", "Türksat 42.0E", "عربسات 26",
                                 "الجزيرة مباشر", "النيل للأخبار", "الإخبارية", "البرنامج العام",
                                 "Al Jazeera Radio", "Télé Lumière", "Hitradio O3", "TRT Cocuk",
                                 "رياضة", "ALL", "RADIO", "PTV NEWS"})
        EXPECT_EQ(names.count(expected), 1u) << expected;
}

}  // namespace
}  // namespace kavro
