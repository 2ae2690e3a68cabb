#pragma once

#include <vector>

#include "database/ChannelPlace.h"
#include "document/DocumentCommand.h"

namespace kavro {

// Deletes the channels of several list rows (each found by satellite, transponder and
// number), with their group memberships. Rows that name no channel are skipped.
class RemoveChannels : public DocumentCommand {
public:
    RemoveChannels(ChannelDocument& document, const std::vector<ChannelRef>& rows);
    int removedCount() const { return static_cast<int>(removed_.size()); }

private:
    std::optional<DocumentChange> apply(ChannelDatabase& db) override;
    DocumentChange revert(ChannelDatabase& db) override;

    std::vector<ChannelRef> rows_;
    // The removed channels with their places before the removal, in tree order.
    std::vector<std::pair<ChannelPlace, ChannelRecord>> removed_;
};

}  // namespace kavro
