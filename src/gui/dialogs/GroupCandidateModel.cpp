#include "gui/dialogs/GroupCandidateModel.h"

#include <algorithm>
#include <numeric>
#include <string>

#include "database/AsciiCase.h"
#include "gui/app/CoreTexts.h"
#include "gui/app/DisplayText.h"
#include "gui/app/Icons.h"
#include "gui/views/ChannelListRows.h"

namespace kavro::gui {
namespace {

const std::string& cellText(const GroupForm::Row& row, int column) {
    switch (column) {
        case GroupCandidateModel::TypeColumn:
            return row.typeText;
        case GroupCandidateModel::OrderColumn:
            return row.orderText;
        case GroupCandidateModel::SatelliteColumn:
            return row.satelliteText;
        case GroupCandidateModel::TpColumn:
            return row.transponderText;
        default:
            return row.channelText;
    }
}

}  // namespace

GroupCandidateModel::GroupCandidateModel(GroupForm& form, QObject* parent)
    : QAbstractTableModel(parent), form_(form) {
    for (std::size_t i = 1; i < icons_.size(); ++i)
        icons_[i] = channelTypeIcon(static_cast<int>(i));
    titles_ = coreText(GroupForm::kColumnTitles).split(u'\n', Qt::SkipEmptyParts);
    shown_ = sortedRows();
}

void GroupCandidateModel::reload() {
    beginResetModel();
    shown_ = sortedRows();
    endResetModel();
}

int GroupCandidateModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(shown_.size());
}

int GroupCandidateModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant GroupCandidateModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) return {};
    const GroupForm::Row& row = form_.rows[formRow(index.row())];
    const int column = index.column();
    switch (role) {
        case Qt::DisplayRole:
            return fromWindows1256(cellText(row, column));
        case Qt::DecorationRole:
            if (column == TypeColumn && row.icon > 0 &&
                static_cast<std::size_t>(row.icon) < icons_.size())
                return icons_[static_cast<std::size_t>(row.icon)];
            return {};
        case Qt::CheckStateRole:
            if (column == TypeColumn) return row.checked ? Qt::Checked : Qt::Unchecked;
            return {};
        case Qt::BackgroundRole:
            return fromColorRef(row.background);
        case Qt::ForegroundRole:
            if (row.textColour) return fromColorRef(*row.textColour);
            return {};
        case Qt::TextAlignmentRole:
            if (column == TypeColumn || column == ChannelColumn)
                return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
            return QVariant::fromValue(Qt::AlignCenter);
        default:
            return {};
    }
}

QVariant GroupCandidateModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= titles_.size()) return {};
    if (role == Qt::DisplayRole) return titles_[section];
    return {};
}

Qt::ItemFlags GroupCandidateModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) return Qt::NoItemFlags;
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (index.column() == TypeColumn) flags |= Qt::ItemIsUserCheckable;
    return flags;
}

bool GroupCandidateModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || index.column() != TypeColumn || role != Qt::CheckStateRole)
        return false;
    setChecked({index.row()}, value.toInt() == Qt::Checked);
    return true;
}

void GroupCandidateModel::setChecked(const std::vector<int>& rows, bool on) {
    if (rows.empty()) return;
    for (int r : rows) {
        if (r < 0 || r >= rowCount()) continue;
        form_.setChecked(formRow(r), on);
        emit dataChanged(index(r, 0), index(r, ColumnCount - 1),
                         {Qt::CheckStateRole, Qt::ForegroundRole});
    }
    emit checksChanged();
}

void GroupCandidateModel::sort(int column, Qt::SortOrder order) {
    if (column < 0 || column >= ColumnCount) return;
    sortColumn_ = column;
    sortOrder_ = order;
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const std::vector<std::size_t> before = std::exchange(shown_, sortedRows());
    // The selection and the current row follow their channels.
    std::vector<int> position(shown_.size());
    for (std::size_t i = 0; i < shown_.size(); ++i) position[shown_[i]] = static_cast<int>(i);
    const QModelIndexList from = persistentIndexList();
    QModelIndexList to;
    to.reserve(from.size());
    for (const QModelIndex& old : from)
        to << index(position[before[static_cast<std::size_t>(old.row())]], old.column());
    changePersistentIndexList(from, to);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

// Order sorts by its number; the other columns by their text ignoring case, then by Order, so
// the members keep their group order within equal texts. TP goes by satellite first, since the
// same transponder text may stand on several satellites.
std::vector<std::size_t> GroupCandidateModel::sortedRows() const {
    const auto& rows = form_.rows;
    std::vector<std::size_t> order(rows.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    if (sortColumn_ != OrderColumn) {
        std::vector<std::string> keys(rows.size());
        for (std::size_t i = 0; i < rows.size(); ++i) {
            if (sortColumn_ == TpColumn)
                keys[i] = upperAscii(rows[i].satelliteText) + '\n' + rows[i].transponderText;
            else
                keys[i] = upperAscii(cellText(rows[i], sortColumn_));
        }
        std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
            if (keys[a] != keys[b]) return keys[a] < keys[b];
            return rows[a].order < rows[b].order;
        });
    } else {
        std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
            return rows[a].order < rows[b].order;
        });
    }
    if (sortOrder_ == Qt::DescendingOrder) std::reverse(order.begin(), order.end());
    return order;
}

}  // namespace kavro::gui
