#include "gui/views/ChannelListRows.h"

#include <QHash>
#include <algorithm>
#include <numeric>

#include "editing/ChannelTypeIcon.h"
#include "gui/app/DisplayText.h"

namespace kavro::gui {
namespace {

QString padded(int n, int width) {
    return QString::number(n).rightJustified(width, u' ');
}

// Most cells are plain ASCII; only the rest needs the code page.
QString cellText(std::string_view bytes) {
    const bool ascii = std::all_of(bytes.begin(), bytes.end(),
                                   [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    return ascii ? QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()))
                 : fromWindows1256(bytes);
}

QString transponderText(const TransponderRecord& tp) {
    return QString::fromLatin1(tp.label());
}

int compareText(const QString& a, const QString& b) {
    return QString::compare(a, b, Qt::CaseInsensitive);
}

int compareRows(const ChannelListRow& a, const ChannelListRow& b, int column) {
    int c = 0;
    switch (column) {
        case TypeColumn:
            c = a.icon - b.icon;
            break;
        case ChannelColumn:
            break;
        case SatelliteColumn:
            c = compareText(a.satellite, b.satellite);
            break;
        case TpColumn:
            c = compareText(a.satellite, b.satellite);
            if (c == 0) c = compareText(a.tp, b.tp);
            break;
        case AudioLangColumn:
            c = compareText(a.audio, b.audio);
            break;
        default:
            // Padded to five digits, the texts order exactly as the numbers do.
            if (column >= VideoPidColumn && column <= Ac3PidColumn)
                c = int(a.pids[column - VideoPidColumn]) - int(b.pids[column - VideoPidColumn]);
            break;
    }
    return c != 0 ? c : compareText(a.channel, b.channel);
}

}  // namespace

QString ChannelListRow::text(int column) const {
    switch (column) {
        case TypeColumn:
            return {};
        case ChannelColumn:
            return channel;
        case SatelliteColumn:
            return satellite;
        case TpColumn:
            return tp;
        case AudioLangColumn:
            return audio;
        default:
            if (column >= VideoPidColumn && column <= Ac3PidColumn)
                return padded(pids[column - VideoPidColumn], 5);
            return {};
    }
}

int shownGroup(const ChannelDatabase& db, const TreeItemKey& key) {
    if (key.kind != TreeItemKey::GroupSide || key.subIndex == TreeItemKey::kNone) return -1;
    const std::size_t g = key.subIndex;
    if (g >= db.groupCount() || g >= db.groups.size()) return -1;
    return static_cast<int>(g);
}

void setChannelCells(ChannelListRow& row, const ChannelRecord& channel, int shownNumber) {
    row.shownNumber = shownNumber;
    row.identity = qHashBits(channel.bytes.data(), channel.bytes.size());
    row.icon = kavro::channelTypeIcon(channel);
    row.arabic = hasArabicName(channel);
    row.crypted = channel.crypted();
    row.channel = numberedLabel(shownNumber, 4, displayName(channel));
    row.pids = {channel.videoPid(), channel.audioPid(),    channel.pcrPid(), channel.serviceId(),
                channel.pmtPid(),   channel.teletextPid(), channel.ac3Pid()};
    const std::string lang = channel.audioLanguage();
    row.audio = cellText(std::string_view(lang).substr(0, 3));
}

ChannelListFill fillChannelRows(const ChannelDatabase& db, const TreeItemKey& key) {
    ChannelListFill fill;
    if (key.inSatelliteBranch()) {
        std::size_t firstSat = 0, endSat = db.satellites.size();
        int onlyTp = -1;
        if (key.satIndex != TreeItemKey::kHeader) {
            if (key.satIndex >= db.satellites.size()) return fill;
            firstSat = key.satIndex;
            endSat = firstSat + 1;
            // A subIndex past the satellite's transponders names the satellite itself.
            if (key.subIndex < db.satellites[firstSat].transponders.size()) onlyTp = key.subIndex;
        }
        if (key.satIndex == TreeItemKey::kHeader)
            fill.runs = RunBreak::Satellite;
        else
            fill.runs = onlyTp < 0 ? RunBreak::Transponder : RunBreak::None;
        std::size_t total = 0;
        for (std::size_t s = firstSat; s < endSat; ++s)
            for (const auto& tp : db.satellites[s].transponders) total += tp.channels.size();
        fill.rows.reserve(total);

        for (std::size_t s = firstSat; s < endSat; ++s) {
            const auto& tps = db.satellites[s].transponders;
            if (tps.empty()) continue;
            const QString sat = satelliteLabel(s, db.satellites[s]);
            const std::size_t firstTp = onlyTp < 0 ? 0 : std::size_t(onlyTp);
            const std::size_t endTp = onlyTp < 0 ? tps.size() : firstTp + 1;
            for (std::size_t t = firstTp; t < endTp; ++t) {
                if (tps[t].channels.empty()) continue;
                const QString tp = transponderText(tps[t]);
                for (std::size_t k = 0; k < tps[t].channels.size(); ++k) {
                    const ChannelRecord& channel = tps[t].channels[k];
                    ChannelListRow& row = fill.rows.emplace_back();
                    row.ref = {channel.number, std::uint16_t(k), std::uint16_t(t),
                               std::uint16_t(s)};
                    row.satellite = sat;
                    row.tp = tp;
                    setChannelCells(row, channel, channel.number + 1);
                }
            }
        }
    } else if (const int g = shownGroup(db, key); g >= 0) {
        fill.group = g;
        const GroupRecord& group = db.groups[std::size_t(g)];
        fill.runs = ChannelDatabase::isPredefined(ChannelDatabase::groupKind(group))
                        ? RunBreak::Satellite
                        : RunBreak::Transponder;
        fill.rows.reserve(group.refs.size());
        QHash<int, QString> satellites, transponders;
        int position = 0;
        for (std::size_t m = 0; m < group.refs.size(); ++m) {
            ChannelRef ref = group.refs[m];
            ref.chIndex = 0xFFFF;  // by number: the cached position may be stale
            const ChannelRecord* channel = db.findChannel(ref);
            if (!channel) continue;
            ChannelListRow& row = fill.rows.emplace_back();
            row.ref = ref;
            row.member = static_cast<int>(m);
            auto sat = satellites.find(ref.satIndex);
            if (sat == satellites.end())
                sat = satellites.insert(ref.satIndex,
                                        satelliteLabel(ref.satIndex, db.satellites[ref.satIndex]));
            const int tpKey = (ref.satIndex << 16) | ref.tpIndex;
            auto tp = transponders.find(tpKey);
            if (tp == transponders.end())
                tp = transponders.insert(
                    tpKey, transponderText(db.satellites[ref.satIndex].transponders[ref.tpIndex]));
            row.satellite = *sat;
            row.tp = *tp;
            setChannelCells(row, *channel, ++position);
        }
    }
    return fill;
}

void recolour(std::vector<ChannelListRow>& rows, const std::vector<int>& order, RunBreak runs) {
    // With one transponder shown there is a single run, in the second colour.
    bool second = runs == RunBreak::None;
    const ChannelListRow* previous = nullptr;
    for (int r : order) {
        ChannelListRow& row = rows[std::size_t(r)];
        if (previous && runs != RunBreak::None) {
            const ChannelRef& a = previous->ref;
            const ChannelRef& b = row.ref;
            const bool newRun = a.satIndex != b.satIndex ||
                                (runs == RunBreak::Transponder && a.tpIndex != b.tpIndex);
            if (newRun) second = !second;
        }
        row.background = second ? kSecondRunColour : kFirstRunColour;
        row.updated = false;
        previous = &row;
    }
}

std::vector<int> sortedOrder(const std::vector<ChannelListRow>& rows, int column, bool descending) {
    std::vector<int> order(rows.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        const int c = compareRows(rows[std::size_t(a)], rows[std::size_t(b)], column);
        return descending ? c > 0 : c < 0;
    });
    return order;
}

}  // namespace kavro::gui
