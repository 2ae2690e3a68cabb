#pragma once

#include "document/DocumentCommand.h"

namespace kavro {

// Deletes satellite s with its transponders and channels, and every group reference to them.
class DeleteSatellite : public DocumentCommand {
public:
    DeleteSatellite(ChannelDocument& document, std::size_t s);

private:
    std::optional<DocumentChange> apply(ChannelDatabase& db) override;
    DocumentChange revert(ChannelDatabase& db) override;

    std::size_t s_;
    SatelliteRecord removed_;
};

}  // namespace kavro
