#include "document/commands/EditGroup.h"

#include <QCoreApplication>

#include "database/ChannelOperations.h"
#include "database/ListOrder.h"
#include "database/TreeOperations.h"
#include "document/ChannelDocument.h"

namespace kavro {

EditGroup::EditGroup(ChannelDocument& document, std::size_t g, const GroupRecord& group)
    : DocumentCommand(document, QT_TRANSLATE_NOOP("DocumentCommand", "Edit group")),
      document_(document),
      g_(g),
      group_(group) {}

std::optional<DocumentChange> EditGroup::apply(ChannelDatabase& db) {
    if (g_ >= db.groups.size() || !replaceGroup(db, g_, group_, document_.messages()))
        return std::nullopt;
    return DocumentChange::oneGroup(static_cast<int>(g_));
}

}  // namespace kavro
