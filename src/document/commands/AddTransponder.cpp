#include "document/commands/AddTransponder.h"

#include <QCoreApplication>

#include "database/TreeOperations.h"
#include "document/ChannelDocument.h"

namespace kavro {

AddTransponder::AddTransponder(ChannelDocument& document, std::size_t s,
                               const TransponderRecord& transponder)
    : DocumentCommand(document, QT_TRANSLATE_NOOP("DocumentCommand", "Add transponder")),
      document_(document),
      s_(s),
      transponder_(transponder) {}

std::optional<DocumentChange> AddTransponder::apply(ChannelDatabase& db) {
    auto added = appendTransponder(db, s_, transponder_, document_.messages());
    if (!added) return std::nullopt;
    position_ = *added;
    return DocumentChange::transponderList(static_cast<int>(s_));
}

DocumentChange AddTransponder::revert(ChannelDatabase& db) {
    db.satellites[s_].transponders.pop_back();
    return DocumentChange::transponderList(static_cast<int>(s_));
}

}  // namespace kavro
