#pragma once

#include "document/DocumentCommand.h"

namespace kavro {

// A group dragged onto another group.
// The group list itself is kept and put back by DocumentCommand.
class MoveGroup : public DocumentCommand {
public:
    MoveGroup(ChannelDocument& document, std::size_t dragged, std::size_t target);

private:
    std::optional<DocumentChange> apply(ChannelDatabase& db) override;
    DocumentChange revert(ChannelDatabase&) override { return DocumentChange::groupList(); }
    std::size_t dragged_;
    std::size_t target_;
};

}  // namespace kavro
