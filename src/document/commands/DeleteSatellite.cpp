#include "document/commands/DeleteSatellite.h"

#include <QCoreApplication>

#include "database/TreeOperations.h"
#include "document/commands/ListPositions.h"

namespace kavro {

DeleteSatellite::DeleteSatellite(ChannelDocument& document, std::size_t s)
    : DocumentCommand(document, QT_TRANSLATE_NOOP("DocumentCommand", "Delete satellite")), s_(s) {}

std::optional<DocumentChange> DeleteSatellite::apply(ChannelDatabase& db) {
    if (s_ >= db.satellites.size()) return std::nullopt;
    removed_ = db.satellites[s_];
    deleteSatellite(db, s_);
    return DocumentChange::satelliteList();
}

DocumentChange DeleteSatellite::revert(ChannelDatabase& db) {
    db.satellites.insert(db.satellites.begin() + static_cast<std::ptrdiff_t>(s_), removed_);
    // The satellites behind it move back: their transponders name their old positions again.
    reorderSatellites(db, identityOrder(db.satellites.size()));
    return DocumentChange::satelliteList();
}

}  // namespace kavro
