#include "document/commands/RemoveChannels.h"

#include <QCoreApplication>
#include <algorithm>
#include <tuple>

#include "database/ChannelOperations.h"

namespace kavro {

RemoveChannels::RemoveChannels(ChannelDocument& document, const std::vector<ChannelRef>& rows)
    : DocumentCommand(document, rows.size() == 1
                                    ? QT_TRANSLATE_NOOP("DocumentCommand", "Delete channel")
                                    : QT_TRANSLATE_NOOP("DocumentCommand", "Delete channels")),
      rows_(rows) {}

std::optional<DocumentChange> RemoveChannels::apply(ChannelDatabase& db) {
    removed_.clear();
    std::vector<ChannelPlace> places = findRowChannels(db, rows_);
    if (places.empty()) return std::nullopt;
    // Put back in ascending order on undo, each channel lands at its old place again.
    std::sort(places.begin(), places.end(), [](const ChannelPlace& a, const ChannelPlace& b) {
        return std::tie(a.satIndex, a.tpIndex, a.chIndex) <
               std::tie(b.satIndex, b.tpIndex, b.chIndex);
    });
    for (const ChannelPlace& place : places) removed_.emplace_back(place, *db.channelAt(place));
    deleteChannelsAt(db, places);
    return DocumentChange::channels();
}

DocumentChange RemoveChannels::revert(ChannelDatabase& db) {
    for (const auto& [place, channel] : removed_) {
        auto& channels = db.satellites[place.satIndex].transponders[place.tpIndex].channels;
        channels.insert(channels.begin() + place.chIndex, channel);
    }
    return DocumentChange::channels();
}

}  // namespace kavro
