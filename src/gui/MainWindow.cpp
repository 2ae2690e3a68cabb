#include "gui/MainWindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QMenuBar>
#include <QMimeData>
#include <QScreen>
#include <QShortcut>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>
#include <QUndoStack>

#include "arabic/ArabicNameList.h"
#include "document/ChannelDocument.h"
#include "document/commands/AutoArabize.h"
#include "document/commands/RemoveCBand.h"
#include "document/commands/RemoveDataChannels.h"
#include "document/commands/RenumberChannels.h"
#include "gui/AboutDialog.h"
#include "gui/app/CommandActions.h"
#include "gui/app/DisplayText.h"
#include "gui/app/FileDialogs.h"
#include "gui/app/Icons.h"
#include "gui/app/StatusPanes.h"
#include "gui/dialogs/ArabicListDialog.h"
#include "gui/dialogs/ParametersDialog.h"
#include "gui/dialogs/RecordEditor.h"
#include "gui/find/FindController.h"
#include "gui/transfer/TransferController.h"
#include "gui/views/ChannelList.h"
#include "gui/views/DatabaseTree.h"
#include "messages/StringIds.h"

namespace kavro::gui {
namespace {

constexpr int kTreeWidth = 208;

// Wait cursor for the length of a file operation.
class WaitCursor {
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

// The first local file among dropped items (a document opens one file at a time).
QString firstLocalFile(const QMimeData* data) {
    for (const QUrl& url : data->urls())
        if (url.isLocalFile()) return url.toLocalFile();
    return {};
}

QString applicationTitle() {
    return stringText(strings::DocumentTemplate).section('\n', 0, 0);
}

// The credit the title bar carries after the document's name.
QString creditText() {
    return QStringLiteral("the Kavro developers");
}

}  // namespace

MainWindow::MainWindow(ChannelDocument& document, FileDialogs& fileDialogs, QSettings& profile,
                       QWidget* parent)
    : QMainWindow(parent),
      document_(document),
      fileDialogs_(fileDialogs),
      recentFiles_(profile),
      actions_(new CommandActions(document.undoStack(), this)) {
    setWindowIcon(applicationIcon());
    setAcceptDrops(true);

    splitter_ = new QSplitter(Qt::Horizontal, this);
    tree_ = new DatabaseTree(document_, splitter_);
    list_ = new ChannelList(document_, splitter_);
    splitter_->addWidget(tree_);
    splitter_->addWidget(list_);
    splitter_->setStretchFactor(0, 0);
    splitter_->setStretchFactor(1, 1);
    splitter_->setChildrenCollapsible(false);
    // Wide enough for a transponder label at its depth in the tree's own font.
    const int labelWidth =
        tree_->fontMetrics().horizontalAdvance(QStringLiteral("000. 00000 H 00000"));
    const int treeWidth =
        std::max(kTreeWidth, labelWidth + 4 * tree_->indentation() + tree_->iconSize().width() +
                                 tree_->style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 32);
    splitter_->setSizes({treeWidth, 750 - treeWidth});
    setCentralWidget(splitter_);
    tree_->setCommandActions(actions_->edit, actions_->add, actions_->del);
    list_->setCommandActions(actions_->edit, actions_->add, actions_->del, actions_->selectAll);

    message_ = new QLabel(stringText(strings::Ready), this);
    statusBar()->addWidget(message_, 1);
    panes_ = new StatusPanes(statusBar());

    createMenus();
    createToolBar();
    connectDocument();
    // Edit and Add (actions, keys, double-clicks) open the edit dialogs through the views.
    (new RecordEditor(document_, tree_, list_, this))->connectViews();
    transfers_ = new TransferController(
        document_, this, [this] { return fileSave(); }, this);
    connect(actions_->upload, &QAction::triggered, transfers_, &TransferController::upload);
    connect(actions_->download, &QAction::triggered, transfers_, &TransferController::download);
    connect(transfers_, &TransferController::statusText, message_, &QLabel::setText);
    auto* find = new FindController(document_, tree_, list_, this);
    connect(actions_->find, &QAction::triggered, find, &FindController::find);
    connect(actions_->findNext, &QAction::triggered, find, &FindController::findNext);

    // F6 and Shift+F6 move between the two panes.
    auto* nextPane = new QShortcut(QKeySequence(Qt::Key_F6), this);
    auto* previousPane = new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F6), this);
    connect(nextPane, &QShortcut::activated, this, &MainWindow::focusOtherPane);
    connect(previousPane, &QShortcut::activated, this, &MainWindow::focusOtherPane);

