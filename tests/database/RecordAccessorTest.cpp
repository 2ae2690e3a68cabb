#include <gtest/gtest.h>

#include <functional>
#include <random>

#include "database/ByteOrder.h"
#include "database/ChannelRecord.h"
#include "database/SatelliteRecord.h"
#include "database/TransponderRecord.h"

namespace kavro {
namespace {

// A setter, and the bits it may change (a mask over the record's bytes: offset -> bits).
template <typename Record>
struct Setter {
    const char* name;
    std::function<void(Record&, std::mt19937&)> apply;
    std::vector<std::pair<std::size_t, std::uint8_t>> mayChange;
};

template <typename Record>
void expectOnlyOwnBits(const std::vector<Setter<Record>>& setters) {
    std::mt19937 rng(7);
    for (const auto& setter : setters) {
        for (int round = 0; round < 200; ++round) {
            Record r;
            for (auto& b : r.bytes) b = static_cast<std::uint8_t>(rng());
            const auto before = r.bytes;
            setter.apply(r, rng);
            for (std::size_t i = 0; i < before.size(); ++i) {
                std::uint8_t allowed = 0;
                for (auto [offset, bits] : setter.mayChange)
                    if (offset == i) allowed |= bits;
                ASSERT_EQ((before[i] ^ r.bytes[i]) & ~allowed, 0)
                    << setter.name << " changed byte " << i << " outside its bits";
            }
        }
    }
}

TEST(RecordAccessors, SatelliteSettersTouchOnlyTheirBits) {
    using S = SatelliteRecord;
    auto flag = [](void (S::*set)(bool), bool (S::*get)() const) {
        return [set, get](S& s, std::mt19937& rng) {
            const bool on = rng() & 1;
            (s.*set)(on);
            EXPECT_EQ((s.*get)(), on);
        };
    };
    expectOnlyOwnBits<S>({
        {"grouped", flag(&S::setGrouped, &S::grouped), {{0, 0x08}}},
        {"chosen", flag(&S::setChosen, &S::chosen), {{1, 0x04}}},
        {"west", flag(&S::setWest, &S::west), {{2, 0x40}}},
        {"universal", flag(&S::setUniversalLnb, &S::universalLnb), {{28, 0x02}}},
        {"power", flag(&S::setLnbPower, &S::lnbPower), {{28, 0x01}}},
        {"22k", flag(&S::setTone22k, &S::tone22k), {{28, 0x40}}},
        {"12V", flag(&S::setOutput12V, &S::output12V), {{28, 0x80}}},
        {"diseqc",
         [](S& s, std::mt19937& rng) {
             const int port = static_cast<int>(rng() % 7);
             s.setDiseqcPort(port);
             EXPECT_EQ(s.diseqcPort(), port);
         },
         {{28, 0x38}}},
        {"position",
         [](S& s, std::mt19937& rng) {
             const double degrees = (rng() % 1800) / 10.0;
             s.setPositionDegrees(degrees);
             EXPECT_DOUBLE_EQ(s.positionDegrees(), degrees);
         },
         {{4, 0xFF}, {5, 0xFF}}},
    });
}

TEST(RecordAccessors, TransponderSettersTouchOnlyTheirBits) {
    using T = TransponderRecord;
    expectOnlyOwnBits<T>({
        {"satellite",
         [](T& t, std::mt19937& rng) {
             const int s = static_cast<int>(rng() % 512);
             t.setSatellite(s);
             EXPECT_EQ(t.satellite(), s);
         },
         {{0, 0xFF}, {1, 0x03}}},
        {"polarisation",
         [](T& t, std::mt19937& rng) {
             const int pol = static_cast<int>(rng() % 3);
             t.setPolarisation(pol);
             EXPECT_EQ(t.polarisation(), pol);
         },
         {{1, 0x0C}}},
        {"fec",
         [](T& t, std::mt19937& rng) {
             const int fec = static_cast<int>(rng() % 6);
             t.setFec(fec);
             EXPECT_EQ(t.fec(), fec);
         },
         {{1, 0xF0}}},
    });
}

TEST(RecordAccessors, ChannelSettersTouchOnlyTheirBits) {
    using C = ChannelRecord;
    expectOnlyOwnBits<C>({
        {"transponder",
         [](C& c, std::mt19937& rng) {
             const int t = static_cast<int>(rng() % 4096);
             c.setTransponder(t);
             EXPECT_EQ(c.transponder(), t);
         },
         {{0, 0xFF}, {1, 0x0F}}},
        {"type",
         [](C& c, std::mt19937& rng) {
             const int type = static_cast<int>(rng() % 3);
             c.setServiceType(type);
             EXPECT_EQ(c.serviceType(), type);
         },
         {{1, 0x30}}},
        {"crypted",
         [](C& c, std::mt19937& rng) {
             const bool on = rng() & 1;
             c.setCrypted(on);
             EXPECT_EQ(c.crypted(), on);
         },
         {{1, 0x40}}},
        {"locked",
         [](C& c, std::mt19937& rng) {
             const bool on = rng() & 1;
             c.setLocked(on);
             EXPECT_EQ(c.locked(), on);
         },
         {{2, 0x01}}},
        {"age",
         [](C& c, std::mt19937& rng) {
             const int age = static_cast<int>(rng() % 32);
             c.setAgeLimit(age);
             EXPECT_EQ(c.ageLimit(), age);
         },
         {{2, 0xF8}}},
        {"ecm slot",
         [](C& c, std::mt19937& rng) {
             const int slot = 1 + static_cast<int>(rng() % 16);
             const bool on = rng() & 1;
             c.setEcmSlotSelected(slot, on);
             EXPECT_EQ(c.ecmSlotSelected(slot), on);
         },
         {{42, 0xFF}, {43, 0xFF}}},
        {"audio language",
         [](C& c, std::mt19937&) {
             c.setAudioLanguage("arabic");
             EXPECT_EQ(c.audioLanguage(), "ara");
         },
         {{30, 0xFF}, {31, 0xFF}, {32, 0xFF}, {33, 0xFF}}},
    });
}

TEST(RecordAccessors, PolarisationChangesKeepTheirMeaning) {
    TransponderRecord tp;
    tp.setTpFlags(0x3C00 | 0x0012);  // AUTO, FEC 3, satellite 9
    tp.setPolarisation(TransponderRecord::PolH);
    EXPECT_EQ(tp.polarisation(), TransponderRecord::PolH) << "AUTO then H must read H";
    EXPECT_EQ(tp.tpFlags(), 0x3412);

    tp.setTpFlags(0x3C12);
    tp.setPolarisation(TransponderRecord::PolV);
    EXPECT_EQ(tp.tpFlags(), 0x3812) << "V clears bit 10 and keeps bit 11";
    EXPECT_EQ(tp.polarisation(), TransponderRecord::PolV);
    EXPECT_STREQ(tp.polarisationText(), "V");

    tp.setPolarisation(TransponderRecord::PolAuto);
    EXPECT_EQ(tp.polarisation(), TransponderRecord::PolAuto);
    EXPECT_STREQ(tp.polarisationText(), "AUTO");
}

TEST(RecordAccessors, WestPositions) {
    SatelliteRecord sat;
    sat.setWest(true);
    sat.setPositionDegrees(45.0);
    EXPECT_EQ(sat.position(), 0xFE3E);
    EXPECT_DOUBLE_EQ(sat.positionDegrees(), 45.0);
    EXPECT_TRUE(sat.west());

    sat.setPosition(0);  // West 0 is 0.0, not 6553.6
    EXPECT_DOUBLE_EQ(sat.positionDegrees(), 0.0);
    sat.setPositionDegrees(0.0);
    EXPECT_EQ(sat.position(), 0);

    sat.setWest(false);
    sat.setPositionDegrees(19.2);
    EXPECT_EQ(sat.position(), 192);
}

TEST(RecordAccessors, NewRecordsAndTexts) {
    const SatelliteRecord sat;
    EXPECT_EQ(sat.lnbFlags(), 2);
    EXPECT_EQ(sat.lnbLow(), 9750);
    EXPECT_EQ(sat.lnbHigh(), 10600);

    const ChannelRecord ch;
    EXPECT_EQ(ch.chFlags(), 0x1000);
    EXPECT_EQ(ch.serviceType(), ChannelRecord::Tv);
    EXPECT_EQ(ch.xPid(), 0x1FFF);
    EXPECT_EQ(ch.number, 0xFFFF);

    ChannelRecord untyped;
    untyped.setChFlags(0xC123);  // type bits 00
    EXPECT_EQ(untyped.serviceType(), -1);

    TransponderRecord tp;
    EXPECT_EQ(tp.index, 0xFFFF);
    tp.setFrequency(11747);
    tp.setSymbolRate(27500);
    tp.setPolarisation(TransponderRecord::PolH);
    EXPECT_EQ(tp.label(), "11747 H 27500");
    tp.setFrequency(3900);
    tp.setSymbolRate(2000);
    tp.setPolarisation(TransponderRecord::PolV);
    EXPECT_EQ(tp.label(), " 3900 V  2000");
}

}  // namespace
}  // namespace kavro
