#pragma once

#include <string>
#include <vector>

#include "database/ChannelDatabase.h"
#include "database/IrdImage.h"
#include "messages/MessageSink.h"

namespace kavro {

// What the reader had to leave out or cut to stay inside the image. The reader itself tells
// the user nothing about these; `kavro-cli check` does.
struct ImageReadReport {
    std::vector<std::string> clamps;  // counts beyond a region's capacity, cut to fit
    int droppedTransponders = 0;      // naming a satellite that does not exist
    int droppedChannels = 0;          // naming a transponder that does not exist
    int unlinkedReferences = 0;       // group slots naming no channel that was kept
};

// Clears `db` and fills it from `image`. Returns 1 when filled, 0 when there is no usable
// image (database unchanged) or the data version is wrong (database left cleared).
int readImage(ChannelDatabase& db, const IrdImage* image, MessageSink& messages,
              ImageReadReport* report = nullptr);

}  // namespace kavro
