#pragma once

#include <QAction>
#include <QActionGroup>
#include <QObject>
#include <vector>

class QUndoStack;

namespace kavro::gui {

// Every command of the main window as a QAction with its menu text, icon, shortcut, tooltip
// and status-bar prompt. The window decides what they do and when they are enabled.
class CommandActions : public QObject {
    Q_OBJECT
public:
    CommandActions(QUndoStack* undoStack, QObject* parent);

    // File
    QAction* open;
    QAction* save;
    QAction* saveAs;
    QAction* readAgain;
    QAction* exit;
    // Edit
    QAction* undo;
    QAction* redo;
    QAction* edit;
    QAction* add;
    QAction* del;
    QAction* selectAll;
    QAction* find;
    QAction* findNext;
    // View
    QAction* toolBar;
    QAction* statusBar;
    QAction* english;
    QAction* arabic;
    QAction* french;
    QActionGroup* languages;
    QAction* language;  // the toolbar's toggle
    // Tools
    QAction* autoArabisation;
    QAction* removeData;
    QAction* removeCBand;
    QAction* upload;
    QAction* download;
    QAction* arabicChannels;
    QAction* sort;
    QAction* parameters;
    // Help
    QAction* about;

    // Sets every text again in the interface language (menu texts, tooltips, status prompts).
    void retranslate();

private:
    struct Texts {
        QAction* action;
        const char* text;  // English, translated in this class's context
        int stringId;      // tooltip and status prompt; 0 for none
        const char* prompt = nullptr;  // "prompt\ntooltip" when not in the string table
    };
    QAction* make(const char* text, int stringId, const QString& icon = {});
    void updateUndoTexts();

    QUndoStack* undoStack_;
    std::vector<Texts> texts_;
};

}  // namespace kavro::gui
