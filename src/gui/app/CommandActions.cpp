#include "gui/app/CommandActions.h"

#include <QUndoStack>

#include "gui/app/DisplayText.h"
#include "gui/app/Icons.h"
#include "messages/StringIds.h"

namespace kavro::gui {

using namespace kavro::strings;

QAction* CommandActions::make(const char* text, int stringId, const QString& icon) {
    auto* action = new QAction(this);
    texts_.push_back({action, text, stringId});
    if (!icon.isEmpty()) action->setIcon(toolbarIcon(icon));
    return action;
}

CommandActions::CommandActions(QUndoStack* undoStack, QObject* parent)
    : QObject(parent), undoStack_(undoStack) {
    open = make(QT_TR_NOOP("&Open..."), CmdOpen, QStringLiteral("open"));
    open->setShortcut(QKeySequence::Open);
    save = make(QT_TR_NOOP("&Save"), CmdSave, QStringLiteral("save"));
    save->setShortcut(QKeySequence::Save);
    saveAs = make(QT_TR_NOOP("Save &As..."), CmdSaveAs, QStringLiteral("save-as"));
    saveAs->setShortcut(QKeySequence(QStringLiteral("Ctrl+Shift+S")));
    readAgain = make(QT_TR_NOOP("&Read again file"), CmdReadAgain, QStringLiteral("read-again"));
    exit = make(QT_TR_NOOP("E&xit"), CmdExit, QStringLiteral("exit"));
    exit->setShortcut(QKeySequence(QStringLiteral("Ctrl+Q")));
    exit->setMenuRole(QAction::QuitRole);

    // Own actions rather than the stack's, whose "Undo" prefix could not follow a language
    // change.
    undo = make(QT_TR_NOOP("&Undo"), 0, QStringLiteral("undo"));
    texts_.back().prompt = QT_TR_NOOP("Undo the last change.");
    undo->setShortcuts({QKeySequence::Undo, QKeySequence(QStringLiteral("Alt+Backspace"))});
    redo = make(QT_TR_NOOP("&Redo"), 0, QStringLiteral("redo"));
    texts_.back().prompt = QT_TR_NOOP("Redo the change that was undone.");
    redo->setShortcuts(
        {QKeySequence(QStringLiteral("Ctrl+Y")), QKeySequence(QStringLiteral("Ctrl+Shift+Z"))});
    connect(undo, &QAction::triggered, undoStack, &QUndoStack::undo);
    connect(redo, &QAction::triggered, undoStack, &QUndoStack::redo);
    connect(undoStack, &QUndoStack::canUndoChanged, undo, &QAction::setEnabled);
    connect(undoStack, &QUndoStack::canRedoChanged, redo, &QAction::setEnabled);
    connect(undoStack, &QUndoStack::undoTextChanged, this, &CommandActions::updateUndoTexts);
    connect(undoStack, &QUndoStack::redoTextChanged, this, &CommandActions::updateUndoTexts);
    undo->setEnabled(undoStack->canUndo());
    redo->setEnabled(undoStack->canRedo());

    edit = make(QT_TR_NOOP("&Edit..."), CmdEdit, QStringLiteral("edit"));
    edit->setShortcut(QKeySequence(QStringLiteral("Ctrl+E")));
    // Insert is what the views take as Add; Ctrl+A belongs to Select All.
    add = make(QT_TR_NOOP("&Add..."), CmdAdd, QStringLiteral("add"));
    add->setShortcut(QKeySequence(Qt::Key_Insert));
    del = make(QT_TR_NOOP("&Del"), CmdDelete, QStringLiteral("delete"));
    del->setShortcut(QKeySequence::Delete);
    selectAll = make(QT_TR_NOOP("Select &All"), CmdSelectAll, QStringLiteral("select-all"));
    selectAll->setShortcut(QKeySequence::SelectAll);
    find = make(QT_TR_NOOP("&Find..."), CmdFind, QStringLiteral("find"));
    find->setShortcut(QKeySequence::Find);
    findNext = make(QT_TR_NOOP("Find &Next"), CmdFindNext, QStringLiteral("find-next"));
    findNext->setShortcut(QKeySequence(Qt::Key_F3));

    toolBar = make(QT_TR_NOOP("&ToolBar"), CmdToolBar);
    toolBar->setCheckable(true);
    toolBar->setChecked(true);
    statusBar = make(QT_TR_NOOP("&StatusBar"), CmdStatusBar);
    statusBar->setCheckable(true);
    statusBar->setChecked(true);
    // A language is named in its own language, whatever the interface language is; only
    // its prompt is translated.
    english = new QAction(QStringLiteral("English"), this);
    texts_.push_back({english, nullptr, 0, QT_TR_NOOP("Choise English language (default).\nEnglish")});
    arabic = new QAction(QStringLiteral("\u0639\u0631\u0628\u064A\u0629"), this);
    texts_.push_back({arabic, nullptr, 0, QT_TR_NOOP("Choise Arabic language.\nArabic")});
    french = new QAction(QStringLiteral("Fran\u00E7ais"), this);
    texts_.push_back({french, nullptr, 0, QT_TR_NOOP("Choise French language.\nFrench")});
    languages = new QActionGroup(this);
    for (QAction* a : {english, arabic, french}) {
        a->setCheckable(true);
        languages->addAction(a);
    }
    english->setChecked(true);
    language = make(QT_TR_NOOP("Language"), CmdLanguage, QStringLiteral("language"));

    autoArabisation = make(QT_TR_NOOP("Auto Arabisation"), CmdAutoArabisation,
                           QStringLiteral("auto-arabisation"));
    removeData = make(QT_TR_NOOP("Remove Data"), CmdRemoveData, QStringLiteral("remove-data"));
    removeCBand =
        make(QT_TR_NOOP("Remove C Band"), CmdRemoveCBand, QStringLiteral("remove-cband"));
    upload = make(QT_TR_NOOP("Upload..."), CmdUpload, QStringLiteral("upload"));
    download = make(QT_TR_NOOP("Download..."), CmdDownload, QStringLiteral("download"));
    arabicChannels = make(QT_TR_NOOP("Arabic channals..."), CmdArabicChannels,
                          QStringLiteral("arabic-names"));
    sort = make(QT_TR_NOOP("Sort"), CmdSort, QStringLiteral("sort"));
    parameters = make(QT_TR_NOOP("&Parameters..."), CmdParameters, QStringLiteral("parameters"));

    about = make(QT_TR_NOOP("&About Kavro Channel Editor..."), CmdAbout, QStringLiteral("about"));
    about->setMenuRole(QAction::AboutRole);
    retranslate();
}

void CommandActions::retranslate() {
    for (const Texts& t : texts_) {
        if (t.text) t.action->setText(tr(t.text));
        const QString prompt = t.stringId ? stringText(t.stringId) : t.prompt ? tr(t.prompt) : QString();
        if (prompt.isEmpty()) continue;
        t.action->setStatusTip(prompt.section(u'\n', 0, 0));
        // An action without a tooltip of its own shows its menu text.
        if (prompt.contains(u'\n')) t.action->setToolTip(prompt.section(u'\n', 1, 1));
    }
    updateUndoTexts();
}

void CommandActions::updateUndoTexts() {
    // "&Undo" alone, or "&Undo Edit channel" naming the change.
    const QString undoText = undoStack_->undoText();
    undo->setText(undoText.isEmpty() ? tr("&Undo") : tr("&Undo %1").arg(undoText));
    const QString redoText = undoStack_->redoText();
    redo->setText(redoText.isEmpty() ? tr("&Redo") : tr("&Redo %1").arg(redoText));
}

}  // namespace kavro::gui
