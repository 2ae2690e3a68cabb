#pragma once

#include <QPersistentModelIndex>
#include <QPointer>
#include <QTreeWidget>

#include "document/DocumentChange.h"
#include "editing/TreeItemKey.h"

class QAction;

namespace kavro {
class ChannelDocument;
}

namespace kavro::gui {

class DatabaseTreeItem;

// The left pane: the file, its satellites with their transponders, and the favourites groups.
// Every item carries the key of what it stands for; the order under a parent is the order of
// the database list. The tree never changes the database itself: deletes and drops become
// document commands, and the document's change announcements rebuild what changed.
class DatabaseTree : public QTreeWidget {
    Q_OBJECT
public:
    explicit DatabaseTree(ChannelDocument& document, QWidget* parent = nullptr);
    ~DatabaseTree() override;

    // The selected item's key; TreeItemKey::none() with nothing selected.
    TreeItemKey currentKey() const;
    // Selects the item with `key` and scrolls to it; true when that very item exists. Otherwise
    // the nearest item that does is selected and false returned: a satellite-side key beyond
    // the satellites gives the "Satellites" header, a missing transponder its satellite, a
    // missing group the "Groups" header. A key of no item (none()) changes nothing.
    bool selectKey(const TreeItemKey& key);
    // Find: selects transponder t of satellite s; false (and nothing changes) when not shown.
    bool selectTransponderItem(int s, int t);

    // What Edit, Add and Del do with the tree focused (the window enables its actions by them).
    bool canEdit() const;
    bool canAdd() const;
    bool canDelete() const;

    // The window's Edit, Add and Del actions, offered in the context menu.
    void setCommandActions(QAction* edit, QAction* add, QAction* del);

    // The item standing for `key` exactly; null when there is none.
    QTreeWidgetItem* itemForKey(const TreeItemKey& key) const;

    // Rebuilds every item from the document: the root selected, "Satellites" expanded.
    void fillTree();

public slots:
    // Asks the matching question and deletes the selected satellite, transponder or group on
    // Yes; the root, the headers and predefined groups are left alone.
    void deleteCurrent();
    // Emit editRequested / addRequested when the selection allows it.
    void editCurrent();
    void addCurrent();

signals:
    void currentKeyChanged(const kavro::TreeItemKey& key);
    // Satellite, transponder or group to edit.
    void editRequested(const kavro::TreeItemKey& key);
    // "Satellites" header: a new satellite; satellite s: a new transponder for it; a group: a
    // new group.
    void addRequested(const kavro::TreeItemKey& key);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void changeEvent(QEvent* event) override;
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                         const QEvent* event) const override;

    void startDrag(Qt::DropActions supportedActions) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void drawRow(QPainter* painter, const QStyleOptionViewItem& option,
                 const QModelIndex& index) const override;

private:
    struct Remembered;

    void onDocumentChanged(const DocumentChange& change);
    void onCurrentItemChanged();

    void fill();
    QList<QTreeWidgetItem*> satelliteItems() const;
    QList<QTreeWidgetItem*> transponderItems(std::size_t s) const;
    QList<QTreeWidgetItem*> groupItems() const;
    void rebuildSatellites();
    void rebuildTransponders(std::size_t s);
    void rebuildGroups();
    void relabelSatellite(std::size_t s);
    void relabelTransponder(std::size_t s, std::size_t t);
    void relabelGroup(std::size_t g);
    void relabelRoot();
    std::size_t shownGroupCount() const;

    Remembered remember() const;
    void restore(const Remembered& state);

    DatabaseTreeItem* rootItem() const;
    DatabaseTreeItem* satellitesHeader() const;
    DatabaseTreeItem* groupsHeader() const;
    bool selectItem(QTreeWidgetItem* item);
    // The drop target under `pos` for the dragged key, or null.
    QTreeWidgetItem* dropTargetAt(const QPoint& pos, const TreeItemKey& dragged) const;
    void setDropHighlight(QTreeWidgetItem* item);
    void emitIfCurrentChanged(const TreeItemKey& before);

    ChannelDocument& document_;
    QPointer<QAction> editAction_;
    QPointer<QAction> addAction_;
    QPointer<QAction> deleteAction_;
    QPersistentModelIndex dropHighlight_;
    bool updating_ = false;
};

}  // namespace kavro::gui
