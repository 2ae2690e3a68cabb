#pragma once

#include <QDialog>
#include <optional>

#include "editing/GroupForm.h"
#include "messages/MessageSink.h"

class QComboBox;
class QLineEdit;
class QPushButton;
class QTableView;

namespace kavro::gui {

class GroupCandidateModel;

// Edits a favourites group, or makes a new one from a satellite's channels: the widgets of
// GroupForm, with the candidate channels in a checkable list. The database is not touched;
// after OK, group() is the group to store.
class GroupDialog : public QDialog {
    Q_OBJECT
public:
    GroupDialog(GroupForm form, MessageSink& messages, QWidget* parent = nullptr);

    const GroupForm& form() const { return form_; }
    const std::optional<GroupRecord>& group() const { return group_; }
    GroupCandidateModel* candidates() const { return model_; }
    QTableView* candidateView() const { return view_; }

public slots:
    void accept() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createControls();
    void setUpColumns();
    void updateControls();
    void toggleSelectedRows();

    GroupForm form_;
    MessageSink& messages_;
    std::optional<GroupRecord> group_;

    QComboBox* satellite_ = nullptr;
    QLineEdit* name_ = nullptr;
    QPushButton* original_ = nullptr;
    QTableView* view_ = nullptr;
    GroupCandidateModel* model_ = nullptr;
    QPushButton* ok_ = nullptr;
};

}  // namespace kavro::gui
