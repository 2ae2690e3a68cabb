#pragma once

#include "database/ChannelPlace.h"
#include "document/DocumentCommand.h"

namespace kavro {

// Replaces the channel at `place` as a whole; it keeps its number, so its memberships stay.
class EditChannel : public DocumentCommand {
public:
    EditChannel(ChannelDocument& document, ChannelPlace place, const ChannelRecord& channel);

private:
    std::optional<DocumentChange> apply(ChannelDatabase& db) override;
    DocumentChange revert(ChannelDatabase& db) override;
    DocumentChange swap(ChannelDatabase& db);

    ChannelPlace place_;
    std::array<std::uint8_t, ChannelRecord::kSize> other_;
};

}  // namespace kavro
