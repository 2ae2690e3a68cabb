#include "gui/dialogs/ParametersDialogPicker.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace kavro::gui {

ParametersDialogPicker::ParametersDialogPicker(const QString& format, QWidget* parent)
    : QDateTimeEdit(parent) {
    setDisplayFormat(format);
    // A date chosen in the calendar while the picker shows nothing.
    connect(this, &QDateTimeEdit::dateTimeChanged, this, [this] {
        if (blank_ && !setting_) fill();
    });
}

void ParametersDialogPicker::setBlank(const QDateTime& underneath) {
    setting_ = true;
    blank_ = true;
    setDateTime(underneath);
    lineEdit()->clear();
    setting_ = false;
}

void ParametersDialogPicker::setValue(const QDateTime& value) {
    setting_ = true;
    const bool wasBlank = blank_;
    blank_ = false;
    setDateTime(value);
    // The same value as underneath changes nothing, so the text is not redrawn by itself.
    if (wasBlank) lineEdit()->setText(textFromDateTime(dateTime()));
    setting_ = false;
}

QString ParametersDialogPicker::textFromDateTime(const QDateTime& dateTime) const {
    return blank_ ? QString() : QDateTimeEdit::textFromDateTime(dateTime);
}

void ParametersDialogPicker::fill() {
    if (!blank_) return;
    blank_ = false;
    lineEdit()->setText(textFromDateTime(dateTime()));
    setCurrentSectionIndex(0);
    if (onFilled) onFilled();
}

void ParametersDialogPicker::stepBy(int steps) {
    fill();
    QDateTimeEdit::stepBy(steps);
}

void ParametersDialogPicker::keyPressEvent(QKeyEvent* event) {
    const bool edits = !event->text().trimmed().isEmpty() || event->key() == Qt::Key_Up ||
                       event->key() == Qt::Key_Down || event->key() == Qt::Key_PageUp ||
                       event->key() == Qt::Key_PageDown;
    if (edits) fill();
    QDateTimeEdit::keyPressEvent(event);
}

}  // namespace kavro::gui
