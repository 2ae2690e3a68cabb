#include "document/commands/RemoveDataChannels.h"

#include <QCoreApplication>

#include "database/DatabaseTools.h"

namespace kavro {

RemoveDataChannels::RemoveDataChannels(ChannelDocument& document)
    : DocumentCommand(document, QT_TRANSLATE_NOOP("DocumentCommand", "Remove Data")) {}

std::optional<DocumentChange> RemoveDataChannels::apply(ChannelDatabase& db) {
    before_.clear();
    for (std::size_t s = 0; s < db.satellites.size(); ++s)
        for (std::size_t t = 0; t < db.satellites[s].transponders.size(); ++t) {
            const auto& channels = db.satellites[s].transponders[t].channels;
            for (const auto& ch : channels)
                if (ch.serviceType() == ChannelRecord::Data) {
                    before_.push_back({{s, t}, channels});
                    break;
                }
        }
    removeDataChannels(db);
    // Like every tool it counts as a change, even when there was nothing to remove.
    return DocumentChange::channels();
}

DocumentChange RemoveDataChannels::revert(ChannelDatabase& db) {
    for (const auto& [place, channels] : before_)
        db.satellites[place.first].transponders[place.second].channels = channels;
    return DocumentChange::channels();
}

}  // namespace kavro
