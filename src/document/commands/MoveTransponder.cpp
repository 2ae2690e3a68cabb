#include "document/commands/MoveTransponder.h"

#include <QCoreApplication>

#include "database/ListOrder.h"
#include "database/TreeOperations.h"
#include "document/commands/ListPositions.h"

namespace kavro {

MoveTransponder::MoveTransponder(ChannelDocument& document, std::size_t s, std::size_t dragged,
                                 std::size_t target)
    : DocumentCommand(document, QT_TRANSLATE_NOOP("DocumentCommand", "Move transponder")),
      s_(s),
      dragged_(dragged),
      target_(target) {}

std::optional<DocumentChange> MoveTransponder::apply(ChannelDatabase& db) {
    if (s_ >= db.satellites.size()) return std::nullopt;
    const std::size_t n = db.satellites[s_].transponders.size();
    if (dragged_ >= n || target_ >= n || dragged_ == target_) return std::nullopt;
    reorderTransponders(db, s_, dropOrder(n, dragged_, target_));
    return DocumentChange::transponderList(static_cast<int>(s_));
}

DocumentChange MoveTransponder::revert(ChannelDatabase& db) {
    const std::size_t n = db.satellites[s_].transponders.size();
    reorderTransponders(db, s_, inverseOrder(dropOrder(n, dragged_, target_)));
    return DocumentChange::transponderList(static_cast<int>(s_));
}

}  // namespace kavro