    connect(tree_, &DatabaseTree::currentKeyChanged, this, [this](const TreeItemKey& key) {
        list_->showKey(key);
        updateCommands();
    });
    connect(list_, &ChannelList::selectionInfoChanged, this, [this] {
        refreshSelectionPanes();
        updateCommands();
    });
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        for (QWidget* w = now; w; w = w->parentWidget())
            if (w == tree_ || w == list_) {
                lastFocusedView_ = w;
                break;
            }
        updateCommands();
    });
    lastFocusedView_ = list_;

    if (const QScreen* screen = QGuiApplication::primaryScreen())
        // Wide enough for the whole toolbar where the screen allows it, so no button hides
        // behind the overflow arrow.
        setGeometry(initialGeometry(screen->availableGeometry(), toolBar_->sizeHint().width()));
    list_->showKey(tree_->currentKey());
    updateTitle();
    refreshSelectionPanes();
    updateCommands();
}

// The application's focus signal must not reach a window that is being taken apart.
MainWindow::~MainWindow() {
    disconnect(qApp, nullptr, this, nullptr);
}

void MainWindow::changeEvent(QEvent* event) {
    // The title, the status message and the recent-file prompts follow a language change.
    if (event->type() == QEvent::LanguageChange) {
        updateTitle();
        message_->setText(stringText(strings::Ready));
        rebuildRecentMenu();
    }
    QMainWindow::changeEvent(event);
}

QRect MainWindow::initialGeometry(const QRect& available, int preferredWidth) {
    const int width = std::min(available.width(), std::max(750, preferredWidth));
    const int height = std::min(available.height(), 520);
    const int x = available.x() + (available.width() - width) / 2;
    return {x, available.y() + 1, width, height};
}

