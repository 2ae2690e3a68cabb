#include "gui/views/DatabaseTree.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QCursor>
#include <QDrag>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>
#include <vector>

#include "document/ChannelDocument.h"
#include "document/commands/DeleteGroup.h"
#include "document/commands/DeleteSatellite.h"
#include "document/commands/DeleteTransponder.h"
#include "gui/app/DisplayText.h"
#include "gui/views/DatabaseTreeDrag.h"
#include "gui/views/DatabaseTreeItem.h"
#include "gui/views/OwnDirectionDelegate.h"
#include "gui/views/ViewKeys.h"
#include "messages/StringIds.h"

namespace kavro::gui {
namespace {

using Image = DatabaseTreeItem::Image;
using Identity = DatabaseTreeItem::Identity;

constexpr Qt::ItemFlags kFixedFlags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
constexpr Qt::ItemFlags kMovableFlags = kFixedFlags | Qt::ItemIsDragEnabled;

std::uint16_t index16(std::size_t i) {
    return static_cast<std::uint16_t>(i);
}

bool isPredefinedGroup(const GroupRecord& group) {
    return ChannelDatabase::isPredefined(ChannelDatabase::groupKind(group));
}

TreeItemKey groupKey(const GroupRecord& group, std::size_t g) {
    const int kind = ChannelDatabase::groupKind(group);
    return TreeItemKey::group(kind < 0 ? TreeItemKey::kHeader : index16(kind & 0xFFF), index16(g));
}

DatabaseTreeItem* itemAtRow(const QTreeWidgetItem* parent, std::size_t row) {
    if (!parent || row >= static_cast<std::size_t>(parent->childCount())) return nullptr;
    return static_cast<DatabaseTreeItem*>(parent->child(static_cast<int>(row)));
}

// Where an element known by its identity went, among the first `limit` of `list`: its old
// position when it is still there, else the nearest position holding the same record; -1 when
// it is gone.
template <typename List>
int follow(const List& list, std::size_t limit, const Identity& identity, std::size_t old) {
    limit = std::min(limit, list.size());
    if (old < limit && DatabaseTreeItem::identityOf(list[old]) == identity)
        return static_cast<int>(old);
    int best = -1;
    for (std::size_t i = 0; i < limit; ++i) {
        if (DatabaseTreeItem::identityOf(list[i]) != identity) continue;
        const auto distance = [old](std::size_t at) { return at > old ? at - old : old - at; };
        if (best < 0 || distance(i) < distance(static_cast<std::size_t>(best)))
            best = static_cast<int>(i);
    }
    return best;
}

// Instead of a lost element: the one now at its position, else the last one; -1 for none.
int nearest(std::size_t old, std::size_t size) {
    if (size == 0) return -1;
    return static_cast<int>(std::min(old, size - 1));
}

}  // namespace

// What the user had in view before a branch was rebuilt.
struct DatabaseTree::Remembered {
    TreeItemKey current = TreeItemKey::none();
    Identity identity{};
    Identity satelliteIdentity{};  // a transponder's satellite
    std::vector<std::pair<std::size_t, Identity>> expandedSatellites;
    int scroll = 0;
};

DatabaseTree::DatabaseTree(ChannelDocument& document, QWidget* parent)
    : QTreeWidget(parent), document_(document) {
    setColumnCount(1);
    setItemDelegate(new OwnDirectionDelegate(this));
    setHeaderHidden(true);
    setUniformRowHeights(true);
    setSelectionMode(SingleSelection);
    setSelectionBehavior(SelectRows);
    setAllColumnsShowFocus(true);
    setEditTriggers(NoEditTriggers);
    setDragEnabled(true);
    setAcceptDrops(true);
    setDragDropMode(DragDrop);
    setDefaultDropAction(Qt::MoveAction);
    setDropIndicatorShown(false);
    setAutoScroll(true);

    // The channel list shows what is selected here, so the selection stays as visible when the
    // focus is over there.
    QPalette colours = palette();
    for (auto role : {QPalette::Highlight, QPalette::HighlightedText})
        colours.setColor(QPalette::Inactive, role, colours.color(QPalette::Active, role));
    setPalette(colours);

    connect(this, &QTreeWidget::currentItemChanged, this, &DatabaseTree::onCurrentItemChanged);
    connect(&document_, &ChannelDocument::changed, this, &DatabaseTree::onDocumentChanged);
    connect(&document_, &ChannelDocument::pathChanged, this, &DatabaseTree::relabelRoot);

    updating_ = true;
    fill();
    updating_ = false;
}

DatabaseTree::~DatabaseTree() = default;

// ---- Filling -------------------------------------------------------------------------------

void DatabaseTree::fillTree() {
    updating_ = true;
    fill();
    updating_ = false;
    emit currentKeyChanged(currentKey());
}

void DatabaseTree::fill() {
    setUpdatesEnabled(false);
    clear();

    auto* root = new DatabaseTreeItem(QString::fromStdString(document_.fileName()),
                                      TreeItemKey::root(), Image::File);
    auto* satellites = new DatabaseTreeItem(stringText(strings::SatellitesHeader),
                                            TreeItemKey::satellitesHeader(), Image::Satellites);
    auto* groups = new DatabaseTreeItem(stringText(strings::GroupsHeader),
                                        TreeItemKey::groupsHeader(), Image::Groups);
    for (auto* item : {root, satellites, groups}) item->setFlags(kFixedFlags);

    // The whole tree is put together detached and inserted at once: the view then lays it out
    // once instead of once per item.
    satellites->addChildren(satelliteItems());
    groups->addChildren(groupItems());
    root->addChildren({satellites, groups});
    addTopLevelItem(root);

    root->setExpanded(true);
    satellites->setExpanded(true);
    setCurrentItem(root);
    setUpdatesEnabled(true);
}

QList<QTreeWidgetItem*> DatabaseTree::satelliteItems() const {
    const auto& satellites = document_.database().satellites;
    QList<QTreeWidgetItem*> items;
    items.reserve(static_cast<qsizetype>(satellites.size()));
    for (std::size_t s = 0; s < satellites.size(); ++s) {
        auto* item = new DatabaseTreeItem(satelliteLabel(s, satellites[s]),
                                          TreeItemKey::satellite(index16(s)), Image::Satellite,
                                          DatabaseTreeItem::identityOf(satellites[s]));
        item->setFlags(kMovableFlags);
        item->addChildren(transponderItems(s));
        items.append(item);
    }
    return items;
}

QList<QTreeWidgetItem*> DatabaseTree::transponderItems(std::size_t s) const {
    const auto& transponders = document_.database().satellites[s].transponders;
    QList<QTreeWidgetItem*> items;
    items.reserve(static_cast<qsizetype>(transponders.size()));
    for (std::size_t t = 0; t < transponders.size(); ++t) {
        auto* item = new DatabaseTreeItem(
            transponderLabel(t, transponders[t]), TreeItemKey::transponder(index16(s), index16(t)),
            Image::Transponder, DatabaseTreeItem::identityOf(transponders[t]));
        item->setFlags(kMovableFlags);
        items.append(item);
    }
    return items;
}

QList<QTreeWidgetItem*> DatabaseTree::groupItems() const {
    const auto& groups = document_.database().groups;
    QList<QTreeWidgetItem*> items;
    const std::size_t shown = shownGroupCount();
    items.reserve(static_cast<qsizetype>(shown));
    for (std::size_t g = 0; g < shown; ++g) {
        auto* item = new DatabaseTreeItem(groupLabel(g, groups[g]), groupKey(groups[g], g),
                                          Image::Group, DatabaseTreeItem::identityOf(groups[g]));
        item->setFlags(isPredefinedGroup(groups[g]) ? kFixedFlags : kMovableFlags);
        items.append(item);
    }
    return items;
}

std::size_t DatabaseTree::shownGroupCount() const {
    const ChannelDatabase& db = document_.database();
    return std::min<std::size_t>(db.groupCount(), db.groups.size());
}

// ---- Following the document ----------------------------------------------------------------

void DatabaseTree::onDocumentChanged(const DocumentChange& change) {
    const TreeItemKey before = currentKey();
    if (change.what == DocumentChange::Everything) {
        // Open, reload, upload: a new database; the same item is selected again if it exists.
        updating_ = true;
        fill();
        if (before.kind != TreeItemKey::NoItem) selectKey(before);
        updating_ = false;
        emit currentKeyChanged(currentKey());
        return;
    }

    const ChannelDatabase& db = document_.database();
    const auto childCount = [](const QTreeWidgetItem* item) {
        return static_cast<std::size_t>(item->childCount());
    };
    // A change narrower than what the items show (a count that differs) still rebuilds.
    const bool allSatellites = ((change.touches(DocumentChange::Satellites) ||
                                 change.touches(DocumentChange::Transponders)) &&
                                change.satellite < 0) ||
                               childCount(satellitesHeader()) != db.satellites.size();
    const std::size_t s = static_cast<std::size_t>(std::max(change.satellite, 0));
    const bool oneTransponderList =
        !allSatellites && change.touches(DocumentChange::Transponders) &&
        s < db.satellites.size() &&
        (change.transponder < 0 ||
         childCount(itemAtRow(satellitesHeader(), s)) != db.satellites[s].transponders.size());
    const bool allGroups = change.touches(DocumentChange::Settings) ||
                           (change.touches(DocumentChange::Groups) && change.group < 0) ||
                           childCount(groupsHeader()) != shownGroupCount();
    const bool structural = allSatellites || oneTransponderList || allGroups;

    Remembered state;
    if (structural) state = remember();
    updating_ = true;
    setUpdatesEnabled(false);
    if (allSatellites) {
        rebuildSatellites();
    } else {
        if (change.touches(DocumentChange::Satellites)) relabelSatellite(s);
        if (oneTransponderList)
            rebuildTransponders(s);
        else if (change.touches(DocumentChange::Transponders) && change.transponder >= 0)
            relabelTransponder(s, static_cast<std::size_t>(change.transponder));
    }
    if (allGroups)
        rebuildGroups();
    else if (change.touches(DocumentChange::Groups))
        relabelGroup(static_cast<std::size_t>(change.group));
    if (structural) restore(state);
    setUpdatesEnabled(true);
    updating_ = false;
    emitIfCurrentChanged(before);
}

void DatabaseTree::rebuildSatellites() {
    DatabaseTreeItem* header = satellitesHeader();
    qDeleteAll(header->takeChildren());
    header->addChildren(satelliteItems());
}

void DatabaseTree::rebuildTransponders(std::size_t s) {
    DatabaseTreeItem* satellite = itemAtRow(satellitesHeader(), s);
    if (!satellite) return;
    const bool expanded = satellite->isExpanded();
    qDeleteAll(satellite->takeChildren());
    satellite->addChildren(transponderItems(s));
    satellite->setExpanded(expanded);
}

void DatabaseTree::rebuildGroups() {
    DatabaseTreeItem* header = groupsHeader();
    qDeleteAll(header->takeChildren());
    header->addChildren(groupItems());
}

void DatabaseTree::relabelSatellite(std::size_t s) {
    const auto& satellites = document_.database().satellites;
    if (auto* item = itemAtRow(satellitesHeader(), s); item && s < satellites.size())
        item->reset(satelliteLabel(s, satellites[s]), item->key(),
                    DatabaseTreeItem::identityOf(satellites[s]));
}

void DatabaseTree::relabelTransponder(std::size_t s, std::size_t t) {
    const auto& satellites = document_.database().satellites;
    if (s >= satellites.size() || t >= satellites[s].transponders.size()) return;
    if (auto* item = itemAtRow(itemAtRow(satellitesHeader(), s), t)) {
        const TransponderRecord& transponder = satellites[s].transponders[t];
        item->reset(transponderLabel(t, transponder), item->key(),
                    DatabaseTreeItem::identityOf(transponder));
    }
}

void DatabaseTree::relabelGroup(std::size_t g) {
    const auto& groups = document_.database().groups;
    auto* item = itemAtRow(groupsHeader(), g);
    if (!item || g >= groups.size()) return;
    // A new first member changes the group's kind, a new name may make it predefined.
    item->reset(groupLabel(g, groups[g]), groupKey(groups[g], g),
                DatabaseTreeItem::identityOf(groups[g]));
    item->setFlags(isPredefinedGroup(groups[g]) ? kFixedFlags : kMovableFlags);
}

void DatabaseTree::relabelRoot() {
    if (DatabaseTreeItem* root = rootItem())
        root->setLabel(QString::fromStdString(document_.fileName()));
}

DatabaseTree::Remembered DatabaseTree::remember() const {
    Remembered state;
    state.scroll = verticalScrollBar()->value();
    if (const auto* item = static_cast<const DatabaseTreeItem*>(currentItem())) {
        state.current = item->key();
        state.identity = item->identity();
        if (isTransponderKey(state.current))
            state.satelliteIdentity =
                static_cast<const DatabaseTreeItem*>(item->parent())->identity();
    }
    const DatabaseTreeItem* header = satellitesHeader();
    for (int s = 0; s < header->childCount(); ++s) {
        const auto* satellite = static_cast<const DatabaseTreeItem*>(header->child(s));
        if (satellite->isExpanded())
            state.expandedSatellites.emplace_back(static_cast<std::size_t>(s),
                                                  satellite->identity());
    }
    return state;
}

void DatabaseTree::restore(const Remembered& state) {
    const ChannelDatabase& db = document_.database();
    const auto& satellites = db.satellites;
    for (const auto& [s, identity] : state.expandedSatellites) {
        const int now = follow(satellites, satellites.size(), identity, s);
        if (auto* item = itemAtRow(satellitesHeader(), static_cast<std::size_t>(now)))
            item->setExpanded(true);
    }

    // The current item follows its record; when that is gone, its position is kept (the next
    // sibling takes it, or the last one), and when nothing is left its parent is selected.
    const TreeItemKey& key = state.current;
    QTreeWidgetItem* current = itemForKey(key);
    if (isSatelliteKey(key) || isTransponderKey(key)) {
        const Identity& identity = isSatelliteKey(key) ? state.identity : state.satelliteIdentity;
        int s = follow(satellites, satellites.size(), identity, key.satIndex);
        const bool satelliteKept = s >= 0;
        if (!satelliteKept) s = nearest(key.satIndex, satellites.size());
        current = s < 0 ? satellitesHeader() : itemAtRow(satellitesHeader(), s);
        if (isTransponderKey(key) && satelliteKept) {
            const auto& transponders = satellites[static_cast<std::size_t>(s)].transponders;
            int t = follow(transponders, transponders.size(), state.identity, key.subIndex);
            if (t < 0) t = nearest(key.subIndex, transponders.size());
            if (t >= 0) current = itemAtRow(current, static_cast<std::size_t>(t));
        }
    } else if (isGroupKey(key)) {
        int g = follow(db.groups, shownGroupCount(), state.identity, key.subIndex);
        if (g < 0) g = nearest(key.subIndex, shownGroupCount());
        current = g < 0 ? groupsHeader() : itemAtRow(groupsHeader(), static_cast<std::size_t>(g));
    }
    if (!current) current = rootItem();

    setCurrentItem(current);
    verticalScrollBar()->setValue(state.scroll);
    scrollToItem(current);
}

void DatabaseTree::onCurrentItemChanged() {
    if (!updating_) emit currentKeyChanged(currentKey());
}

void DatabaseTree::emitIfCurrentChanged(const TreeItemKey& before) {
    const TreeItemKey now = currentKey();
    if (!(now == before)) emit currentKeyChanged(now);
}

// ---- Keys and selection --------------------------------------------------------------------

DatabaseTreeItem* DatabaseTree::rootItem() const {
    return static_cast<DatabaseTreeItem*>(topLevelItem(0));
}

DatabaseTreeItem* DatabaseTree::satellitesHeader() const {
    return itemAtRow(rootItem(), 0);
}

DatabaseTreeItem* DatabaseTree::groupsHeader() const {
    return itemAtRow(rootItem(), 1);
}

TreeItemKey DatabaseTree::currentKey() const {
    return keyOf(currentItem());
}

QTreeWidgetItem* DatabaseTree::itemForKey(const TreeItemKey& key) const {
    if (key == TreeItemKey::root()) return rootItem();
    if (key == TreeItemKey::satellitesHeader()) return satellitesHeader();
    if (key == TreeItemKey::groupsHeader()) return groupsHeader();
    if (isSatelliteKey(key)) return itemAtRow(satellitesHeader(), key.satIndex);
    if (isTransponderKey(key))
        return itemAtRow(itemAtRow(satellitesHeader(), key.satIndex), key.subIndex);
    // A group is found by its position; its kind follows its first member and may have changed.
    if (isGroupKey(key)) return itemAtRow(groupsHeader(), key.subIndex);
    return nullptr;
}

bool DatabaseTree::selectKey(const TreeItemKey& key) {
    if (QTreeWidgetItem* item = itemForKey(key)) {
        selectItem(item);
        return true;
    }
    QTreeWidgetItem* nearestItem = nullptr;
    if (key.kind == TreeItemKey::SatelliteSide) {
        nearestItem = itemAtRow(satellitesHeader(), key.satIndex);
        if (!nearestItem) nearestItem = satellitesHeader();
    } else if (key.kind == TreeItemKey::GroupSide) {
        nearestItem = groupsHeader();
    }
    if (nearestItem) selectItem(nearestItem);
    return false;
}

bool DatabaseTree::selectTransponderItem(int s, int t) {
    if (s < 0 || t < 0) return false;
    QTreeWidgetItem* item = itemAtRow(itemAtRow(satellitesHeader(), static_cast<std::size_t>(s)),
                                      static_cast<std::size_t>(t));
    return item && selectItem(item);
}

bool DatabaseTree::selectItem(QTreeWidgetItem* item) {
    setCurrentItem(item);
    scrollToItem(item);
    return true;
}

QItemSelectionModel::SelectionFlags DatabaseTree::selectionCommand(const QModelIndex& index,
                                                                   const QEvent*) const {
    // Exactly one item is always selected: a Ctrl+click or a click beside the items keeps it.
    if (!index.isValid()) return QItemSelectionModel::NoUpdate;
    return QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows;
}

// ---- Commands ------------------------------------------------------------------------------

bool DatabaseTree::canEdit() const {
    const TreeItemKey key = currentKey();
    return isSatelliteKey(key) || isTransponderKey(key) || isGroupKey(key);
}

bool DatabaseTree::canAdd() const {
    const TreeItemKey key = currentKey();
    return key == TreeItemKey::satellitesHeader() || isSatelliteKey(key) || isGroupKey(key);
}

bool DatabaseTree::canDelete() const {
    const TreeItemKey key = currentKey();
    if (isSatelliteKey(key) || isTransponderKey(key)) return true;
    const auto& groups = document_.database().groups;
    return isGroupKey(key) && key.subIndex < groups.size() &&
           !isPredefinedGroup(groups[key.subIndex]);
}

void DatabaseTree::editCurrent() {
    if (canEdit()) emit editRequested(currentKey());
}

void DatabaseTree::addCurrent() {
    if (canAdd()) emit addRequested(currentKey());
}

void DatabaseTree::deleteCurrent() {
    if (!canDelete()) return;
    const TreeItemKey key = currentKey();
    const std::size_t s = key.satIndex;
    const std::size_t sub = key.subIndex;
    int question = strings::RemoveGroupQuestion;
    if (isSatelliteKey(key)) question = strings::RemoveSatelliteQuestion;
    if (isTransponderKey(key)) question = strings::RemoveTransponderQuestion;
    if (document_.messages().showMessage(question, {}, MessageStyle::YesNo) != MessageButton::Yes)
        return;

    DocumentCommand* command = nullptr;
    if (isSatelliteKey(key))
        command = new DeleteSatellite(document_, s);
    else if (isTransponderKey(key))
        command = new DeleteTransponder(document_, s, sub);
    else
        command = new DeleteGroup(document_, sub);
    if (!document_.push(command)) return;

    // The item that took the deleted one's place, else the one before, else the parent.
    const ChannelDatabase& db = document_.database();
    TreeItemKey next = TreeItemKey::none();
    if (isSatelliteKey(key)) {
        const int at = nearest(s, db.satellites.size());
        next = at < 0 ? TreeItemKey::satellitesHeader() : TreeItemKey::satellite(index16(at));
    } else if (isTransponderKey(key)) {
        const int at =
            s < db.satellites.size() ? nearest(sub, db.satellites[s].transponders.size()) : -1;
        next = at < 0 ? TreeItemKey::satellite(index16(s))
                      : TreeItemKey::transponder(index16(s), index16(at));
    } else {
        const int at = nearest(sub, shownGroupCount());
        next = at < 0 ? TreeItemKey::groupsHeader() : TreeItemKey::group(0, index16(at));
    }
    selectKey(next);
}

void DatabaseTree::setCommandActions(QAction* edit, QAction* add, QAction* del) {
    editAction_ = edit;
    addAction_ = add;
    deleteAction_ = del;
}

void DatabaseTree::keyPressEvent(QKeyEvent* event) {
    switch (viewKeyCommand(event)) {
        case ViewKeyCommand::Edit:
            return editCurrent();
        case ViewKeyCommand::Add:
            return addCurrent();
        case ViewKeyCommand::Delete:
            return deleteCurrent();
        case ViewKeyCommand::None:
            return QTreeWidget::keyPressEvent(event);
    }
}

void DatabaseTree::mouseDoubleClickEvent(QMouseEvent* event) {
    // Double-clicking a record edits it; on the root and the headers it opens and closes them.
    QTreeWidgetItem* item = itemAt(event->position().toPoint());
    if (event->button() == Qt::LeftButton && item && item == currentItem() && canEdit()) {
        editCurrent();
        event->accept();
        return;
    }
    QTreeWidget::mouseDoubleClickEvent(event);
}

void DatabaseTree::contextMenuEvent(QContextMenuEvent* event) {
    const bool byMouse = event->reason() == QContextMenuEvent::Mouse;
    QTreeWidgetItem* item = byMouse ? itemAt(event->pos()) : currentItem();
    if (!item) return;
    selectItem(item);

    const TreeItemKey key = keyOf(item);
    if (key.kind != TreeItemKey::SatelliteSide && !isGroupKey(key)) return;
    QMenu menu(this);
    for (QAction* action : {editAction_.data(), addAction_.data(), deleteAction_.data()})
        if (action) menu.addAction(action);
    if (menu.isEmpty()) return;
    QAction* preferred = key == TreeItemKey::satellitesHeader() ? addAction_ : editAction_;
    if (preferred) menu.setDefaultAction(preferred);
    menu.exec(byMouse ? event->globalPos()
                      : viewport()->mapToGlobal(visualItemRect(item).center()));
}

void DatabaseTree::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        if (auto* header = satellitesHeader())
            header->setLabel(stringText(strings::SatellitesHeader));
        if (auto* header = groupsHeader()) header->setLabel(stringText(strings::GroupsHeader));
    }
    QTreeWidget::changeEvent(event);
}

