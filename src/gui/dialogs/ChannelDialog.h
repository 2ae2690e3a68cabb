#pragma once

#include <QDialog>
#include <array>
#include <optional>

#include "editing/ChannelForm.h"
#include "messages/MessageSink.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;

namespace kavro::gui {

class LeaveValidation;

// Edits a channel, or makes a new one on a chosen satellite and transponder: the widgets of
// ChannelForm. The database is not touched; after OK, channel() holds the record and where it
// goes.
class ChannelDialog : public QDialog {
    Q_OBJECT
public:
    ChannelDialog(ChannelForm form, MessageSink& messages, QWidget* parent = nullptr);

    const ChannelForm& form() const { return form_; }
    const std::optional<ChannelForm::Result>& channel() const { return channel_; }

public slots:
    void accept() override;

private:
    void createControls();
    void loadControls();
    void loadTransponders();
    void updateButtons();
    QWidget* boxWidget(ChannelForm::Box box) const;

    ChannelForm form_;
    MessageSink& messages_;
    std::optional<ChannelForm::Result> channel_;
    LeaveValidation* validation_ = nullptr;

    QComboBox* satellite_ = nullptr;
    QComboBox* transponder_ = nullptr;
    QLineEdit* name_ = nullptr;
    QPushButton* original_ = nullptr;
    // V-PID, A-PID, PCR, SID, PMT, TTEXT, AC3-PID, X-PID (hidden), in Box order.
    std::array<QLineEdit*, 8> pids_{};
    QComboBox* type_ = nullptr;
    QComboBox* audioLanguage_ = nullptr;
    QLineEdit* limit_ = nullptr;
    QCheckBox* crypted_ = nullptr;
    QCheckBox* locked_ = nullptr;
    std::array<QCheckBox*, ChannelRecord::kEcmSlots> ecm_{};
    QPushButton* ok_ = nullptr;
};

}  // namespace kavro::gui