void MainWindow::createMenus() {
    CommandActions& a = *actions_;
    fileMenu_ = menuBar()->addMenu(tr("&File"));
    fileMenu_->addAction(a.open);
    fileMenu_->addAction(a.save);
    fileMenu_->addAction(a.saveAs);
    fileMenu_->addSeparator();
    fileMenu_->addAction(a.readAgain);
    recentSeparator_ = fileMenu_->addSeparator();
    recentMenu_ = new QMenu(tr("Recent files"), this);
    fileMenu_->addSeparator();
    fileMenu_->addAction(a.exit);
    rebuildRecentMenu();

    QMenu* edit = menuBar()->addMenu(tr("&Edit"));
    edit->addAction(a.undo);
    edit->addAction(a.redo);
    edit->addSeparator();
    edit->addAction(a.edit);
    edit->addAction(a.add);
    edit->addAction(a.del);
    edit->addSeparator();
    edit->addAction(a.selectAll);
    edit->addSeparator();
    edit->addAction(a.find);
    edit->addAction(a.findNext);

    QMenu* view = menuBar()->addMenu(tr("&View"));
    view->addAction(a.toolBar);
    view->addAction(a.statusBar);
    view->addSeparator();
    languageMenu_ = view->addMenu(tr("&Language"));
    languageMenu_->addAction(a.english);
    languageMenu_->addAction(a.arabic);
    languageMenu_->addAction(a.french);

    QMenu* tools = menuBar()->addMenu(tr("&Tools"));
    tools->addAction(a.autoArabisation);
    tools->addAction(a.removeData);
    tools->addAction(a.removeCBand);
    tools->addSeparator();
    tools->addAction(a.upload);
    tools->addAction(a.download);
    tools->addSeparator();
    tools->addAction(a.arabicChannels);
    tools->addAction(a.sort);
    tools->addAction(a.parameters);

    QMenu* help = menuBar()->addMenu(tr("&Help"));
    help->addAction(a.about);

    connect(a.open, &QAction::triggered, this, &MainWindow::fileOpen);
    connect(a.save, &QAction::triggered, this, &MainWindow::fileSave);
    connect(a.saveAs, &QAction::triggered, this, &MainWindow::fileSaveAs);
    connect(a.readAgain, &QAction::triggered, this, &MainWindow::readAgainFile);
    connect(a.exit, &QAction::triggered, this, &QWidget::close);
    connect(a.edit, &QAction::triggered, this, &MainWindow::editItem);
    connect(a.add, &QAction::triggered, this, &MainWindow::addItem);
    connect(a.del, &QAction::triggered, this, &MainWindow::deleteItem);
    connect(a.selectAll, &QAction::triggered, list_, &ChannelList::selectAllRows);
    connect(a.removeData, &QAction::triggered, this, &MainWindow::removeDataChannels);
    connect(a.removeCBand, &QAction::triggered, this, &MainWindow::removeCBand);
    connect(a.sort, &QAction::triggered, this, &MainWindow::sortChannels);
    connect(a.about, &QAction::triggered, this, &MainWindow::showAbout);
    connect(a.parameters, &QAction::triggered, this,
            [this] { ParametersDialog::run(document_, this); });
    connect(a.arabicChannels, &QAction::triggered, this, [this] {
        ArabicListDialog::run(arabicNameListLocation(), document_.messages(), this);
    });
    connect(a.autoArabisation, &QAction::triggered, this, [this] {
        const int renamed = autoArabize(document_);
        message_->setText(tr("%n channel(s) renamed", "", renamed));
    });
}

void MainWindow::createToolBar() {
    CommandActions& a = *actions_;
    QToolBar* bar = addToolBar(tr("Toolbar"));
    toolBar_ = bar;
    bar->setObjectName(QStringLiteral("mainToolBar"));
    bar->setIconSize(QSize(24, 24));
    bar->setMovable(false);

    // Open and Language carry a drop-down arrow: the recent files, the languages.
    auto* open = new QToolButton(bar);
    open->setDefaultAction(a.open);
    open->setMenu(recentMenu_);
    open->setPopupMode(QToolButton::MenuButtonPopup);
    bar->addWidget(open);
    bar->addSeparator();
    bar->addAction(a.upload);
    bar->addAction(a.download);
    bar->addSeparator();
    bar->addAction(a.save);
    bar->addAction(a.saveAs);
    bar->addAction(a.readAgain);
    bar->addSeparator();
    bar->addAction(a.undo);
    bar->addAction(a.redo);
    bar->addSeparator();
    bar->addAction(a.edit);
    bar->addAction(a.add);
    bar->addAction(a.del);
    bar->addAction(a.removeData);
    bar->addAction(a.removeCBand);
    bar->addSeparator();
    bar->addAction(a.find);
    bar->addAction(a.autoArabisation);
    bar->addAction(a.arabicChannels);
    bar->addAction(a.sort);
    auto* language = new QToolButton(bar);
    language->setDefaultAction(a.language);
    language->setMenu(languageMenu_);
    language->setPopupMode(QToolButton::MenuButtonPopup);
    bar->addWidget(language);
    bar->addAction(a.parameters);
    bar->addSeparator();
    bar->addAction(a.about);
    bar->addSeparator();
    bar->addAction(a.exit);

    connect(a.toolBar, &QAction::toggled, bar, &QWidget::setVisible);
    connect(a.statusBar, &QAction::toggled, statusBar(), &QWidget::setVisible);
}