// ---- Drag and drop -------------------------------------------------------------------------

void DatabaseTree::startDrag(Qt::DropActions) {
    QTreeWidgetItem* item = currentItem();
    const TreeItemKey key = keyOf(item);
    if (!isDraggable(document_.database(), key)) return;

    auto* drag = new QDrag(this);
    drag->setMimeData(makeTreeDragData(key).release());
    const QRect rect = visualItemRect(item);
    drag->setPixmap(viewport()->grab(rect));
    const QPoint grip = viewport()->mapFromGlobal(QCursor::pos()) - rect.topLeft();
    drag->setHotSpot(
        QPoint(std::clamp(grip.x(), 0, rect.width()), std::clamp(grip.y(), 0, rect.height())));
    // The drop runs a document command and the change rebuilds the items: Qt itself must not
    // remove anything whatever exec() answers.
    drag->exec(Qt::MoveAction, Qt::MoveAction);
    setDropHighlight(nullptr);
}

void DatabaseTree::dragEnterEvent(QDragEnterEvent* event) {
    if (!treeDragKey(event->mimeData())) {
        event->ignore();
        return;
    }
    setState(DraggingState);
    event->setDropAction(Qt::MoveAction);
    event->accept();
}

void DatabaseTree::dragMoveEvent(QDragMoveEvent* event) {
    // The base keeps the hover state and scrolls near the edges; it refuses foreign data, so
    // the decision below is ours alone.
    QTreeWidget::dragMoveEvent(event);
    const auto dragged = treeDragKey(event->mimeData());
    QTreeWidgetItem* target =
        dragged ? dropTargetAt(event->position().toPoint(), *dragged) : nullptr;
    setDropHighlight(target);
    if (target) {
        event->setDropAction(Qt::MoveAction);
        event->accept();
    } else {
        event->ignore();
    }
}

