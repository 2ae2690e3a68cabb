#include "gui/views/ChannelTableModel.h"

#include <QDataStream>
#include <QIODevice>
#include <QMimeData>
#include <algorithm>
#include <numeric>
#include <utility>

#include "document/commands/ReorderGroupMembers.h"
#include "gui/app/DisplayText.h"
#include "gui/app/Icons.h"
#include "messages/StringIds.h"

namespace kavro::gui {
namespace {

Qt::Alignment columnAlignment(int column) {
    return column <= SatelliteColumn ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignCenter;
}

}  // namespace

ChannelTableModel::ChannelTableModel(ChannelDocument& document, QObject* parent)
    : QAbstractTableModel(parent), document_(document) {
    for (int i = 1; i < int(icons_.size()); ++i) icons_[std::size_t(i)] = channelTypeIcon(i);
    retranslate();
    connect(&document_, &ChannelDocument::changed, this, &ChannelTableModel::documentChanged);
}

void ChannelTableModel::retranslate() {
    titles_.clear();
    for (int c = 0; c < ChannelColumnCount; ++c)
        titles_ << stringField(strings::ChannelListColumns, c);
    emit headerDataChanged(Qt::Horizontal, 0, ChannelColumnCount - 1);
}

void ChannelTableModel::showKey(const TreeItemKey& key) {
    key_ = key;
    refill();
}

void ChannelTableModel::refill() {
    beginResetModel();
    ChannelListFill fill = fillChannelRows(document_.database(), key_);
    rows_ = std::move(fill.rows);
    runs_ = fill.runs;
    group_ = fill.group;
    applySort();
    endResetModel();
}

std::vector<int> ChannelTableModel::applySort() {
    std::vector<int> before = std::exchange(shown_, sortedOrder(rows_, sortColumn_, descending_));
    recolour(rows_, shown_, runs_);
    return before;
}

void ChannelTableModel::sortByHeader(int column) {
    const bool reverse = column == sortColumn_ && !descending_;
    sortRows(column, reverse ? Qt::DescendingOrder : Qt::AscendingOrder);
}

void ChannelTableModel::sortRows(int column, Qt::SortOrder direction) {
    if (column < 0 || column >= ChannelColumnCount) return;
    sortColumn_ = column;
    descending_ = direction == Qt::DescendingOrder;
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    // Where each row went, so the selection and the current row follow their channels.
    const std::vector<int> before = applySort();
    std::vector<int> position(shown_.size());
    for (std::size_t i = 0; i < shown_.size(); ++i) position[std::size_t(shown_[i])] = int(i);

    const QModelIndexList from = persistentIndexList();
    QModelIndexList to;
    to.reserve(from.size());
    for (const QModelIndex& old : from)
        to << index(position[std::size_t(before[std::size_t(old.row())])], old.column());
    changePersistentIndexList(from, to);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
    emit sortStateChanged();
}

int ChannelTableModel::rowOf(const ChannelPlace& place) const {
    const ChannelDatabase& db = document_.database();
    if (place.satIndex >= db.satellites.size()) return -1;
    const auto& tps = db.satellites[place.satIndex].transponders;
    if (place.tpIndex >= tps.size() || place.chIndex >= tps[place.tpIndex].channels.size())
        return -1;
    const std::uint16_t number = tps[place.tpIndex].channels[place.chIndex].number;
    for (int r = 0; r < rowCount(); ++r) {
        const ChannelRef& ref = rowAt(r).ref;
        if (ref.satIndex == place.satIndex && ref.tpIndex == place.tpIndex && ref.number == number)
            return r;
    }
    return -1;
}

void ChannelTableModel::documentChanged(const DocumentChange& change) {
    if (change.what == DocumentChange::Settings) return;
    if (change.what == DocumentChange::Channels && change.channel >= 0) {
        updateChannel(change.satellite, change.transponder, change.channel);
        return;
    }
    // Memberships show only in a group view, and only that group's.
    if (change.what == DocumentChange::Groups) {
        if (key_.kind != TreeItemKey::GroupSide) return;
        if (change.group >= 0 && group_ >= 0 && change.group != group_) return;
    }
    refill();
}

bool ChannelTableModel::showsTransponder(std::size_t s, std::size_t t) const {
    if (!key_.inSatelliteBranch()) return false;
    if (key_.satIndex == TreeItemKey::kHeader) return true;
    if (key_.satIndex != s) return false;
    const auto& tps = document_.database().satellites[s].transponders;
    return key_.subIndex >= tps.size() || key_.subIndex == t;
}

void ChannelTableModel::updateChannel(int s, int t, int k) {
    const ChannelDatabase& db = document_.database();
    if (s < 0 || std::size_t(s) >= db.satellites.size()) return refill();
    const auto& tps = db.satellites[std::size_t(s)].transponders;
    if (t < 0 || std::size_t(t) >= tps.size()) return refill();
    const auto& channels = tps[std::size_t(t)].channels;
    if (k < 0 || std::size_t(k) >= channels.size()) return refill();
    const ChannelRecord& channel = channels[std::size_t(k)];

    bool shown = false;
    for (int r = 0; r < rowCount(); ++r) {
        ChannelListRow& row = rows_[std::size_t(shown_[std::size_t(r)])];
        if (row.ref.satIndex != s || row.ref.tpIndex != t || row.ref.number != channel.number)
            continue;
        row.ref.chIndex = std::uint16_t(k);
        setChannelCells(row, channel, group_ >= 0 ? row.shownNumber : channel.number + 1);
        row.updated = true;
        emit dataChanged(index(r, 0), index(r, ChannelColumnCount - 1));
        shown = true;
    }
    // A channel this view should list but does not yet: it came in with this change.
    if (!shown && showsTransponder(std::size_t(s), std::size_t(t))) refill();
}

bool ChannelTableModel::moveRowsBefore(std::vector<int> moved, int target) {
    const int n = rowCount();
    if (group_ < 0) return false;
    std::sort(moved.begin(), moved.end());
    moved.erase(std::unique(moved.begin(), moved.end()), moved.end());
    if (moved.empty() || moved.front() < 0 || moved.back() >= n) return false;
    target = std::clamp(target, 0, n);

    std::vector<bool> isMoved(std::size_t(n), false);
    for (int r : moved) isMoved[std::size_t(r)] = true;
    std::vector<int> display;
    display.reserve(std::size_t(n));
    int insertAt = 0;
    for (int r = 0; r < n; ++r) {
        if (isMoved[std::size_t(r)]) continue;
        if (r < target) ++insertAt;
        display.push_back(r);
    }
    display.insert(display.begin() + insertAt, moved.begin(), moved.end());

    // The shown members take the places shown members had, in the displayed order; members
    // that resolve to no channel have no row and keep their places rather than being lost.
    const GroupRecord& group = document_.database().groups[std::size_t(group_)];
    std::vector<std::size_t> places;
    places.reserve(std::size_t(n));
    for (const ChannelListRow& row : rows_) places.push_back(std::size_t(row.member));
    std::sort(places.begin(), places.end());
    std::vector<std::size_t> order(group.refs.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    for (std::size_t i = 0; i < display.size(); ++i)
        order[places[i]] = std::size_t(rowAt(display[i]).member);
    if (std::is_sorted(order.begin(), order.end())) return false;

    // The display is the group's order from now on, which is what sorting by Channal shows.
    const int oldColumn = sortColumn_;
    const bool oldDescending = descending_;
    sortColumn_ = ChannelColumn;
    descending_ = false;
    if (!document_.push(new ReorderGroupMembers(document_, std::size_t(group_), order))) {
        sortColumn_ = oldColumn;
        descending_ = oldDescending;
        return false;
    }
    emit sortStateChanged();
    return true;
}

int ChannelTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(rows_.size());
}

int ChannelTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ChannelColumnCount;
}

