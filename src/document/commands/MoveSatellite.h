#pragma once

#include "document/DocumentCommand.h"

namespace kavro {

// A satellite dragged onto another: it takes the target's position, the ones between shift by
// one, and the group references follow their channels.
class MoveSatellite : public DocumentCommand {
public:
    MoveSatellite(ChannelDocument& document, std::size_t dragged, std::size_t target);

private:
    std::optional<DocumentChange> apply(ChannelDatabase& db) override;
    DocumentChange revert(ChannelDatabase& db) override;

    std::size_t dragged_;
    std::size_t target_;
};

}  // namespace kavro
