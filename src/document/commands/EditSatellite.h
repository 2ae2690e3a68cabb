#pragma once

#include "document/DocumentCommand.h"

namespace kavro {

// Replaces satellite s's own fields (its transponders stay).
class EditSatellite : public DocumentCommand {
public:
    EditSatellite(ChannelDocument& document, std::size_t s, const SatelliteRecord& satellite);

private:
    std::optional<DocumentChange> apply(ChannelDatabase& db) override;
    DocumentChange revert(ChannelDatabase& db) override;
    void swap(ChannelDatabase& db);

    std::size_t s_;
    std::array<std::uint8_t, SatelliteRecord::kSize> other_;
};

}  // namespace kavro
