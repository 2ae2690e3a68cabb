#include "document/commands/DeleteGroup.h"

#include <QCoreApplication>

#include "database/ChannelOperations.h"
#include "database/ListOrder.h"
#include "database/TreeOperations.h"
#include "document/ChannelDocument.h"

namespace kavro {

DeleteGroup::DeleteGroup(ChannelDocument& document, std::size_t g)
    : DocumentCommand(document, QT_TRANSLATE_NOOP("DocumentCommand", "Delete group")), g_(g) {}

std::optional<DocumentChange> DeleteGroup::apply(ChannelDatabase& db) {
    if (!deleteGroup(db, g_)) return std::nullopt;
    return DocumentChange::groupList();
}

}  // namespace kavro
