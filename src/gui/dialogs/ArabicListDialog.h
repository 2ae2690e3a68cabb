#pragma once

#include <QDialog>
#include <memory>

#include "arabic/ArabicNameList.h"
#include "arabic/ArabicNameListModel.h"

class QLineEdit;
class QMenu;
class QTableView;

namespace kavro::gui {

class ArabicListTableModel;

// Tools > Arabic channals: the user's list of Latin names and the Arabic names channels that
// carry them are to get. Add, Edit and Del change the rows shown; OK saves them to the list
// file, Cancel saves nothing.
class ArabicListDialog : public QDialog {
    Q_OBJECT
public:
    ArabicListDialog(const ArabicNameListLocation& where, MessageSink& messages,
                     QWidget* parent = nullptr);
    ~ArabicListDialog() override;

    // Runs the dialog modally over `parent` on the list at `where`. True when OK saved it.
    static bool run(const ArabicNameListLocation& where, MessageSink& messages, QWidget* parent);

    // The buttons of the same names, and the list's own double-click.
    void editRow();
    void addRow();
    void deleteRow();
    void takeRow(int row);

    // Saves the rows; a failed save is reported and the dialog stays open.
    void accept() override;

    // The right-click menu for a click at `pos` in the list's viewport: Edit and Del are
    // greyed off any row; the bold default item is Add there and Edit on a row.
    std::unique_ptr<QMenu> contextMenu(const QPoint& pos);

private:
    void showModel();

    ArabicNameListLocation where_;
    MessageSink& messages_;
    ArabicNameListModel model_;
    std::unique_ptr<ArabicListTableModel> table_;
    QLineEdit* latin_;
    QLineEdit* arabic_;
    QTableView* view_;
    bool showing_ = false;
};

}  // namespace kavro::gui
