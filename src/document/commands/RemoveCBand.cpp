#include "document/commands/RemoveCBand.h"

#include <QCoreApplication>

#include "database/DatabaseTools.h"
#include "database/TreeOperations.h"
#include "document/commands/ListPositions.h"

namespace kavro {

RemoveCBand::RemoveCBand(ChannelDocument& document)
    : DocumentCommand(document, QT_TRANSLATE_NOOP("DocumentCommand", "Remove C Band")) {}

std::optional<DocumentChange> RemoveCBand::apply(ChannelDatabase& db) {
    removed_.clear();
    for (std::size_t s = 0; s < db.satellites.size(); ++s)
        if (db.satellites[s].isCBand()) removed_.emplace_back(s, db.satellites[s]);
    removeCBand(db);
    return DocumentChange::satelliteList();
}

DocumentChange RemoveCBand::revert(ChannelDatabase& db) {
    for (const auto& [s, satellite] : removed_)
        db.satellites.insert(db.satellites.begin() + static_cast<std::ptrdiff_t>(s), satellite);
    if (!removed_.empty()) reorderSatellites(db, identityOrder(db.satellites.size()));
    return DocumentChange::satelliteList();
}

}  // namespace kavro
