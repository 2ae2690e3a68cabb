#pragma once

#include "document/DocumentCommand.h"

namespace kavro {

// Appends a satellite (refused with a message when the receiver's satellites are all taken).
class AddSatellite : public DocumentCommand {
public:
    AddSatellite(ChannelDocument& document, const SatelliteRecord& satellite);
    // The new satellite's position, once applied.
    std::size_t position() const { return position_; }

private:
    std::optional<DocumentChange> apply(ChannelDatabase& db) override;
    DocumentChange revert(ChannelDatabase& db) override;

    ChannelDocument& document_;
    SatelliteRecord satellite_;
    std::size_t position_ = 0;
};

}  // namespace kavro
