#pragma once

#include "document/DocumentCommand.h"

namespace kavro {

// Stores a new channel at the end of transponder t of satellite s, with a number no channel or
// reference holds (refused with a message when the receiver's channels are all taken).
class AddChannel : public DocumentCommand {
public:
    AddChannel(ChannelDocument& document, std::size_t s, std::size_t t,
               const ChannelRecord& channel);
    // The new channel's reference, once applied.
    const ChannelRef& added() const { return added_; }

private:
    std::optional<DocumentChange> apply(ChannelDatabase& db) override;
    DocumentChange revert(ChannelDatabase& db) override;

    ChannelDocument& document_;
    std::size_t s_;
    std::size_t t_;
    ChannelRecord channel_;
    ChannelRef added_;
};

}  // namespace kavro
