#pragma once

#include <QDialog>
#include <functional>
#include <memory>
#include <span>

#include "editing/ParametersForm.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimeEdit;

namespace kavro {
class ChannelDocument;
}

namespace kavro::gui {

class ParametersDialogPicker;

// Tools > Parameters: the receiver's own settings, bound to a ParametersForm. OK stores the
// form's result as one undoable step; Cancel leaves the document exactly as it was, the
// corrections made on opening included.
class ParametersDialog : public QDialog {
    Q_OBJECT
public:
    explicit ParametersDialog(ChannelDocument& document, QWidget* parent = nullptr);
    ~ParametersDialog() override;

    // Runs the dialog modally over `parent`. True when OK stored the settings.
    static bool run(ChannelDocument& document, QWidget* parent);

    // The PC's clock for the date text, Update and OK (tests give a fixed one).
    void setClock(std::function<LocalDateTime()> now) { now_ = std::move(now); }

    void accept() override;

private:
    QWidget* outputFrame();
    QWidget* timeFrame();
    QWidget* languageFrame();
    QWidget* osdFrame();
    QWidget* startupFrame();
    QWidget* lockFrame();
    QWidget* uhfFrame();
    QWidget* numberFrame();

    QComboBox* list(const char* name, int ParametersForm::*field,
                    std::span<const char* const> items);
    QCheckBox* check(const char* name, const QString& text, bool ParametersForm::*field);
    QLineEdit* numberBox(const char* name, std::string ParametersForm::*field,
                         ParametersForm::NumberBox box);
    QTimeEdit* timerPicker(const char* name, TimeOfDay ParametersForm::*field);

    void fillChannels();
    void showClock();
    void updateEnabling();

    ChannelDocument& document_;
    ParametersForm form_;
    std::function<LocalDateTime()> now_ = localNow;

    QComboBox* group_ = nullptr;
    QComboBox* channel_ = nullptr;
    ParametersDialogPicker* currentTime_ = nullptr;
    ParametersDialogPicker* currentDate_ = nullptr;
    QTimeEdit* wakeupTime_ = nullptr;
    QTimeEdit* sleepTime_ = nullptr;
    QLineEdit* age_ = nullptr;
};

}  // namespace kavro::gui
