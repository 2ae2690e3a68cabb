#include "database/IrdImage.h"

namespace kavro {

std::vector<ImageCrc> imageCrcLayout(std::size_t groups, std::size_t channels,
                                     std::size_t transponders) {
    using namespace image;
    return {
        {"groups", true, kGroupRegion, groups * kGroupSlotSize,
         kGroupRegion + groups * kGroupSlotSize},
        {"groups", false, kGroupRegion, kGroupRegionSize, kGroupRegion + kGroupRegionSize},
        {"channels", true, kChannelRegion, channels * 44, kChannelRegion + channels * 44},
        {"channels", false, kChannelRegion, kChannelRegionSize,
         kChannelRegion + kChannelRegionSize},
        {"transponders", true, kTransponderRegion, transponders * 16,
         kTransponderRegion + transponders * 16},
        {"transponders", false, kTransponderRegion, kTransponderRegionSize,
         kTransponderRegion + kTransponderRegionSize},
        {"settings and satellites", false, kSettingsOffset, kSettingsCrcRangeSize,
         kSettingsOffset + kSettingsCrcRangeSize},
    };
}

}  // namespace kavro
