#pragma once

#include <QColor>
#include <QString>
#include <array>
#include <cstdint>
#include <vector>

#include "database/ChannelDatabase.h"
#include "editing/TreeItemKey.h"

namespace kavro::gui {

// The channel list's columns, in their order on screen.
enum ChannelColumn : int {
    TypeColumn,
    ChannelColumn,
    SatelliteColumn,
    TpColumn,
    VideoPidColumn,
    AudioPidColumn,
    PcrPidColumn,
    SidColumn,
    PmtColumn,
    TeletextColumn,
    Ac3PidColumn,
    AudioLangColumn,
    ChannelColumnCount
};

// Row colours as the receiver's tools give them, Windows colour values (0x00BBGGRR).
inline constexpr std::uint32_t kFirstRunColour = 0xD8ECD8;
inline constexpr std::uint32_t kSecondRunColour = 0xECECD8;
inline constexpr std::uint32_t kArabicNameColour = 0x008000;
inline constexpr std::uint32_t kLatinNameColour = 0x800000;
inline constexpr std::uint32_t kUpdatedRowColour = 0x0000F0;
inline constexpr std::uint32_t kListBackground = 0xF0F0F0;

inline QColor fromColorRef(std::uint32_t bgr) {
    return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                  static_cast<int>((bgr >> 16) & 0xFF));
}

// One row of the list: which channel it shows and its cell texts, made once per fill since
// decoding names is what a fill costs. Satellite and TP texts are shared between rows.
struct ChannelListRow {
    ChannelRef ref;   // number, chIndex, tpIndex, satIndex when filled
    int member = -1;  // position in the group's member list (group view)
    // Which channel this is across refills: its stored bytes, which neither removals nor the
    // renumbering of a save change (numbers and list positions both may).
    std::size_t identity = 0;
    int shownNumber = 0;  // the number in the Channal cell: number + 1, or the row position
    int icon = 0;
    bool arabic = false;
    bool crypted = false;
    bool updated = false;  // rewritten since the last fill or sort
    std::uint32_t background = kFirstRunColour;
    QString channel;
    QString satellite;
    QString tp;
    std::array<std::uint16_t, 7> pids{};  // V-PID .. AC3-PID, in column order
    QString audio;

    // Cell text of column c (empty for the Type column).
    QString text(int column) const;
};

// What decides the background runs of a fill.
enum class RunBreak { Satellite, Transponder, None };

struct ChannelListFill {
    std::vector<ChannelListRow> rows;
    RunBreak runs = RunBreak::None;
    int group = -1;  // the group shown, -1 outside a group view
};

// The group a key shows, when it names one the receiver would list (below groupCount too).
int shownGroup(const ChannelDatabase& db, const TreeItemKey& key);

// The rows of a tree item in storage order: every channel, a satellite's, a transponder's, or
// a group's members that resolve (by number within their transponder), in member order.
ChannelListFill fillChannelRows(const ChannelDatabase& db, const TreeItemKey& key);

// Rewrites a row's cells from its channel; `shownNumber` is the Channal cell's number.
void setChannelCells(ChannelListRow& row, const ChannelRecord& channel, int shownNumber);

// Background runs and text colours for the rows shown in `order` (positions into `rows`).
void recolour(std::vector<ChannelListRow>& rows, const std::vector<int>& order, RunBreak runs);

// The display order a sort by `column` gives: positions into `rows`; full ties keep the fill
// order.
std::vector<int> sortedOrder(const std::vector<ChannelListRow>& rows, int column, bool descending);

}  // namespace kavro::gui
