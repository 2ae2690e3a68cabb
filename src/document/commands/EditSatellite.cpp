#include "document/commands/EditSatellite.h"

#include <QCoreApplication>

#include "database/TreeOperations.h"

namespace kavro {

EditSatellite::EditSatellite(ChannelDocument& document, std::size_t s,
                             const SatelliteRecord& satellite)
    : DocumentCommand(document, QT_TRANSLATE_NOOP("DocumentCommand", "Edit satellite")),
      s_(s),
      other_(satellite.bytes) {}

std::optional<DocumentChange> EditSatellite::apply(ChannelDatabase& db) {
    if (s_ >= db.satellites.size()) return std::nullopt;
    swap(db);
    return DocumentChange::oneSatellite(static_cast<int>(s_));
}

DocumentChange EditSatellite::revert(ChannelDatabase& db) {
    swap(db);
    return DocumentChange::oneSatellite(static_cast<int>(s_));
}

void EditSatellite::swap(ChannelDatabase& db) {
    std::swap(db.satellites[s_].bytes, other_);
}

}  // namespace kavro