void MainWindow::connectDocument() {
    connect(&document_, &ChannelDocument::modifiedChanged, this, [this] {
        updateTitle();
        updateCommands();
    });
    connect(&document_, &ChannelDocument::pathChanged, this, [this] {
        updateTitle();
        updateCommands();
    });
    connect(&document_, &ChannelDocument::receivedChanged, this, &MainWindow::updateCommands);
    connect(&document_, &ChannelDocument::statusMessage, this,
            [this](int id) { message_->setText(stringText(id)); });
    connect(&document_, &ChannelDocument::changed, this, &MainWindow::updateCommands);
    connect(document_.undoStack(), &QUndoStack::indexChanged, this, &MainWindow::updateCommands);
}

void MainWindow::updateCommands() {
    CommandActions& a = *actions_;
    const bool loaded = document_.hasPath();
    const bool modified = document_.isModified();
    a.save->setEnabled(loaded && modified);
    a.readAgain->setEnabled(loaded && modified && !document_.receivedFromReceiver());
    for (QAction* action : {a.saveAs, a.find, a.findNext, a.autoArabisation, a.removeData,
                            a.removeCBand, a.download, a.sort, a.parameters})
        action->setEnabled(loaded);
    a.selectAll->setEnabled(list_->canSelectAll());

    const bool tree = treeIsActive();
    a.edit->setEnabled(tree ? tree_->canEdit() : list_->canEdit());
    a.add->setEnabled(tree ? tree_->canAdd() : list_->canAdd());
    a.del->setEnabled(tree ? tree_->canDelete() : list_->canDelete());
}

bool MainWindow::treeIsActive() const {
    return lastFocusedView_ == tree_;
}

void MainWindow::focusOtherPane() {
    if (treeIsActive())
        list_->setFocus(Qt::ShortcutFocusReason);
    else
        tree_->setFocus(Qt::ShortcutFocusReason);
}

void MainWindow::updateTitle() {
    const QString name =
        document_.hasPath() ? QString::fromStdString(document_.fileName()) : tr("Untitled");
    const QString documentTitle =
        name + stringText(strings::RealizedBy).replace(QLatin1String("%s"), creditText());
    setWindowTitle(QStringLiteral("%1 - %2[*]").arg(applicationTitle(), documentTitle));
    setWindowModified(document_.isModified());
}

void MainWindow::refreshSelectionPanes() {
    panes_->showSelection(list_->selectedSpan(), list_->selectedRowCount(), list_->rowCountShown());
}

bool MainWindow::maybeSave() {
    if (!document_.isModified()) return true;
    const QString name =
        document_.hasPath() ? QString::fromStdString(document_.path()) : tr("Untitled");
    const MessageButton answer = document_.messages().showText(
        toWindows1256(tr("Save changes to %1?").arg(name)), MessageStyle::YesNoCancel);
    if (answer == MessageButton::Yes) return fileSave();
    return answer == MessageButton::No;
}

void MainWindow::fileOpen() {
    if (!maybeSave()) return;
    const QString current = QString::fromStdString(document_.path());
    const QString chosen = fileDialogs_.openFileName(this, current);
    // A cancelled dialog changes nothing at all.
    if (chosen.isEmpty()) return;
    // The current file is already open: Read again is the command that re-reads it.
    if (!current.isEmpty() && QFileInfo(chosen) == QFileInfo(current)) return;
    repaint();
    openWithoutAsking(chosen);
}

bool MainWindow::openFile(const QString& path) {
    return maybeSave() && openWithoutAsking(path);
}

bool MainWindow::openWithoutAsking(const QString& path) {
    WaitCursor wait;
    if (!document_.openDocument(path.toStdString())) return false;
    recentFiles_.add(path);
    rebuildRecentMenu();
    return true;
}

