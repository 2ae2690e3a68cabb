#pragma once

#include <utility>
#include <vector>

#include "document/DocumentCommand.h"

namespace kavro {

// Tools > Remove C Band: every satellite with neither LNB oscillator at its Universal value
// leaves, with its transponders, channels and their group memberships.
class RemoveCBand : public DocumentCommand {
public:
    explicit RemoveCBand(ChannelDocument& document);

private:
    std::optional<DocumentChange> apply(ChannelDatabase& db) override;
    DocumentChange revert(ChannelDatabase& db) override;

    std::vector<std::pair<std::size_t, SatelliteRecord>> removed_;  // ascending positions
};

}  // namespace kavro
