#pragma once

#include <QDialog>

#include "editing/SatelliteForm.h"
#include "messages/MessageSink.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

namespace kavro::gui {

class LeaveValidation;

// Edits a satellite, or prepares a new one: the widgets of SatelliteForm. The database is not
// touched; after OK, form().record is the satellite to store.
class SatelliteDialog : public QDialog {
    Q_OBJECT
public:
    SatelliteDialog(SatelliteForm form, MessageSink& messages, QWidget* parent = nullptr);

    const SatelliteForm& form() const { return form_; }

public slots:
    void accept() override;

private:
    void createControls();
    void loadControls();
    void updateButtons();
    QWidget* boxWidget(SatelliteForm::Box box) const;

    SatelliteForm form_;
    MessageSink& messages_;
    LeaveValidation* validation_ = nullptr;

    QLineEdit* name_ = nullptr;
    QPushButton* original_ = nullptr;
    QComboBox* lnbType_ = nullptr;
    QLineEdit* lnbLow_ = nullptr;
    QLineEdit* lnbHigh_ = nullptr;
    QComboBox* diseqc_ = nullptr;
    QComboBox* positioner_ = nullptr;
    QLineEdit* position_ = nullptr;
    QComboBox* eastWest_ = nullptr;
    QCheckBox* tone22k_ = nullptr;
    QCheckBox* output12V_ = nullptr;
    QCheckBox* power_ = nullptr;
    QCheckBox* chosen_ = nullptr;
    QCheckBox* grouped_ = nullptr;
    QPushButton* ok_ = nullptr;
};

}  // namespace kavro::gui
