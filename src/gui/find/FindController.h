#pragma once

#include <QObject>
#include <QPointer>

#include "gui/find/FindDialog.h"

namespace kavro {
class ChannelDocument;
}

namespace kavro::gui {

class ChannelList;
class DatabaseTree;

// Find and Find Next for the window. Owns the one modeless Find dialog, made on the first Find
// and afterwards only shown and hidden, so its text lives on for Find Next.
class FindController : public QObject {
    Q_OBJECT
public:
    FindController(ChannelDocument& document, DatabaseTree* tree, ChannelList* list,
                   QWidget* parentWindow);
    ~FindController() override;

    // True once a text has been typed into the dialog: Find Next searches rather than opens.
    bool hasSearchText() const;
    // The dialog once Find has made it, else null.
    FindDialog* dialog() const { return dialog_; }

public slots:
    // Shows and raises the dialog, its lists on the tree's current item, its text ready to type.
    void find();
    // Searches with the dialog's text from the tree's current item (the dialog's lists are left
    // alone); with no text yet it is Find.
    void findNext();

private:
    ChannelDocument& document_;
    QPointer<DatabaseTree> tree_;
    QPointer<ChannelList> list_;
    QPointer<QWidget> parentWindow_;
    QPointer<FindDialog> dialog_;
};

}  // namespace kavro::gui
