#pragma once

#include <QCheckBox>
#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>
#include <span>
#include <string>
#include <vector>

#include "editing/NameBox.h"

class QComboBox;
class QDialog;
class QDialogButtonBox;
class QLineEdit;
class QPushButton;
class QWidget;

namespace kavro::gui {

// Validates a dialog's fields when the user leaves one of the watched boxes for another control
// of the dialog, as the receiver's dialogs do: `check` shows the message of the first bad box
// and returns that box, which gets the focus back. Moving to the dialog's buttons does not
// validate: OK validates by itself, and Cancel must stay reachable with a bad value.
class LeaveValidation : public QObject {
public:
    using Check = std::function<QWidget*()>;

    LeaveValidation(QDialog* dialog, QWidget* buttons, Check check);
    void watch(std::initializer_list<QWidget*> boxes);
    // Runs the check now and puts the focus into the bad box; true when every box is good.
    bool validateNow();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QDialog* dialog_;
    QPointer<QWidget> buttons_;
    Check check_;
    bool pending_ = false;
    bool refocusing_ = false;
};

// Gives the focus to a box and selects its text, so the bad value can be typed over.
void focusBox(QWidget* box);

// The "Ok"/"Cancel" row of the edit dialogs, wired to accept() and reject().
QDialogButtonBox* okCancelButtons(QDialog* dialog, const QString& okText, QPushButton** ok);

// Name boxes: an Arabic-coded stored name opens right-aligned, right to left; the limit is the
// form's, but never shorter than the text the box is given (a decoded name may be longer).
void setUpNameBox(QLineEdit* edit, const NameBox& box);
void setNameBoxText(QLineEdit* edit, const NameBox& box, const std::string& text);
// The box's text as the form takes it (Windows-1256). While the box shows exactly what it
// opened with, that is the opening text itself, so an untouched name is recognised as such.
std::string nameBoxText(const QLineEdit* edit, const NameBox& box);

// The satellite and transponder lists hold up to 360 and 4000 entries: sized for `characters`
// rather than by measuring every entry, which would take longer than opening the dialog.
void sizeForEntries(QComboBox* combo, int characters);
inline constexpr int kSatelliteEntryLength = 24;    // "360. " and a 19-character name
inline constexpr int kTransponderEntryLength = 22;  // "4000. 12345 AUTO 27500"

// A drop-down list of the core's list `items` in the interface language, with `current` chosen;
// -1 chooses nothing.
// Keep a form field in step with its control (Windows-1256 text, list position, check state),
// for the lifetime of `context`.
void bindText(QObject* context, QLineEdit* edit, std::string& field);
void bindList(QObject* context, QComboBox* combo, int& field);
void bindCheck(QObject* context, QCheckBox* box, bool& field);

void fillList(QComboBox* combo, std::span<const char* const> items, int current);
void fillList(QComboBox* combo, const std::vector<std::string>& items, int current);

}  // namespace kavro::gui
