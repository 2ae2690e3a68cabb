#include "document/commands/MoveSatellite.h"

#include <QCoreApplication>

#include "database/ListOrder.h"
#include "database/TreeOperations.h"
#include "document/commands/ListPositions.h"

namespace kavro {

MoveSatellite::MoveSatellite(ChannelDocument& document, std::size_t dragged, std::size_t target)
    : DocumentCommand(document, QT_TRANSLATE_NOOP("DocumentCommand", "Move satellite")),
      dragged_(dragged),
      target_(target) {}

std::optional<DocumentChange> MoveSatellite::apply(ChannelDatabase& db) {
    const std::size_t n = db.satellites.size();
    if (dragged_ >= n || target_ >= n || dragged_ == target_) return std::nullopt;
    reorderSatellites(db, dropOrder(n, dragged_, target_));
    return DocumentChange::satelliteList();
}

DocumentChange MoveSatellite::revert(ChannelDatabase& db) {
    reorderSatellites(db, inverseOrder(dropOrder(db.satellites.size(), dragged_, target_)));
    return DocumentChange::satelliteList();
}

}  // namespace kavro
