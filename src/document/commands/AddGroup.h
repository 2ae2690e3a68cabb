#pragma once

#include "document/DocumentCommand.h"

namespace kavro {

// Appends a group (refused with a message when the receiver's groups are all taken).
// The group list itself is kept and put back by DocumentCommand.
class AddGroup : public DocumentCommand {
public:
    AddGroup(ChannelDocument& document, const GroupRecord& group);
    std::size_t position() const { return position_; }

private:
    std::optional<DocumentChange> apply(ChannelDatabase& db) override;
    DocumentChange revert(ChannelDatabase&) override { return DocumentChange::groupList(); }
    ChannelDocument& document_;
    GroupRecord group_;
    std::size_t position_ = 0;
};

}  // namespace kavro
