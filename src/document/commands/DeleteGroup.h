#pragma once

#include "document/DocumentCommand.h"

namespace kavro {

// Deletes group g; a predefined group ("ALL", "TV", "RADIO", "DATA") is never deleted.
// The group list itself is kept and put back by DocumentCommand.
class DeleteGroup : public DocumentCommand {
public:
    DeleteGroup(ChannelDocument& document, std::size_t g);

private:
    std::optional<DocumentChange> apply(ChannelDatabase& db) override;
    DocumentChange revert(ChannelDatabase&) override { return DocumentChange::groupList(); }
    std::size_t g_;
};

}  // namespace kavro
