#include "document/commands/RemoveChannels.h"

#include <QCoreApplication>

#include "database/ChannelOperations.h"

namespace kavro {

RemoveChannels::RemoveChannels(ChannelDocument& document, const std::vector<ChannelRef>& rows)
    : DocumentCommand(document, rows.size() == 1
                                    ? QCoreApplication::translate("DocumentCommand",
                                                                  "Delete channel")
                                    : QCoreApplication::translate("DocumentCommand",
                                                                  "Delete channels")),
      rows_(rows) {}

std::optional<DocumentChange> RemoveChannels::apply(ChannelDatabase& db) {
    removed_.clear();
    for (ChannelRef row : rows_) {
        row.chIndex = 0xFFFF;  // by number: earlier removals move channels up
        const ChannelRecord* channel = db.findChannel(row);
        if (!channel) continue;
        removed_.emplace_back(ChannelPlace{row.satIndex, row.tpIndex, row.chIndex}, *channel);
        removeReferencesToDeletedChannel(db, row.number);
        auto& channels = db.satellites[row.satIndex].transponders[row.tpIndex].channels;
        channels.erase(channels.begin() + row.chIndex);
        if (db.channelCount() > 0) db.setChannelCount(db.channelCount() - 1);
    }
    if (removed_.empty()) return std::nullopt;
    // Once for all rows: the channels behind the removed ones moved up.
    db.relinkGroups();
    return DocumentChange::channels();
}

DocumentChange RemoveChannels::revert(ChannelDatabase& db) {
    for (auto it = removed_.rbegin(); it != removed_.rend(); ++it) {
        auto& channels = db.satellites[it->first.satIndex].transponders[it->first.tpIndex].channels;
        channels.insert(channels.begin() + it->first.chIndex, it->second);
    }
    return DocumentChange::channels();
}

}  // namespace kavro