QVariant ChannelTableModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) return {};
    const ChannelListRow& row = rowAt(index.row());
    switch (role) {
        case Qt::DisplayRole:
            return row.text(index.column());
        case Qt::DecorationRole:
            if (index.column() == TypeColumn && row.icon > 0 && row.icon < int(icons_.size()))
                return icons_[std::size_t(row.icon)];
            return {};
        case Qt::BackgroundRole:
            return fromColorRef(row.background);
        case Qt::ForegroundRole:
            return fromColorRef(row.updated  ? kUpdatedRowColour
                                : row.arabic ? kArabicNameColour
                                             : kLatinNameColour);
        case Qt::TextAlignmentRole:
            return QVariant::fromValue(columnAlignment(index.column()));
        case ChannelRefRole:
            return QVariant::fromValue(row.ref);
        default:
            return {};
    }
}

QVariant ChannelTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= ChannelColumnCount) return {};
    if (role == Qt::DisplayRole) return titles_.value(section);
    if (role == Qt::TextAlignmentRole) return QVariant::fromValue(columnAlignment(section));
    return {};
}

Qt::ItemFlags ChannelTableModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return group_ >= 0 ? Qt::ItemIsDropEnabled : Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
    if (group_ >= 0) f |= Qt::ItemIsDragEnabled;
    return f;
}

QMimeData* ChannelTableModel::mimeData(const QModelIndexList& indexes) const {
    QList<int> rows;
    for (const QModelIndex& index : indexes)
        if (index.isValid() && !rows.contains(index.row())) rows << index.row();
    std::sort(rows.begin(), rows.end());
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out << rows;
    auto* data = new QMimeData;
    data->setData(kRowsMimeType, bytes);
    return data;
}

bool ChannelTableModel::canDropMimeData(const QMimeData* data, Qt::DropAction action, int, int,
                                        const QModelIndex&) const {
    return group_ >= 0 && action == Qt::MoveAction && data && data->hasFormat(kRowsMimeType);
}

bool ChannelTableModel::dropMimeData(const QMimeData* data, Qt::DropAction action, int row,
                                     int column, const QModelIndex& parent) {
    if (!canDropMimeData(data, action, row, column, parent)) return false;
    QList<int> rows;
    QDataStream in(data->data(kRowsMimeType));
    in >> rows;
    const int target = parent.isValid() ? parent.row() : (row < 0 ? rowCount() : row);
    return moveRowsBefore(std::vector<int>(rows.begin(), rows.end()), target);
}

}  // namespace kavro::gui
