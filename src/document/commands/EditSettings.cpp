#include "document/commands/EditSettings.h"

#include <QCoreApplication>

namespace kavro {

EditSettings::EditSettings(ChannelDocument& document,
                           const std::array<std::uint8_t, image::kSettingsSize>& settings,
                           const std::array<std::uint16_t, image::kMaxGroups>& startupChannels)
    : DocumentCommand(document, QT_TRANSLATE_NOOP("DocumentCommand", "Change receiver settings")),
      settings_(settings),
      startupChannels_(startupChannels) {}

std::optional<DocumentChange> EditSettings::apply(ChannelDatabase& db) {
    // Settings that are already in place are no change (and no undo step).
    if (db.settings == settings_ && db.startupChannels == startupChannels_) return std::nullopt;
    db.settings = settings_;
    db.startupChannels = startupChannels_;
    return DocumentChange::settings();
}

}  // namespace kavro
