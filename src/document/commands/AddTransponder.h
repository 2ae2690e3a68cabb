#pragma once

#include "document/DocumentCommand.h"

namespace kavro {

// Appends a transponder to satellite s (refused with a message when the receiver's
// transponders are all taken).
class AddTransponder : public DocumentCommand {
public:
    AddTransponder(ChannelDocument& document, std::size_t s, const TransponderRecord& transponder);
    std::size_t position() const { return position_; }

private:
    std::optional<DocumentChange> apply(ChannelDatabase& db) override;
    DocumentChange revert(ChannelDatabase& db) override;

    ChannelDocument& document_;
    std::size_t s_;
    TransponderRecord transponder_;
    std::size_t position_ = 0;
};

}  // namespace kavro
