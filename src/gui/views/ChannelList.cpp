#include "gui/views/ChannelList.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QScrollBar>
#include <algorithm>

#include "document/commands/RemoveChannels.h"
#include "document/commands/RemoveGroupMembers.h"
#include "document/commands/ToggleGroupMember.h"
#include "gui/app/DisplayText.h"
#include "gui/views/ChannelTableModel.h"
#include "gui/views/OwnDirectionDelegate.h"
#include "gui/views/ViewKeys.h"
#include "messages/StringIds.h"

namespace kavro::gui {
namespace {

constexpr int kColumnWidths[ChannelColumnCount] = {50, 150, 130, 104, 50, 50,
                                                   50, 50,  50,  50,  50, 80};

// The first four groups' entries: a TV, RADIO or DATA group takes only channels of its type.
bool groupEntryEnabled(int kind, int firstSelectedType) {
    if (kind < ChannelDatabase::GroupData || kind > ChannelDatabase::GroupTv) return true;
    return firstSelectedType == ChannelDatabase::GroupTv - kind;
}

}  // namespace

ChannelList::ChannelList(ChannelDocument& document, QWidget* parent)
    : QTableView(parent), document_(document), model_(new ChannelTableModel(document, this)) {
    setModel(model_);
    setItemDelegate(new OwnDirectionDelegate(this));
    setSelectionBehavior(SelectRows);
    setSelectionMode(ExtendedSelection);
    setEditTriggers(NoEditTriggers);
    setShowGrid(true);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    setSortingEnabled(false);  // the header click sorts with the list's own rules
    setFrameShape(QFrame::StyledPanel);
    setIconSize(QSize(16, 16));
    setDefaultDropAction(Qt::MoveAction);
    setDragDropOverwriteMode(false);
    setDropIndicatorShown(true);
    setDragDropMode(NoDragDrop);

    QPalette pal = palette();
    pal.setColor(QPalette::Base, fromColorRef(kListBackground));
    setPalette(pal);

    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    updateRowHeight();

    QHeaderView* header = horizontalHeader();
    header->setHighlightSections(false);
    header->setSectionsClickable(true);
    header->setSortIndicatorShown(true);
    header->setStretchLastSection(false);
    for (int c = 0; c < ChannelColumnCount; ++c) setColumnWidth(c, kColumnWidths[c]);
    header->setSortIndicator(model_->sortColumn(), model_->sortOrder());
    connect(header, &QHeaderView::sectionClicked, model_, &ChannelTableModel::sortByHeader);
    connect(model_, &ChannelTableModel::sortStateChanged, this, [this] {
        horizontalHeader()->setSortIndicator(model_->sortColumn(), model_->sortOrder());
    });

    connect(model_, &QAbstractItemModel::modelAboutToBeReset, this, &ChannelList::rememberView);
    connect(model_, &QAbstractItemModel::modelReset, this, &ChannelList::restoreView);
    connect(model_, &QAbstractItemModel::layoutChanged, this, &ChannelList::selectionInfoChanged);
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &ChannelList::selectionInfoChanged);
}

ChannelList::~ChannelList() = default;

void ChannelList::showKey(const TreeItemKey& key) {
    keepView_ = key == model_->shownKey();
    model_->showKey(key);
    keepView_ = true;
}

TreeItemKey ChannelList::shownKey() const {
    return model_->shownKey();
}

int ChannelList::rowCountShown() const {
    return model_->rowCount();
}

int ChannelList::selectedRowCount() const {
    return int(selectedRowList().size());
}

std::optional<std::pair<int, int>> ChannelList::selectedSpan() const {
    const std::vector<int> rows = selectedRowList();
    if (rows.empty()) return std::nullopt;
    return std::pair{rows.front() + 1, rows.back() + 1};
}

bool ChannelList::canEdit() const {
    return shownKey().inSatelliteBranch() && selectionModel()->hasSelection();
}

bool ChannelList::canAdd() const {
    return shownKey().inSatelliteBranch();
}

bool ChannelList::canDelete() const {
    return selectionModel()->hasSelection();
}

bool ChannelList::canSelectAll() const {
    const int rows = rowCountShown();
    return rows > 0 && selectedRowCount() < rows;
}

void ChannelList::setCommandActions(QAction* edit, QAction* add, QAction* del, QAction* selectAll) {
    edit_ = edit;
    add_ = add;
    del_ = del;
    selectAll_ = selectAll;
}

