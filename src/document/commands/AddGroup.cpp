#include "document/commands/AddGroup.h"

#include <QCoreApplication>

#include "database/ChannelOperations.h"
#include "database/ListOrder.h"
#include "database/TreeOperations.h"
#include "document/ChannelDocument.h"

namespace kavro {

AddGroup::AddGroup(ChannelDocument& document, const GroupRecord& group)
    : DocumentCommand(document, QT_TRANSLATE_NOOP("DocumentCommand", "Add group")),
      document_(document),
      group_(group) {}

std::optional<DocumentChange> AddGroup::apply(ChannelDatabase& db) {
    auto added = appendGroup(db, group_, document_.messages());
    if (!added) return std::nullopt;
    position_ = *added;
    return DocumentChange::groupList();
}

}  // namespace kavro
