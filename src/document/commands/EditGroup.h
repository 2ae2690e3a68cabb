#pragma once

#include "document/DocumentCommand.h"

namespace kavro {

// Replaces group g (name and members).
// The group list itself is kept and put back by DocumentCommand.
class EditGroup : public DocumentCommand {
public:
    EditGroup(ChannelDocument& document, std::size_t g, const GroupRecord& group);

private:
    std::optional<DocumentChange> apply(ChannelDatabase& db) override;
    DocumentChange revert(ChannelDatabase&) override {
        return DocumentChange::oneGroup(static_cast<int>(g_));
    }
    ChannelDocument& document_;
    std::size_t g_;
    GroupRecord group_;
};

}  // namespace kavro
