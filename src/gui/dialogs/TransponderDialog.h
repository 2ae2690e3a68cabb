#pragma once

#include <QDialog>

#include "editing/TransponderForm.h"
#include "messages/MessageSink.h"

class QComboBox;
class QLineEdit;
class QPushButton;

namespace kavro::gui {

class LeaveValidation;

// Edits a transponder, or prepares a new one for a satellite: the widgets of TransponderForm.
// The database is not touched; after OK, form().record goes to satellite form().satellite.
class TransponderDialog : public QDialog {
    Q_OBJECT
public:
    TransponderDialog(TransponderForm form, MessageSink& messages, QWidget* parent = nullptr);

    const TransponderForm& form() const { return form_; }

public slots:
    void accept() override;

private:
    void createControls();
    void loadControls();
    QWidget* boxWidget(TransponderForm::Box box) const;

    TransponderForm form_;
    MessageSink& messages_;
    LeaveValidation* validation_ = nullptr;

    QComboBox* satellite_ = nullptr;
    QLineEdit* frequency_ = nullptr;
    QComboBox* polarisation_ = nullptr;
    QLineEdit* symbolRate_ = nullptr;
    QComboBox* fec_ = nullptr;
    QLineEdit* tid_ = nullptr;
    QLineEdit* name_ = nullptr;
    QPushButton* ok_ = nullptr;
};

}  // namespace kavro::gui
