#pragma once

#include <QAbstractTableModel>
#include <QIcon>
#include <QStringList>
#include <array>
#include <vector>

#include "editing/GroupForm.h"

namespace kavro::gui {

// The group dialog's candidate channels over the form's rows: a check box per row, the
// members first in group order, the background alternating per satellite and the text
// coloured by the last check. Sorting changes only the display order; the form keeps "Order".
class GroupCandidateModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { TypeColumn, OrderColumn, SatelliteColumn, TpColumn, ChannelColumn, ColumnCount };

    explicit GroupCandidateModel(GroupForm& form, QObject* parent = nullptr);

    // The form rebuilt its rows (another satellite chosen): shows them in the current sort.
    void reload();
    // The form's row shown at display row `row`.
    std::size_t formRow(int row) const { return shown_[static_cast<std::size_t>(row)]; }
    // Checks or unchecks the rows shown at `rows`.
    void setChecked(const std::vector<int>& rows, bool on);

    int sortColumn() const { return sortColumn_; }
    Qt::SortOrder sortOrder() const { return sortOrder_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

signals:
    void checksChanged();

private:
    std::vector<std::size_t> sortedRows() const;

    GroupForm& form_;
    std::vector<std::size_t> shown_;  // display order: positions into form_.rows
    int sortColumn_ = OrderColumn;
    Qt::SortOrder sortOrder_ = Qt::AscendingOrder;
    QStringList titles_;
    std::array<QIcon, 13> icons_;
};

}  // namespace kavro::gui
