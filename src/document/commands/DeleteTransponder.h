#pragma once

#include "document/DocumentCommand.h"

namespace kavro {

// Deletes transponder t of satellite s with its channels, and every group reference to them.
class DeleteTransponder : public DocumentCommand {
public:
    DeleteTransponder(ChannelDocument& document, std::size_t s, std::size_t t);

private:
    std::optional<DocumentChange> apply(ChannelDatabase& db) override;
    DocumentChange revert(ChannelDatabase& db) override;

    std::size_t s_;
    std::size_t t_;
    TransponderRecord removed_;
};

}  // namespace kavro
