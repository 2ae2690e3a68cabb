#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "DatabaseBuilder.h"
#include "arabic/AutoArabisation.h"
#include "arabic/ReceiverName.h"

namespace kavro {
namespace {

using test::DatabaseBuilder;

const std::string kMeemBehKaf = "\xE3\xC8\xDF";
const std::string kNoonTehWaw = "\xE4\xCA\xE6";

std::vector<std::string> channelNames(const ChannelDatabase& db) {
    std::vector<std::string> out;
    for (const auto& sat : db.satellites)
        for (const auto& tp : sat.transponders)
            for (const auto& ch : tp.channels) out.push_back(decodeReceiverName(ch.name()));
    return out;
}

const ChannelRecord& channel(const ChannelDatabase& db, std::size_t sat, std::size_t index) {
    return db.satellites[sat].transponders[0].channels[index];
}

TEST(AutoArabisation, LatinNamesMatchInsideUpperCasedChannelNamesOnly) {
    ChannelDatabase db = DatabaseBuilder()
                             .satellite("Nilesat")
                             .channel("MBC 1")
                             .channel("MBC2")
                             .channel("mbc action")
                             .channel("ABC")
                             .build();
    const ChannelDatabase before = db;
    EXPECT_EQ(autoArabisation(db, {"mbc|" + kMeemBehKaf + "|"}), 0);
    EXPECT_EQ(db, before);

    EXPECT_EQ(autoArabisation(db, {"MBC|" + kMeemBehKaf + "|"}), 3);
    EXPECT_EQ(channelNames(db),
              std::vector<std::string>({kMeemBehKaf, kMeemBehKaf, kMeemBehKaf, "ABC"}));
    std::array<std::uint8_t, 16> coded{};
    encodeReceiverName(kMeemBehKaf, coded);
    EXPECT_TRUE(std::equal(coded.begin(), coded.end(), channel(db, 0, 0).name().begin()));
    EXPECT_EQ(channel(db, 0, 0).serviceId(), 0xFFFF);
    EXPECT_EQ(channel(db, 0, 3).serviceId(),
              before.satellites[0].transponders[0].channels[3].serviceId());
    // Nothing but the name and the service id changes.
    ChannelRecord renamed = channel(db, 0, 1);
    ChannelRecord original = before.satellites[0].transponders[0].channels[1];
    encodeReceiverName("", renamed.name());
    encodeReceiverName("", original.name());
    renamed.setServiceId(0);
    original.setServiceId(0);
    EXPECT_EQ(renamed, original);
}

TEST(AutoArabisation, ShortNamesMatchOnlyAWholeName) {
    ChannelDatabase db = DatabaseBuilder()
                             .satellite("Turksat")
                             .channel("NTV")
                             .channel("ntv")
                             .channel("NTV INT")
                             .channel("OMAN TV")
                             .channel("ARABIYA")
                             .build();
    EXPECT_EQ(autoArabisation(db, {"NTV|" + kNoonTehWaw + "|", "OMAN|x|", "ARABIYA|y|"}), 3);
    EXPECT_EQ(channelNames(db),
              std::vector<std::string>({kNoonTehWaw, kNoonTehWaw, "NTV INT", "OMAN TV", "y"}));
}

TEST(AutoArabisation, PtvNeedsASatelliteNamedWithHotbird) {
    ChannelDatabase db = DatabaseBuilder()
                             .satellite("Hotbird 13E")
                             .channel("PTV NEWS")
                             .satellite("HOTBIRD")
                             .channel("PTV NEWS")
                             .satellite("Nilesat")
                             .channel("PTV NEWS")
                             .build();
    // A later entry may still take the channels the PTV rule passed over.
    EXPECT_EQ(autoArabisation(db, {"PTV|" + kMeemBehKaf + "|", "NEWS|" + kNoonTehWaw + "|"}), 3);
    EXPECT_EQ(channelNames(db), std::vector<std::string>({kMeemBehKaf, kNoonTehWaw, kNoonTehWaw}));
}

TEST(AutoArabisation, FirstEntryWinsAndCryptedChannelsAreLeftAlone) {
    ChannelDatabase db =
        DatabaseBuilder().satellite("Arabsat").channel("ALJAZEERA").channel("ALJAZEERA").build();
    ChannelRecord& crypted = db.satellites[0].transponders[0].channels[1];
    crypted.setCrypted(true);
    const std::uint16_t sid = crypted.serviceId();

    EXPECT_EQ(autoArabisation(db, {"AL|" + kMeemBehKaf + "|", "ALJAZEERA|" + kNoonTehWaw + "|"}),
              1);
    EXPECT_EQ(channelNames(db), std::vector<std::string>({kMeemBehKaf, "ALJAZEERA"}));
    EXPECT_EQ(channel(db, 0, 1).serviceId(), sid);
}

TEST(AutoArabisation, EmptyListsAndEntriesWithoutALatinNameChangeNothing) {
    ChannelDatabase db = DatabaseBuilder().satellite("Nilesat").channel("MBC").build();
    const ChannelDatabase before = db;
    EXPECT_EQ(autoArabisation(db, {}), 0);
    EXPECT_EQ(autoArabisation(db, {"|" + kMeemBehKaf + "|", "NO BAR AT ALL"}), 0);
    EXPECT_EQ(db, before);
}

TEST(AutoArabisation, EmptyOrLatinReplacementsFollowTheNameCoding) {
    ChannelDatabase db =
        DatabaseBuilder().satellite("Nilesat").channel("MBC").channel("NILE TV").build();
    EXPECT_EQ(autoArabisation(db, {"MBC||", "NILE|Nile Sport|"}), 2);
    const ConstNameField cleared = channel(db, 0, 0).name();
    EXPECT_TRUE(std::all_of(cleared.begin(), cleared.end(), [](std::uint8_t b) { return b == 0; }));
    EXPECT_EQ(channel(db, 0, 0).serviceId(), 0xFFFF);
    EXPECT_EQ(channel(db, 0, 1).name()[0], 'N');  // plain Latin, no coding marker
    EXPECT_EQ(channelNames(db)[1], "Nile Sport");
}

}  // namespace
}  // namespace kavro
