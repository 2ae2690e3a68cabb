#pragma once

#include "document/DocumentCommand.h"

namespace kavro {

// A transponder dragged onto another of the same satellite.
class MoveTransponder : public DocumentCommand {
public:
    MoveTransponder(ChannelDocument& document, std::size_t s, std::size_t dragged,
                    std::size_t target);

private:
    std::optional<DocumentChange> apply(ChannelDatabase& db) override;
    DocumentChange revert(ChannelDatabase& db) override;

    std::size_t s_;
    std::size_t dragged_;
    std::size_t target_;
};

}  // namespace kavro
