#include "document/commands/ReorderGroupMembers.h"

#include <QCoreApplication>

#include "database/ChannelOperations.h"
#include "database/ListOrder.h"
#include "database/TreeOperations.h"
#include "document/ChannelDocument.h"

namespace kavro {

ReorderGroupMembers::ReorderGroupMembers(ChannelDocument& document, std::size_t g,
                                         const std::vector<std::size_t>& order)
    : DocumentCommand(document, QT_TRANSLATE_NOOP("DocumentCommand", "Reorder group members")),
      g_(g),
      order_(order) {}

std::optional<DocumentChange> ReorderGroupMembers::apply(ChannelDatabase& db) {
    if (!reorderGroupMembers(db, g_, order_)) return std::nullopt;
    return DocumentChange::oneGroup(static_cast<int>(g_));
}

}  // namespace kavro
