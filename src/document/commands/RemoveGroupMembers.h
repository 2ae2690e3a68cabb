#pragma once

#include "document/DocumentCommand.h"

namespace kavro {

// Takes channels out of group g (the first membership per listed number); the channels stay
// in the database. What Del does in a group view.
// The group list itself is kept and put back by DocumentCommand.
class RemoveGroupMembers : public DocumentCommand {
public:
    RemoveGroupMembers(ChannelDocument& document, std::size_t g,
                       const std::vector<std::uint16_t>& numbers);

private:
    std::optional<DocumentChange> apply(ChannelDatabase& db) override;
    DocumentChange revert(ChannelDatabase&) override {
        return DocumentChange::oneGroup(static_cast<int>(g_));
    }
    std::size_t g_;
    std::vector<std::uint16_t> numbers_;
};

}  // namespace kavro
