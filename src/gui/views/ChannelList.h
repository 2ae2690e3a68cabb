#pragma once

#include <QHash>
#include <QItemSelection>
#include <QPointer>
#include <QTableView>
#include <functional>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include "database/ChannelPlace.h"
#include "document/ChannelDocument.h"
#include "editing/TreeItemKey.h"

class QAction;
class QMenu;

namespace kavro::gui {

class ChannelTableModel;

// The channel list: the channels of the tree's current item, where channels are edited,
// deleted, put into groups, sorted by column and, in a group, reordered by dragging.
// Every change goes to the document as one undoable command; the rows follow the document.
class ChannelList : public QTableView {
    Q_OBJECT
public:
    explicit ChannelList(ChannelDocument& document, QWidget* parent = nullptr);
    ~ChannelList() override;

    ChannelTableModel* channelModel() const { return model_; }

    // Refills for the tree's current item; the same item again keeps selection and scrolling.
    void showKey(const TreeItemKey& key);
    TreeItemKey shownKey() const;

    // For the status bar: rows, selected rows and the 1-based first and last selected row.
    int rowCountShown() const;
    int selectedRowCount() const;
    std::optional<std::pair<int, int>> selectedSpan() const;

    // Command enabling while the list has the focus.
    bool canEdit() const;
    bool canAdd() const;
    bool canDelete() const;
    bool canSelectAll() const;

    // The window's Edit, Add, Del and Select All, shown in the right-click menu.
    void setCommandActions(QAction* edit, QAction* add, QAction* del, QAction* selectAll);

    // The first selected row's channel, resolved in the database.
    std::optional<ChannelRef> firstSelectedChannel() const;

    // The right-click menu for a point of the viewport; none outside the satellite side.
    std::unique_ptr<QMenu> createContextMenu(const QPoint& viewportPos);

public slots:
    void requestEdit();
    void requestAdd();
    void deleteSelected();
    void selectAllRows();
    void toggleGroup(int g);
    // Selects exactly the crypted rows, or exactly the free-to-air ones.
    void selectCryptedRows(bool crypted);
    bool selectChannel(const kavro::ChannelPlace& place);

signals:
    void editRequested(kavro::ChannelRef row);
    void addRequested();
    void selectionInfoChanged();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    std::vector<int> selectedRowList() const;
    // The whole-row runs of the rows `take` accepts, asked once per row in order.
    QItemSelection rowRuns(const std::function<bool(int row)>& take) const;
    // The runs of crypted rows, or of free-to-air ones.
    QItemSelection cryptedRuns(bool crypted) const;
    void selectOnly(int row);
    void rememberView();
    void restoreView();
    void updateRowHeight();

    ChannelDocument& document_;
    ChannelTableModel* model_;
    QPointer<QAction> edit_, add_, del_, selectAll_;

    // Kept across a refill of the same item: the selected channels, the current one, scrolling.
    bool keepView_ = true;
    QHash<std::size_t, int> savedSelection_;  // identity -> selected rows showing it
    std::optional<std::size_t> savedCurrent_;
    int savedScroll_ = 0;
};

}  // namespace kavro::gui
