#include "document/commands/MoveGroup.h"

#include <QCoreApplication>

#include "database/ChannelOperations.h"
#include "database/ListOrder.h"
#include "database/TreeOperations.h"
#include "document/ChannelDocument.h"

namespace kavro {

MoveGroup::MoveGroup(ChannelDocument& document, std::size_t dragged, std::size_t target)
    : DocumentCommand(document, QT_TRANSLATE_NOOP("DocumentCommand", "Move group")),
      dragged_(dragged),
      target_(target) {}

std::optional<DocumentChange> MoveGroup::apply(ChannelDatabase& db) {
    const std::size_t n = db.groups.size();
    if (dragged_ >= n || target_ >= n || dragged_ == target_) return std::nullopt;
    reorderGroups(db, dropOrder(n, dragged_, target_));
    return DocumentChange::groupList();
}

}  // namespace kavro
