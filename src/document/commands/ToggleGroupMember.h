#pragma once

#include "document/DocumentCommand.h"

namespace kavro {

// Puts a channel into group g, or takes its first membership out when it is a member.
// The group list itself is kept and put back by DocumentCommand.
class ToggleGroupMember : public DocumentCommand {
public:
    ToggleGroupMember(ChannelDocument& document, std::size_t g, const ChannelRef& channel);

private:
    std::optional<DocumentChange> apply(ChannelDatabase& db) override;
    DocumentChange revert(ChannelDatabase&) override {
        return DocumentChange::oneGroup(static_cast<int>(g_));
    }
    ChannelDocument& document_;
    std::size_t g_;
    ChannelRef channel_;
};

}  // namespace kavro
