#include "document/commands/ToggleGroupMember.h"

#include <QCoreApplication>

#include "database/ChannelOperations.h"
#include "database/ListOrder.h"
#include "database/TreeOperations.h"
#include "document/ChannelDocument.h"

namespace kavro {

ToggleGroupMember::ToggleGroupMember(ChannelDocument& document, std::size_t g,
                                     const ChannelRef& channel)
    : DocumentCommand(document, QT_TRANSLATE_NOOP("DocumentCommand", "Change group membership")),
      document_(document),
      g_(g),
      channel_(channel) {}

std::optional<DocumentChange> ToggleGroupMember::apply(ChannelDatabase& db) {
    if (toggleGroupMember(db, g_, channel_, document_.messages()) == MembershipChange::None)
        return std::nullopt;
    return DocumentChange::oneGroup(static_cast<int>(g_));
}

}  // namespace kavro