std::vector<int> ChannelList::selectedRowList() const {
    std::vector<int> rows;
    for (const QModelIndex& index : selectionModel()->selectedRows()) rows.push_back(index.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

std::optional<ChannelRef> ChannelList::firstSelectedChannel() const {
    const std::vector<int> rows = selectedRowList();
    if (rows.empty()) return std::nullopt;
    ChannelRef ref = model_->rowAt(rows.front()).ref;
    ref.chIndex = 0xFFFF;
    if (!document_.database().findChannel(ref)) return std::nullopt;
    return ref;
}

void ChannelList::requestEdit() {
    if (!canEdit()) return;
    if (const auto ref = firstSelectedChannel()) emit editRequested(*ref);
}

void ChannelList::requestAdd() {
    if (canAdd()) emit addRequested();
}

void ChannelList::deleteSelected() {
    const std::vector<int> rows = selectedRowList();
    if (rows.empty()) return;
    const int question =
        rows.size() < 2 ? strings::RemoveChannelQuestion : strings::RemoveChannelsQuestion;
    if (document_.messages().showMessage(question, {}, MessageStyle::YesNo) != MessageButton::Yes)
        return;

    bool removed = false;
    if (shownKey().inSatelliteBranch()) {
        std::vector<ChannelRef> refs;
        for (int r : rows) refs.push_back(model_->rowAt(r).ref);
        removed = document_.push(new RemoveChannels(document_, refs));
    } else if (model_->inGroupView()) {
        std::vector<std::uint16_t> numbers;
        for (int r : rows) numbers.push_back(model_->rowAt(r).ref.number);
        removed = document_.push(
            new RemoveGroupMembers(document_, std::size_t(model_->shownGroup()), numbers));
    }
    // The row that now follows the removed ones, or the last row.
    if (removed && rowCountShown() > 0)
        selectOnly(std::min(rows.back() - int(rows.size()) + 1, rowCountShown() - 1));
}

void ChannelList::selectAllRows() {
    selectAll();
}

void ChannelList::toggleGroup(int g) {
    const std::vector<int> rows = selectedRowList();
    if (rows.empty() || g < 0 || std::size_t(g) >= document_.database().groups.size()) return;
    ChannelRef ref = model_->rowAt(rows.front()).ref;
    ref.chIndex = 0xFFFF;  // by number, within its transponder
    document_.push(new ToggleGroupMember(document_, std::size_t(g), ref));
}

void ChannelList::selectCryptedRows(bool crypted) {
    const QItemSelection selection = cryptedRuns(crypted);
    if (selection.isEmpty()) {
        clearSelection();
        return;
    }
    const QModelIndex first = selection.first().topLeft();
    selectionModel()->setCurrentIndex(first, QItemSelectionModel::NoUpdate);
    selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
    scrollTo(first);
}

QItemSelection ChannelList::cryptedRuns(bool crypted) const {
    return rowRuns([this, crypted](int r) { return model_->rowAt(r).crypted == crypted; });
}

QItemSelection ChannelList::rowRuns(const std::function<bool(int row)>& take) const {
    QItemSelection selection;
    int runStart = -1;
    const int rows = model_->rowCount();
    for (int r = 0; r <= rows; ++r) {
        const bool taken = r < rows && take(r);
        if (taken && runStart < 0) runStart = r;
        if (!taken && runStart >= 0) {
            selection.select(model_->index(runStart, 0),
                             model_->index(r - 1, ChannelColumnCount - 1));
            runStart = -1;
        }
    }
    return selection;
}

bool ChannelList::selectChannel(const ChannelPlace& place) {
    const int row = model_->rowOf(place);
    if (row < 0) return false;
    selectOnly(row);
    return true;
}

void ChannelList::selectOnly(int row) {
    const QModelIndex index = model_->index(row, 0);
    selectionModel()->setCurrentIndex(
        index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    scrollTo(index);
}

void ChannelList::rememberView() {
    savedSelection_.clear();
    savedCurrent_.reset();
    if (!keepView_) return;
    for (int r : selectedRowList()) ++savedSelection_[model_->rowAt(r).identity];
    if (currentIndex().isValid()) savedCurrent_ = model_->rowAt(currentIndex().row()).identity;
    savedScroll_ = verticalScrollBar()->value();
}

void ChannelList::restoreView() {
    setDragDropMode(model_->inGroupView() ? InternalMove : NoDragDrop);
    if (!keepView_) {
        scrollToTop();
        emit selectionInfoChanged();
        return;
    }
    const QItemSelection selection = rowRuns([this](int r) {
        const std::size_t id = model_->rowAt(r).identity;
        if (savedCurrent_ == id) {
            selectionModel()->setCurrentIndex(model_->index(r, 0), QItemSelectionModel::NoUpdate);
            savedCurrent_.reset();
        }
        auto it = savedSelection_.find(id);
        if (it == savedSelection_.end() || it.value() == 0) return false;
        --it.value();  // a member listed twice keeps as many selected rows as it had
        return true;
    });
    selectionModel()->select(selection, QItemSelectionModel::Select);
    executeDelayedItemsLayout();
    verticalScrollBar()->setValue(savedScroll_);
    emit selectionInfoChanged();
}

std::unique_ptr<QMenu> ChannelList::createContextMenu(const QPoint& viewportPos) {
    if (!shownKey().inSatelliteBranch()) return nullptr;
    const QModelIndex hit = indexAt(viewportPos);
    auto menu = std::make_unique<QMenu>(this);
    // The window's own actions: it enables them (by canEdit() and the like while the list
    // has the focus) and routes them.
    for (QAction* action : {edit_.data(), add_.data(), del_.data(), selectAll_.data()})
        if (action) menu->addAction(action);
    // Every free-to-air or every crypted channel at once, for one Del or one look.
    for (const bool crypted : {false, true}) {
        QAction* pick = menu->addAction(crypted ? tr("Select &Crypted channals")
                                                : tr("Select Clear channals &FTA"));
        pick->setObjectName(crypted ? QStringLiteral("selectCrypted")
                                    : QStringLiteral("selectClear"));
        pick->setStatusTip(crypted ? tr("Select the crypted channels of the list.")
                                   : tr("Select the free-to-air channels of the list."));
        pick->setEnabled(!cryptedRuns(crypted).isEmpty());
        connect(pick, &QAction::triggered, this, [this, crypted] { selectCryptedRows(crypted); });
    }
    if (QAction* preferred = hit.isValid() ? edit_.data() : add_.data())
        menu->setDefaultAction(preferred);
    menu->addSeparator();

    QMenu* groupMenu = menu->addMenu(tr("&Group"));
    const ChannelDatabase& db = document_.database();
    if (!hit.isValid() || db.groups.empty()) {
        groupMenu->setEnabled(false);
        return menu;
    }
    const std::uint16_t number = model_->rowAt(hit.row()).ref.number;
    std::optional<ChannelRef> first = firstSelectedChannel();
    const int firstType = first ? db.findChannel(*first)->serviceType() : ChannelRecord::NoType;
    // The receiver's own groups (ALL, TV, RADIO, DATA) above the separator, the user's below.
    for (const bool predefined : {true, false}) {
        bool any = false;
        for (std::size_t g = 0; g < db.groups.size(); ++g) {
            const GroupRecord& group = db.groups[g];
            const int kind = ChannelDatabase::groupKind(group);
            if (ChannelDatabase::isPredefined(kind) != predefined) continue;
            any = true;
            const QString name = displayName(group).replace(u'&', QLatin1String("&&"));
            QAction* entry = groupMenu->addAction(QStringLiteral("%1. %2").arg(g + 1).arg(name));
            entry->setCheckable(true);
            entry->setChecked(
                std::any_of(group.refs.begin(), group.refs.end(),
                            [number](const ChannelRef& r) { return r.number == number; }));
            if (g < 4) entry->setEnabled(first && groupEntryEnabled(kind, firstType));
            connect(entry, &QAction::triggered, this, [this, g] { toggleGroup(int(g)); });
        }
        if (predefined && any) groupMenu->addSeparator();
    }
    return menu;
}

void ChannelList::contextMenuEvent(QContextMenuEvent* event) {
    const bool byMouse = event->reason() == QContextMenuEvent::Mouse;
    const QPoint pos = byMouse ? event->pos() : visualRect(currentIndex()).center();
    if (auto menu = createContextMenu(pos))
        menu->exec(byMouse ? event->globalPos() : viewport()->mapToGlobal(pos));
}

void ChannelList::keyPressEvent(QKeyEvent* event) {
    switch (viewKeyCommand(event)) {
        case ViewKeyCommand::Edit:
            return requestEdit();
        case ViewKeyCommand::Add:
            return requestAdd();
        case ViewKeyCommand::Delete:
            return deleteSelected();
        case ViewKeyCommand::None:
            return QTableView::keyPressEvent(event);
    }
}

void ChannelList::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return QTableView::mouseDoubleClickEvent(event);
    const QModelIndex hit = indexAt(event->position().toPoint());
    if (!hit.isValid()) return requestAdd();
    // Edit opens on the first selected row; make sure that is the row double-clicked.
    if (canAdd() && !selectionModel()->isRowSelected(hit.row())) selectOnly(hit.row());
    requestEdit();
}

void ChannelList::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) model_->retranslate();
    if (event->type() == QEvent::FontChange) updateRowHeight();
    QTableView::changeEvent(event);
}

void ChannelList::updateRowHeight() {
    verticalHeader()->setDefaultSectionSize(std::max(fontMetrics().height() + 4, 20));
}

}  // namespace kavro::gui
