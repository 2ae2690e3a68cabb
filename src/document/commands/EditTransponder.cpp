#include "document/commands/EditTransponder.h"

#include <QCoreApplication>

namespace kavro {

EditTransponder::EditTransponder(ChannelDocument& document, std::size_t s, std::size_t t,
                                 const TransponderRecord& transponder)
    : DocumentCommand(document, QT_TRANSLATE_NOOP("DocumentCommand", "Edit transponder")),
      s_(s),
      t_(t),
      other_(transponder) {
    other_.channels.clear();
}

std::optional<DocumentChange> EditTransponder::apply(ChannelDatabase& db) {
    if (s_ >= db.satellites.size() || t_ >= db.satellites[s_].transponders.size())
        return std::nullopt;
    // The satellite field always names the satellite that holds the transponder.
    other_.setSatellite(static_cast<int>(s_));
    return swap(db);
}

DocumentChange EditTransponder::revert(ChannelDatabase& db) {
    return swap(db);
}

DocumentChange EditTransponder::swap(ChannelDatabase& db) {
    TransponderRecord& stored = db.satellites[s_].transponders[t_];
    std::swap(stored.bytes, other_.bytes);
    // The channel list shows the transponder in every row of its channels.
    return {DocumentChange::Transponders | DocumentChange::Channels, static_cast<int>(s_),
            static_cast<int>(t_)};
}

}  // namespace kavro
