#include "document/commands/AddSatellite.h"

#include <QCoreApplication>

#include "database/TreeOperations.h"
#include "document/ChannelDocument.h"

namespace kavro {

AddSatellite::AddSatellite(ChannelDocument& document, const SatelliteRecord& satellite)
    : DocumentCommand(document, QT_TRANSLATE_NOOP("DocumentCommand", "Add satellite")),
      document_(document),
      satellite_(satellite) {}

std::optional<DocumentChange> AddSatellite::apply(ChannelDatabase& db) {
    auto added = appendSatellite(db, satellite_, document_.messages());
    if (!added) return std::nullopt;
    position_ = *added;
    return DocumentChange::satelliteList();
}

DocumentChange AddSatellite::revert(ChannelDatabase& db) {
    db.satellites.pop_back();
    return DocumentChange::satelliteList();
}

}  // namespace kavro
