#pragma once

#include "document/DocumentCommand.h"

namespace kavro {

// Replaces the receiver settings block and the start-up channels (Parameters OK).
class EditSettings : public DocumentCommand {
public:
    EditSettings(ChannelDocument& document,
                 const std::array<std::uint8_t, image::kSettingsSize>& settings,
                 const std::array<std::uint16_t, image::kMaxGroups>& startupChannels);

private:
    std::optional<DocumentChange> apply(ChannelDatabase& db) override;
    DocumentChange revert(ChannelDatabase&) override { return DocumentChange::settings(); }

    std::array<std::uint8_t, image::kSettingsSize> settings_;
    std::array<std::uint16_t, image::kMaxGroups> startupChannels_;
};

}  // namespace kavro
