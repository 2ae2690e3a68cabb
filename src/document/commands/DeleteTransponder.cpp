#include "document/commands/DeleteTransponder.h"

#include <QCoreApplication>

#include "database/TreeOperations.h"

namespace kavro {

DeleteTransponder::DeleteTransponder(ChannelDocument& document, std::size_t s, std::size_t t)
    : DocumentCommand(document, QT_TRANSLATE_NOOP("DocumentCommand", "Delete transponder")),
      s_(s),
      t_(t) {}

std::optional<DocumentChange> DeleteTransponder::apply(ChannelDatabase& db) {
    if (s_ >= db.satellites.size() || t_ >= db.satellites[s_].transponders.size())
        return std::nullopt;
    removed_ = db.satellites[s_].transponders[t_];
    deleteTransponder(db, s_, t_);
    return DocumentChange::transponderList(static_cast<int>(s_));
}

DocumentChange DeleteTransponder::revert(ChannelDatabase& db) {
    auto& list = db.satellites[s_].transponders;
    list.insert(list.begin() + static_cast<std::ptrdiff_t>(t_), removed_);
    return DocumentChange::transponderList(static_cast<int>(s_));
}

}  // namespace kavro
