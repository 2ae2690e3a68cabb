#pragma once

#include <QLabel>
#include <QMainWindow>
#include <QPointer>
#include <QSettings>
#include <QSplitter>

#include "editing/TreeItemKey.h"
#include "gui/app/RecentFiles.h"

class QMenu;
class QToolBar;

namespace kavro {
class ChannelDocument;
}

namespace kavro::gui {

class ChannelList;
class CommandActions;
class DatabaseTree;
class FileDialogs;
class StatusPanes;
class TransferController;

// The main window: menus, toolbar, status bar, and the splitter with the satellite/group
// tree on the left and the channel list on the right. It runs the file commands and the
// tools through the document, decides which commands are enabled, and sends Edit, Add and
// Del to the view that has the focus.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    MainWindow(ChannelDocument& document, FileDialogs& fileDialogs, QSettings& profile,
               QWidget* parent = nullptr);
    ~MainWindow() override;

    ChannelDocument& document() const { return document_; }
    DatabaseTree* tree() const { return tree_; }
    ChannelList* channelList() const { return list_; }
    CommandActions* actions() const { return actions_; }
    StatusPanes* statusPanes() const { return panes_; }
    QString statusText() const { return message_->text(); }

    // Opens `path` as a document, asking first about unsaved changes (command line, dropped
    // files, recent files).
    bool openFile(const QString& path);

    // Where the window first appears on a screen with `available` space: 750 x 520 (wider
    // when `preferredWidth` asks for it), never larger than the screen, centred horizontally,
    // at the top.
    static QRect initialGeometry(const QRect& available, int preferredWidth = 750);

public slots:
    // Applies the command-enabling rules; runs whenever something they depend on changes.
    void updateCommands();

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private slots:
    void fileOpen();
    bool fileSave();
    bool fileSaveAs();
    void readAgainFile();
    void editItem();
    void addItem();
    void deleteItem();
    void removeDataChannels();
    void removeCBand();
    void sortChannels();
    void showAbout();

private:
    void createMenus();
    void createToolBar();
    void connectDocument();
    bool maybeSave();
    bool doSave(const QString& path);
    bool openWithoutAsking(const QString& path);
    void rebuildRecentMenu();
    void updateTitle();
    void refreshSelectionPanes();
    bool treeIsActive() const;
    void focusOtherPane();

    ChannelDocument& document_;
    FileDialogs& fileDialogs_;
    RecentFiles recentFiles_;
    CommandActions* actions_;
    QSplitter* splitter_;
    QToolBar* toolBar_ = nullptr;
    DatabaseTree* tree_;
    ChannelList* list_;
    StatusPanes* panes_;
    QLabel* message_;
    TransferController* transfers_;
    QMenu* recentMenu_;
    QAction* recentSeparator_ = nullptr;
    QMenu* fileMenu_ = nullptr;
    QMenu* languageMenu_ = nullptr;
    // The view Edit, Add and Del go to: the tree while it has the focus, else the list.
    QPointer<QWidget> lastFocusedView_;
};

}  // namespace kavro::gui
