#include "document/commands/RenumberChannels.h"

#include <QCoreApplication>

#include "database/DatabaseTools.h"

namespace kavro {

RenumberChannels::RenumberChannels(ChannelDocument& document)
    : DocumentCommand(document, QT_TRANSLATE_NOOP("DocumentCommand", "Sort")) {}

std::optional<DocumentChange> RenumberChannels::apply(ChannelDatabase& db) {
    numbersBefore_.clear();
    for (const auto& sat : db.satellites)
        for (const auto& tp : sat.transponders)
            for (const auto& ch : tp.channels) numbersBefore_.push_back(ch.number);
    renumberChannels(db);
    return DocumentChange::channels();
}

DocumentChange RenumberChannels::revert(ChannelDatabase& db) {
    std::size_t i = 0;
    for (auto& sat : db.satellites)
        for (auto& tp : sat.transponders)
            for (auto& ch : tp.channels) ch.number = numbersBefore_[i++];
    return DocumentChange::channels();
}

}  // namespace kavro
