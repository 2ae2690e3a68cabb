#pragma once

#include <utility>
#include <vector>

#include "document/DocumentCommand.h"

namespace kavro {

// Tools > Remove Data: every DATA service leaves, with its group memberships.
class RemoveDataChannels : public DocumentCommand {
public:
    explicit RemoveDataChannels(ChannelDocument& document);

private:
    std::optional<DocumentChange> apply(ChannelDatabase& db) override;
    DocumentChange revert(ChannelDatabase& db) override;

    // The channel lists of the transponders that held DATA services, as they were.
    std::vector<std::pair<std::pair<std::size_t, std::size_t>, std::vector<ChannelRecord>>> before_;
};

}  // namespace kavro
