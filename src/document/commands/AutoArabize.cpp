#include "document/commands/AutoArabize.h"

#include <QCoreApplication>

#include "arabic/AutoArabisation.h"
#include "document/ChannelDocument.h"

namespace kavro {

AutoArabize::AutoArabize(ChannelDocument& document, ArabicNameList list)
    : DocumentCommand(document, QT_TRANSLATE_NOOP("DocumentCommand", "Auto Arabisation")),
      list_(std::move(list)) {}

std::optional<DocumentChange> AutoArabize::apply(ChannelDatabase& db) {
    if (done_) return swap(db);

    std::vector<std::array<std::uint8_t, ChannelRecord::kSize>> before;
    for (const auto& sat : db.satellites)
        for (const auto& tp : sat.transponders)
            for (const auto& ch : tp.channels) before.push_back(ch.bytes);
    if (autoArabisation(db, list_) == 0) return std::nullopt;

    std::size_t i = 0;
    for (std::size_t s = 0; s < db.satellites.size(); ++s) {
        auto& tps = db.satellites[s].transponders;
        for (std::size_t t = 0; t < tps.size(); ++t)
            for (std::size_t k = 0; k < tps[t].channels.size(); ++k, ++i)
                if (tps[t].channels[k].bytes != before[i])
                    channels_.push_back(
                        {ChannelPlace{static_cast<std::uint16_t>(s), static_cast<std::uint16_t>(t),
                                      static_cast<std::uint16_t>(k)},
                         before[i]});
    }
    list_ = {};
    done_ = true;
    // A name list that only repeats the names channels already have changes nothing.
    if (channels_.empty()) return std::nullopt;
    return DocumentChange{DocumentChange::Channels};
}

DocumentChange AutoArabize::revert(ChannelDatabase& db) {
    return swap(db);
}

DocumentChange AutoArabize::swap(ChannelDatabase& db) {
    for (auto& [place, other] : channels_)
        std::swap(
            db.satellites[place.satIndex].transponders[place.tpIndex].channels[place.chIndex].bytes,
            other);
    return DocumentChange{DocumentChange::Channels};
}

int autoArabize(ChannelDocument& document, const std::filesystem::path& listFile) {
    ArabicNameList list;
    if (loadArabicNameList(list, listFile, document.messages()) <= 0) return 0;
    auto* command = new AutoArabize(document, std::move(list));
    // The document keeps the command only when it renamed something.
    return document.push(command) ? command->renamedCount() : 0;
}

int autoArabize(ChannelDocument& document) {
    return autoArabize(document, arabicNameListLocation().readPath);
}

}  // namespace kavro
