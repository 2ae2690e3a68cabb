#include <gtest/gtest.h>

#include <set>
#include <string>

#include "DatabaseBuilder.h"
#include "RecordingMessageSink.h"
#include "arabic/ReceiverName.h"
#include "arabic/Windows1256.h"
#include "database/ImageCheck.h"
#include "database/ImageReader.h"
#include "editing/DemoDatabase.h"

namespace kavro {
namespace {

std::string shown(ConstNameField field) {
    return windows1256ToUtf8(decodeReceiverName(field));
}

// The demo must look exactly like a database just read from an image, or the editor would
// show it differently before and after its first save; and it is the same on every build,
// whatever it replaces.
TEST(DemoDatabaseTest, IsStableReadsBackFromItsImageAndHoldsWhatTheEditorIsTriedOn) {
    ChannelDatabase db;
    ChannelDatabase other =
        test::DatabaseBuilder().satellite("Old").channel("x").group("G").build();
    buildDemoDatabase(db);
    buildDemoDatabase(other);
    EXPECT_EQ(test::firstDifference(db, other), "");

    const IrdImage image = test::makeImage(db);
    EXPECT_TRUE(checkImage(image).ok());
    ChannelDatabase read;
    test::RecordingMessageSink messages;
    ImageReadReport report;
    ASSERT_EQ(readImage(read, &image, messages, &report), 1);
    EXPECT_TRUE(messages.entries.empty());
    EXPECT_EQ(report.droppedChannels + report.droppedTransponders + report.unlinkedReferences, 0);
    EXPECT_EQ(test::firstDifference(db, read), "");

    // Enough of everything to try the editor on, with names that read back in every coding:
    // none cut by its field or mangled by the Arabic shaping.
    EXPECT_TRUE(db.satellites.size() >= 5 && db.channelTotal() >= 200) << db.channelTotal();
    std::set<std::string> names;
    std::set<int> types, markers;
    for (const auto& sat : db.satellites) {
        names.insert(shown(sat.name()));
        for (const auto& tp : sat.transponders)
            for (const auto& ch : tp.channels) {
                types.insert(ch.serviceType());
                markers.insert(ch.name()[0] < 0x20 ? ch.name()[0] : 0);  // the coding marker
                const std::string name = shown(ch.name());
                names.insert(name);
                EXPECT_TRUE(!name.empty() && name.find('?') == std::string::npos) << name;
            }
    }
    EXPECT_EQ(types, (std::set<int>{ChannelRecord::Tv, ChannelRecord::Radio, ChannelRecord::Data}));
    EXPECT_EQ(markers, (std::set<int>{0, kArabicNameMarker, kLatinNameMarker}));
    for (const auto& g : db.groups) names.insert(shown(g.name()));
    for (const char* expected :
         {"Hotbird 13.0E", "Nilesat 7.0W", "Türksat 42.0E", "عربسات 26", "الجزيرة مباشر",
          "النيل للأخبار", "الإخبارية", "البرنامج العام", "Al Jazeera Radio", "Télé Lumière",
          "Hitradio O3", "TRT Cocuk", "رياضة", "ALL", "TV", "RADIO", "DATA", "PTV NEWS"})
        EXPECT_EQ(names.count(expected), 1u) << expected;
}

}  // namespace
}  // namespace kavro
