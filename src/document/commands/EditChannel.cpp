#include "document/commands/EditChannel.h"

#include <QCoreApplication>

namespace kavro {

EditChannel::EditChannel(ChannelDocument& document, ChannelPlace place,
                         const ChannelRecord& channel)
    : DocumentCommand(document, QT_TRANSLATE_NOOP("DocumentCommand", "Edit channel")),
      place_(place),
      other_(channel.bytes) {}

std::optional<DocumentChange> EditChannel::apply(ChannelDatabase& db) {
    const auto& [s, t, k] = place_;
    if (s >= db.satellites.size() || t >= db.satellites[s].transponders.size() ||
        k >= db.satellites[s].transponders[t].channels.size())
        return std::nullopt;
    return swap(db);
}

DocumentChange EditChannel::revert(ChannelDatabase& db) {
    return swap(db);
}

DocumentChange EditChannel::swap(ChannelDatabase& db) {
    const auto& [s, t, k] = place_;
    std::swap(db.satellites[s].transponders[t].channels[k].bytes, other_);
    return DocumentChange::oneChannel(s, t, k);
}

}  // namespace kavro
