#pragma once

#include <QAbstractTableModel>
#include <QIcon>
#include <QStringList>
#include <array>
#include <vector>

#include "database/ChannelPlace.h"
#include "document/ChannelDocument.h"
#include "editing/TreeItemKey.h"
#include "gui/views/ChannelListRows.h"

namespace kavro::gui {

// The channel list's rows for the tree's current item, over the document: one row per
// channel with its cells, run colours and sort order. It follows the document by itself:
// an edited channel has its row rewritten (and marked), anything structural refills.
//
// In a group view the rows can be dragged; the order they are dropped in becomes the
// group's member order, as one undoable step.
class ChannelTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    // The row's channel as a ChannelRef: number, chIndex, tpIndex and satIndex when filled.
    static constexpr int ChannelRefRole = Qt::UserRole;
    static inline const QString kRowsMimeType = QStringLiteral("application/x-kavro-channel-rows");

    explicit ChannelTableModel(ChannelDocument& document, QObject* parent = nullptr);

    // Refills for a tree item (the same key refills too).
    void showKey(const TreeItemKey& key);
    const TreeItemKey& shownKey() const { return key_; }
    void refill();

    // The group shown, or -1 outside a group view.
    int shownGroup() const { return group_; }
    bool inGroupView() const { return group_ >= 0; }

    int sortColumn() const { return sortColumn_; }
    Qt::SortOrder sortOrder() const {
        return descending_ ? Qt::DescendingOrder : Qt::AscendingOrder;
    }
    // A header click: the sorted column again reverses the direction, another one sorts
    // ascending.
    void sortByHeader(int column);
    void sortRows(int column, Qt::SortOrder direction);

    const ChannelListRow& rowAt(int row) const {
        return rows_[std::size_t(shown_[std::size_t(row)])];
    }
    // The first row showing the channel at `place`, or -1.
    int rowOf(const ChannelPlace& place) const;

    // Group view: moves the given rows (display positions) before row `target` (rowCount()
    // for the end) and stores the displayed order as the group's order. False when nothing
    // changed.
    bool moveRowsBefore(std::vector<int> rows, int target);

    // New column titles after a language change.
    void retranslate();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    Qt::DropActions supportedDropActions() const override { return Qt::MoveAction; }
    QStringList mimeTypes() const override { return {kRowsMimeType}; }
    QMimeData* mimeData(const QModelIndexList& indexes) const override;
    bool canDropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                         const QModelIndex& parent) const override;
    bool dropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                      const QModelIndex& parent) override;

signals:
    void sortStateChanged();

private:
    void documentChanged(const DocumentChange& change);
    void updateChannel(int s, int t, int k);
    bool showsTransponder(std::size_t s, std::size_t t) const;
    // Sorts and recolours (callers tell the views); returns the display order it replaced.
    std::vector<int> applySort();

    ChannelDocument& document_;
    TreeItemKey key_ = TreeItemKey::none();
    std::vector<ChannelListRow> rows_;  // in fill order
    std::vector<int> shown_;            // display order: positions into rows_
    RunBreak runs_ = RunBreak::None;
    int group_ = -1;
    int sortColumn_ = ChannelColumn;
    bool descending_ = false;
    QStringList titles_;
    std::array<QIcon, 13> icons_;
};

}  // namespace kavro::gui
