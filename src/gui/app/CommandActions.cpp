#include "gui/app/CommandActions.h"

#include <QUndoStack>

#include "gui/app/DisplayText.h"
#include "gui/app/Icons.h"
#include "messages/StringIds.h"

namespace kavro::gui {

using namespace kavro::strings;

QAction* CommandActions::make(const QString& text, int stringId, const QString& icon) {
    auto* action = new QAction(text, this);
    if (stringId != 0) {
        action->setStatusTip(stringField(stringId, 0));
        action->setToolTip(stringField(stringId, 1));
    }
    if (!icon.isEmpty()) action->setIcon(toolbarIcon(icon));
    return action;
}

CommandActions::CommandActions(QUndoStack* undoStack, QObject* parent) : QObject(parent) {
    open = make(tr("&Open..."), CmdOpen, QStringLiteral("open"));
    open->setShortcut(QKeySequence::Open);
    save = make(tr("&Save"), CmdSave, QStringLiteral("save"));
    save->setShortcut(QKeySequence::Save);
    saveAs = make(tr("Save &As..."), CmdSaveAs, QStringLiteral("save-as"));
    saveAs->setShortcut(QKeySequence(QStringLiteral("Ctrl+Shift+S")));
    readAgain = make(tr("&Read again file"), CmdReadAgain, QStringLiteral("read-again"));
    exit = make(tr("E&xit"), CmdExit, QStringLiteral("exit"));
    exit->setShortcut(QKeySequence(QStringLiteral("Ctrl+Q")));
    exit->setMenuRole(QAction::QuitRole);

    undo = undoStack->createUndoAction(this, tr("&Undo"));
    undo->setIcon(toolbarIcon(QStringLiteral("undo")));
    undo->setShortcuts({QKeySequence::Undo, QKeySequence(QStringLiteral("Alt+Backspace"))});
    undo->setStatusTip(tr("Undo the last change."));
    redo = undoStack->createRedoAction(this, tr("&Redo"));
    redo->setIcon(toolbarIcon(QStringLiteral("redo")));
    redo->setShortcuts(
        {QKeySequence(QStringLiteral("Ctrl+Y")), QKeySequence(QStringLiteral("Ctrl+Shift+Z"))});
    redo->setStatusTip(tr("Redo the change that was undone."));

    edit = make(tr("&Edit..."), CmdEdit, QStringLiteral("edit"));
    edit->setShortcut(QKeySequence(QStringLiteral("Ctrl+E")));
    // Insert is what the views take as Add; Ctrl+A belongs to Select All.
    add = make(tr("&Add..."), CmdAdd, QStringLiteral("add"));
    add->setShortcut(QKeySequence(Qt::Key_Insert));
    del = make(tr("&Del"), CmdDelete, QStringLiteral("delete"));
    del->setShortcut(QKeySequence::Delete);
    selectAll = make(tr("Select &All"), CmdSelectAll, QStringLiteral("select-all"));
    selectAll->setShortcut(QKeySequence::SelectAll);
    find = make(tr("&Find..."), CmdFind, QStringLiteral("find"));
    find->setShortcut(QKeySequence::Find);
    findNext = make(tr("Find &Next"), CmdFindNext, QStringLiteral("find-next"));
    findNext->setShortcut(QKeySequence(Qt::Key_F3));

    toolBar = make(tr("&ToolBar"), CmdToolBar);
    toolBar->setCheckable(true);
    toolBar->setChecked(true);
    statusBar = make(tr("&StatusBar"), CmdStatusBar);
    statusBar->setCheckable(true);
    statusBar->setChecked(true);
    // A language is named in its own language.
    english = make(QStringLiteral("English"), 0);
    arabic = make(QStringLiteral("\u0639\u0631\u0628\u064A\u0629"), 0);
    french = make(QStringLiteral("Fran\u00E7ais"), 0);
    languages = new QActionGroup(this);
    for (QAction* a : {english, arabic, french}) {
        a->setCheckable(true);
        languages->addAction(a);
    }
    english->setChecked(true);
    language = make(tr("Language"), CmdLanguage, QStringLiteral("language"));

    autoArabisation =
        make(tr("Auto Arabisation"), CmdAutoArabisation, QStringLiteral("auto-arabisation"));
    removeData = make(tr("Remove Data"), CmdRemoveData, QStringLiteral("remove-data"));
    removeCBand = make(tr("Remove C Band"), CmdRemoveCBand, QStringLiteral("remove-cband"));
    upload = make(tr("Upload..."), CmdUpload, QStringLiteral("upload"));
    download = make(tr("Download..."), CmdDownload, QStringLiteral("download"));
    arabicChannels =
        make(tr("Arabic channals..."), CmdArabicChannels, QStringLiteral("arabic-names"));
    sort = make(tr("Sort"), CmdSort, QStringLiteral("sort"));
    parameters = make(tr("&Parameters..."), CmdParameters, QStringLiteral("parameters"));

    about = make(tr("&About Kavro Channel Editor..."), CmdAbout, QStringLiteral("about"));
    about->setMenuRole(QAction::AboutRole);
}

}  // namespace kavro::gui
