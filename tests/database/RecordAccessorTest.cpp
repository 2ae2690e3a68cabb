#include <gtest/gtest.h>

#include <random>

#include "database/ChannelRecord.h"
#include "database/SatelliteRecord.h"
#include "database/TransponderRecord.h"

namespace kavro {
namespace {

using Mask = std::vector<std::pair<std::size_t, std::uint8_t>>;  // offset -> bits

// On records full of random bytes, the setter's value reads back and no bit outside `mask`
// changes.
template <typename Record, typename V, typename G>
void expectOnlyOwnBits(void (Record::*set)(V), G (Record::*get)() const, unsigned range,
                       const Mask& mask) {
    std::mt19937 rng(7);
    for (int round = 0; round < 200; ++round) {
        Record r;
        for (auto& b : r.bytes) b = static_cast<std::uint8_t>(rng());
        const auto before = r.bytes;
        const V v = static_cast<V>(rng() % range);
        (r.*set)(v);
        ASSERT_EQ((r.*get)(), v) << "mask at " << mask[0].first;
        for (auto [at, bits] : mask) r.bytes[at] = (r.bytes[at] & ~bits) | (before[at] & bits);
        ASSERT_EQ(r.bytes, before) << "changed bits outside the mask at " << mask[0].first;
    }
}

TEST(RecordAccessors, SettersTouchOnlyTheirBits) {
    using S = SatelliteRecord;
    expectOnlyOwnBits(&S::setGrouped, &S::grouped, 2, {{0, 0x08}});
    expectOnlyOwnBits(&S::setChosen, &S::chosen, 2, {{1, 0x04}});
    expectOnlyOwnBits(&S::setWest, &S::west, 2, {{2, 0x40}});
    expectOnlyOwnBits(&S::setUniversalLnb, &S::universalLnb, 2, {{28, 0x02}});
    expectOnlyOwnBits(&S::setLnbPower, &S::lnbPower, 2, {{28, 0x01}});
    expectOnlyOwnBits(&S::setTone22k, &S::tone22k, 2, {{28, 0x40}});
    expectOnlyOwnBits(&S::setOutput12V, &S::output12V, 2, {{28, 0x80}});
    expectOnlyOwnBits(&S::setDiseqcPort, &S::diseqcPort, 7, {{28, 0x38}});
    expectOnlyOwnBits(&S::setPosition, &S::position, 0x10000, {{4, 0xFF}, {5, 0xFF}});
    using T = TransponderRecord;
    expectOnlyOwnBits(&T::setSatellite, &T::satellite, 512, {{0, 0xFF}, {1, 0x03}});
    expectOnlyOwnBits(&T::setPolarisation, &T::polarisation, 3, {{1, 0x0C}});
    expectOnlyOwnBits(&T::setFec, &T::fec, 6, {{1, 0xF0}});
    using C = ChannelRecord;
    expectOnlyOwnBits(&C::setTransponder, &C::transponder, 4096, {{0, 0xFF}, {1, 0x0F}});
    expectOnlyOwnBits(&C::setServiceType, &C::serviceType, 3, {{1, 0x30}});
    expectOnlyOwnBits(&C::setCrypted, &C::crypted, 2, {{1, 0x40}});
    expectOnlyOwnBits(&C::setLocked, &C::locked, 2, {{2, 0x01}});
    expectOnlyOwnBits(&C::setAgeLimit, &C::ageLimit, 32, {{2, 0xF8}});
    // West 0 reads 0.0, not 6553.6.
    S west;
    west.setWest(true);
    west.setPosition(0);
    EXPECT_DOUBLE_EQ(west.positionDegrees(), 0.0);
}

}  // namespace
}  // namespace kavro