void DatabaseTree::dragLeaveEvent(QDragLeaveEvent* event) {
    QTreeWidget::dragLeaveEvent(event);
    setDropHighlight(nullptr);
}

void DatabaseTree::dropEvent(QDropEvent* event) {
    stopAutoScroll();
    setState(NoState);
    setDropHighlight(nullptr);
    const auto dragged = treeDragKey(event->mimeData());
    QTreeWidgetItem* target =
        dragged ? dropTargetAt(event->position().toPoint(), *dragged) : nullptr;
    if (!target) {
        event->ignore();
        return;
    }
    event->setDropAction(Qt::MoveAction);
    event->accept();

    const TreeItemKey onto = keyOf(target);
    auto command = makeDropCommand(document_, *dragged, onto);
    if (!command || !document_.push(command.release())) return;
    // The moved item took the target's position.
    selectKey(isTransponderKey(onto) ? TreeItemKey::transponder(dragged->satIndex, onto.subIndex)
                                     : onto);
}

QTreeWidgetItem* DatabaseTree::dropTargetAt(const QPoint& pos, const TreeItemKey& dragged) const {
    QTreeWidgetItem* item = itemAt(pos);
    return item && isDropTarget(document_.database(), dragged, keyOf(item)) ? item : nullptr;
}

void DatabaseTree::setDropHighlight(QTreeWidgetItem* item) {
    const QPersistentModelIndex index(item ? indexFromItem(item) : QModelIndex());
    if (index == dropHighlight_) return;
    const auto repaint = [this](const QModelIndex& at) {
        if (at.isValid()) viewport()->update(visualRect(at).adjusted(-1, -1, 1, 1));
    };
    repaint(dropHighlight_);
    dropHighlight_ = index;
    repaint(dropHighlight_);
}

void DatabaseTree::drawRow(QPainter* painter, const QStyleOptionViewItem& option,
                           const QModelIndex& index) const {
    QTreeWidget::drawRow(painter, option, index);
    if (!dropHighlight_.isValid() || index != dropHighlight_) return;
    QColor colour = option.palette.color(QPalette::Active, QPalette::Highlight);
    painter->save();
    painter->setPen(colour);
    colour.setAlpha(60);
    painter->setBrush(colour);
    painter->drawRect(option.rect.adjusted(0, 0, -1, -1));
    painter->restore();
}

}  // namespace kavro::gui
