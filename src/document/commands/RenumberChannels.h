#pragma once

#include <vector>

#include "document/DocumentCommand.h"

namespace kavro {

// Tools > Sort: numbers the channels 0, 1, 2 ... in tree order; group references follow.
class RenumberChannels : public DocumentCommand {
public:
    explicit RenumberChannels(ChannelDocument& document);

private:
    std::optional<DocumentChange> apply(ChannelDatabase& db) override;
    DocumentChange revert(ChannelDatabase& db) override;

    std::vector<std::uint16_t> numbersBefore_;  // tree order
};

}  // namespace kavro
