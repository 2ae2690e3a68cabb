#include "document/commands/AddChannel.h"

#include <QCoreApplication>

#include "database/ChannelOperations.h"
#include "document/ChannelDocument.h"

namespace kavro {

AddChannel::AddChannel(ChannelDocument& document, std::size_t s, std::size_t t,
                       const ChannelRecord& channel)
    : DocumentCommand(document, QT_TRANSLATE_NOOP("DocumentCommand", "Add channel")),
      document_(document),
      s_(s),
      t_(t),
      channel_(channel) {}

std::optional<DocumentChange> AddChannel::apply(ChannelDatabase& db) {
    auto added = addChannel(db, s_, t_, channel_, document_.messages());
    if (!added) return std::nullopt;
    added_ = *added;
    return DocumentChange::channels();
}

DocumentChange AddChannel::revert(ChannelDatabase& db) {
    db.satellites[s_].transponders[t_].channels.pop_back();
    return DocumentChange::channels();
}

}  // namespace kavro
