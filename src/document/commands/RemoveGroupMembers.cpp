#include "document/commands/RemoveGroupMembers.h"

#include <QCoreApplication>

#include "database/ChannelOperations.h"
#include "database/ListOrder.h"
#include "database/TreeOperations.h"
#include "document/ChannelDocument.h"

namespace kavro {

RemoveGroupMembers::RemoveGroupMembers(ChannelDocument& document, std::size_t g,
                                       const std::vector<std::uint16_t>& numbers)
    : DocumentCommand(document, QT_TRANSLATE_NOOP("DocumentCommand", "Remove from group")),
      g_(g),
      numbers_(numbers) {}

std::optional<DocumentChange> RemoveGroupMembers::apply(ChannelDatabase& db) {
    if (g_ >= db.groups.size()) return std::nullopt;
    int removed = 0;
    for (std::uint16_t number : numbers_)
        removed += db.removeReferences(number, static_cast<std::uint16_t>(g_));
    if (removed == 0) return std::nullopt;
    return DocumentChange::oneGroup(static_cast<int>(g_));
}

}  // namespace kavro
