#pragma once

#include "document/DocumentCommand.h"

namespace kavro {

// Replaces transponder t of satellite s's own fields (its channels stay).
class EditTransponder : public DocumentCommand {
public:
    EditTransponder(ChannelDocument& document, std::size_t s, std::size_t t,
                    const TransponderRecord& transponder);

private:
    std::optional<DocumentChange> apply(ChannelDatabase& db) override;
    DocumentChange revert(ChannelDatabase& db) override;
    DocumentChange swap(ChannelDatabase& db);

    std::size_t s_;
    std::size_t t_;
    TransponderRecord other_;
};

}  // namespace kavro
