#pragma once

#include <QDialog>
#include <QPointer>

#include "document/DocumentChange.h"
#include "editing/ChannelFinder.h"
#include "editing/TreeItemKey.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace kavro {
class ChannelDocument;
}

namespace kavro::gui {

class ChannelList;
class DatabaseTree;

// The modeless Find dialog: a piece of a channel name and where to start (a satellite and one
// of its transponders, or all). Next shows the first channel after that start whose name holds
// the text, and moves the two lists to the hit so the following Next goes on from there.
// Close only hides it; the text stays for Find Next.
class FindDialog : public QDialog {
    Q_OBJECT
public:
    FindDialog(ChannelDocument& document, DatabaseTree* tree, ChannelList* list,
               QWidget* parent = nullptr);

    const FindForm& form() const { return form_; }

    // Fills both lists and selects the satellite and transponder of the tree's current item.
    void preselect(const TreeItemKey& current);
    // Puts the focus in the text box with its text selected, so typing replaces it.
    void focusText();

public slots:
    // Searches from the lists' selections; a hit is shown in the tree and the channel list,
    // no hit says "Cannot find '%s'" and leaves the lists alone.
    void next();

protected:
    void changeEvent(QEvent* event) override;

private:
    void retranslate();
    void fillLists();
    void fillTransponders();
    void onDocumentChanged(const DocumentChange& change);

    ChannelDocument& document_;
    QPointer<DatabaseTree> tree_;
    QPointer<ChannelList> list_;
    FindForm form_;

    QComboBox* satellites_;
    QComboBox* transponders_;
    QLineEdit* text_;
    QPushButton* next_;
    QLabel* satelliteLabel_;
    QLabel* transponderLabel_;
    QLabel* textLabel_;
};

}  // namespace kavro::gui
