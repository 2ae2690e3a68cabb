#pragma once

#include "document/DocumentCommand.h"

namespace kavro {

// Puts the members of group g in a new order (old positions in their new order), as rows
// dragged in a group view leave them.
// The group list itself is kept and put back by DocumentCommand.
class ReorderGroupMembers : public DocumentCommand {
public:
    ReorderGroupMembers(ChannelDocument& document, std::size_t g,
                        const std::vector<std::size_t>& order);

private:
    std::optional<DocumentChange> apply(ChannelDatabase& db) override;
    DocumentChange revert(ChannelDatabase&) override {
        return DocumentChange::oneGroup(static_cast<int>(g_));
    }
    std::size_t g_;
    std::vector<std::size_t> order_;
};

}  // namespace kavro
