#include "editing/ChannelFinder.h"

#include <cstdio>

#include "arabic/ReceiverName.h"
#include "database/AsciiCase.h"
#include "messages/StringIds.h"
#include "messages/StringTable.h"

namespace kavro {
namespace {

std::uint16_t u16(std::size_t v) {
    return static_cast<std::uint16_t>(v);
}

std::string numbered(const char* format, std::size_t number, const std::string& text) {
    char prefix[16];
    std::snprintf(prefix, sizeof prefix, format, static_cast<int>(number));
    return prefix + text;
}

bool nameHolds(const ChannelRecord& channel, const std::string& upperText) {
    return upperCaseForSearch(decodeReceiverName(channel.name())).find(upperText) !=
           std::string::npos;
}

}  // namespace

std::string upperCaseForSearch(std::string_view text) {
    std::string out = upperAscii(text);
    for (char& c : out)
        if (static_cast<unsigned char>(c) == 0x9C) c = static_cast<char>(0x8C);  // the oe ligature
    return out;
}

bool channelNameContains(const ChannelRecord& channel, std::string_view text) {
    return nameHolds(channel, upperCaseForSearch(text));
}

std::optional<ChannelPlace> findChannelByName(const ChannelDatabase& db, std::string_view text,
                                              SearchPosition from) {
    const std::size_t satellites = db.satellites.size();
    std::size_t s = from.satIndex;
    std::size_t t = from.tpIndex;
    // Continue after the transponder the search stands on.
    if (t != SearchPosition::kAll && s < satellites) {
        ++t;
        if (t >= db.satellites[s].transponders.size()) {
            ++s;
            t = 0;
        }
    }
    // Only a start beyond the end begins again at the top: standing after the last
    // transponder finds nothing.
    if (s > satellites) s = 0;
    if (t == SearchPosition::kAll) t = 0;

    const std::string wanted = upperCaseForSearch(text);
    for (std::size_t si = s; si < satellites; ++si) {
        const auto& tps = db.satellites[si].transponders;
        for (std::size_t ti = si == s ? t : 0; ti < tps.size(); ++ti) {
            const auto& channels = tps[ti].channels;
            for (std::size_t k = 0; k < channels.size(); ++k)
                if (nameHolds(channels[k], wanted)) return ChannelPlace{u16(si), u16(ti), u16(k)};
        }
    }
    return std::nullopt;
}

std::vector<ChannelPlace> findAllChannelsByName(const ChannelDatabase& db, std::string_view text) {
    std::vector<ChannelPlace> hits;
    const std::string wanted = upperCaseForSearch(text);
    for (std::size_t s = 0; s < db.satellites.size(); ++s) {
        const auto& tps = db.satellites[s].transponders;
        for (std::size_t t = 0; t < tps.size(); ++t) {
            const auto& channels = tps[t].channels;
            for (std::size_t k = 0; k < channels.size(); ++k)
                if (nameHolds(channels[k], wanted)) hits.push_back({u16(s), u16(t), u16(k)});
        }
    }
    return hits;
}

void reportNotFound(MessageSink& messages, std::string_view text) {
    messages.showMessage(strings::CannotFind, text);
}

std::size_t FindForm::transponderCount(const ChannelDatabase& db) const {
    if (satelliteEntry < 1 || static_cast<std::size_t>(satelliteEntry) > db.satellites.size())
        return 0;
    return db.satellites[static_cast<std::size_t>(satelliteEntry - 1)].transponders.size();
}

void FindForm::preselect(const ChannelDatabase& db, const TreeItemKey& current) {
    const SearchPosition from = searchPositionFromKey(current);
    satelliteEntry = from.satIndex < db.satellites.size() ? from.satIndex + 1 : 0;
    const std::size_t t = from.tpIndex;
    transponderEntry = t + 1 <= transponderCount(db) ? static_cast<int>(t + 1) : 0;
}

void FindForm::chooseSatellite(const ChannelDatabase& db, int entry) {
    satelliteEntry =
        entry >= 1 && static_cast<std::size_t>(entry) <= db.satellites.size() ? entry : 0;
    transponderEntry = transponderCount(db) > 0 ? 1 : 0;
}

std::vector<std::string> FindForm::satelliteEntries(const ChannelDatabase& db) const {
    std::vector<std::string> entries{std::string(stringText(strings::FindAllSatellites))};
    for (std::size_t s = 0; s < db.satellites.size(); ++s)
        entries.push_back(numbered("%d. ", s + 1, decodeReceiverName(db.satellites[s].name())));
    return entries;
}

std::vector<std::string> FindForm::transponderEntries(const ChannelDatabase& db) const {
    std::vector<std::string> entries{std::string(stringText(strings::FindAllTransponders))};
    if (transponderCount(db) == 0) return entries;
    const auto& tps = db.satellites[static_cast<std::size_t>(satelliteEntry - 1)].transponders;
    for (std::size_t t = 0; t < tps.size(); ++t)
        entries.push_back(numbered("%4d. ", t + 1, tps[t].label()));
    return entries;
}

SearchPosition FindForm::position() const {
    SearchPosition from;
    if (satelliteEntry > 0) from.satIndex = u16(static_cast<std::size_t>(satelliteEntry - 1));
    if (transponderEntry > 0) from.tpIndex = u16(static_cast<std::size_t>(transponderEntry - 1));
    return from;
}

std::optional<ChannelPlace> FindForm::next(const ChannelDatabase& db, MessageSink& messages) {
    if (!canSearch()) return std::nullopt;
    auto hit = findChannelByName(db, text, position());
    if (!hit) {
        reportNotFound(messages, text);
        return std::nullopt;
    }
    satelliteEntry = hit->satIndex + 1;
    transponderEntry = hit->tpIndex + 1;
    return hit;
}

std::optional<ChannelPlace> findNext(const ChannelDatabase& db, std::string_view text,
                                     const TreeItemKey& current, MessageSink& messages) {
    auto hit = findChannelByName(db, text, searchPositionFromKey(current));
    if (!hit) reportNotFound(messages, text);
    return hit;
}

}  // namespace kavro
