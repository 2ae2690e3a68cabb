#pragma once

#include "database/ChannelRecord.h"

namespace kavro {

// Image of a channel in the shared small-icon list: 1-4 TV, 5-8 RADIO, 9-12 DATA, each plus 1
// when locked and plus 2 when crypted. A channel without a type gets image 0.
inline int channelTypeIcon(const ChannelRecord& channel) {
    const int typeCode = channel.serviceType() + 1;
    if (typeCode <= 0) return 0;
    return 1 + (typeCode - 1) * 4 + (channel.locked() ? 1 : 0) + (channel.crypted() ? 2 : 0);
}

}  // namespace kavro