bool MainWindow::fileSave() {
    const QString path = QString::fromStdString(document_.path());
    const QFileInfo file(path);
    // No path yet, a file that is gone, or one marked read-only (even for a user who could
    // write it anyway): ask for a name.
    const bool readOnly = !(QFile::permissions(path) & QFile::WriteOwner) || !file.isWritable();
    if (!document_.hasPath() || !file.exists() || readOnly) return fileSaveAs();
    // A save writes beside the file first; a folder that cannot be written means another place.
    if (!QFileInfo(file.absolutePath()).isWritable()) return fileSaveAs();
    // Received data is named after the receiver's default file, which may well be another
    // database of the user's: never replace it without asking.
    if (document_.receivedFromReceiver()) {
        const MessageButton answer = document_.messages().showText(
            toWindows1256(tr("%1 already exists.\nDo you want to replace it with the data "
                             "received from the receiver?")
                              .arg(QDir::toNativeSeparators(file.absoluteFilePath()))),
            MessageStyle::YesNo);
        if (answer != MessageButton::Yes) return fileSaveAs();
    }
    return doSave(file.filePath());
}

bool MainWindow::fileSaveAs() {
    const QString proposal = stringText(strings::DocumentTemplate).section('\n', 2, 2) +
                             stringText(strings::DocumentTemplate).section('\n', 4, 4);
    const QString name = fileDialogs_.saveFileName(this, proposal);
    if (name.isEmpty()) return false;
    return doSave(name);
}

bool MainWindow::doSave(const QString& path) {
    const TreeItemKey key = tree_->currentKey();
    bool saved;
    {
        WaitCursor wait;
        repaint();
        saved = document_.saveDocument(path.toStdString());
    }
    if (!saved) return false;
    recentFiles_.add(path);
    rebuildRecentMenu();
    // The save reads the file back; the user stays where they were (the list keeps its own
    // selection).
    tree_->selectKey(key);
    return true;
}

void MainWindow::readAgainFile() {
    const TreeItemKey key = tree_->currentKey();
    {
        WaitCursor wait;
        document_.readAgain();
    }
    // The same tree item again; the list keeps its selection of the same channels.
    tree_->selectKey(key);
}

void MainWindow::editItem() {
    if (treeIsActive())
        tree_->editCurrent();
    else
        list_->requestEdit();
}

void MainWindow::addItem() {
    if (treeIsActive())
        tree_->addCurrent();
    else
        list_->requestAdd();
}

void MainWindow::deleteItem() {
    if (treeIsActive())
        tree_->deleteCurrent();
    else
        list_->deleteSelected();
}

void MainWindow::removeDataChannels() {
    document_.push(new RemoveDataChannels(document_));
}

void MainWindow::removeCBand() {
    document_.push(new RemoveCBand(document_));
}

void MainWindow::sortChannels() {
    WaitCursor wait;
    document_.push(new RenumberChannels(document_));
}

void MainWindow::showAbout() {
    AboutDialog dialog(this);
    dialog.exec();
}

void MainWindow::rebuildRecentMenu() {
    // The recent files stand in the File menu itself, after Read again, and under the Open
    // button's arrow.
    for (QAction* old : fileMenu_->actions())
        if (old->property("recentFile").isValid()) fileMenu_->removeAction(old);
    recentMenu_->clear();
    const QStringList files = recentFiles_.files();
    QList<QAction*> entries;
    for (int i = 0; i < files.size(); ++i) {
        const QString path = files[i];
        auto* action = new QAction(QStringLiteral("&%1 %2").arg(i + 1).arg(path), recentMenu_);
        action->setProperty("recentFile", path);
        action->setStatusTip(tr("Open this document."));
        connect(action, &QAction::triggered, this, [this, path] { openFile(path); });
        recentMenu_->addAction(action);
        entries << action;
    }
    const QList<QAction*> all = fileMenu_->actions();
    const int at = all.indexOf(recentSeparator_);
    QAction* before = at >= 0 && at + 1 < all.size() ? all[at + 1] : nullptr;
    fileMenu_->insertActions(before, entries);
    recentMenu_->setEnabled(!files.isEmpty());
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // A transfer still running is cancelled first: nothing half-received becomes the document.
    transfers_->cancelAndWait();
    if (maybeSave())
        event->accept();
    else
        event->ignore();
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (!firstLocalFile(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
    const QString path = firstLocalFile(event->mimeData());
    if (path.isEmpty()) return;
    event->acceptProposedAction();
    activateWindow();
    openFile(path);
}

}  // namespace kavro::gui
