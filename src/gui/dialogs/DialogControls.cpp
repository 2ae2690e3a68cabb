#include "gui/dialogs/DialogControls.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFocusEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <algorithm>

#include "gui/app/CoreTexts.h"
#include "gui/app/DisplayText.h"

namespace kavro::gui {

LeaveValidation::LeaveValidation(QDialog* dialog, QWidget* buttons, Check check)
    : QObject(dialog), dialog_(dialog), buttons_(buttons), check_(std::move(check)) {}

void LeaveValidation::watch(std::initializer_list<QWidget*> boxes) {
    for (QWidget* box : boxes) box->installEventFilter(this);
}

bool LeaveValidation::validateNow() {
    QWidget* bad = check_();
    if (!bad) return true;
    refocusing_ = true;
    focusBox(bad);
    refocusing_ = false;
    return false;
}

bool LeaveValidation::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::FocusOut || refocusing_ || pending_)
        return QObject::eventFilter(watched, event);
    const auto reason = static_cast<QFocusEvent*>(event)->reason();
    // A message box or a menu taking the focus is not the user leaving the box.
    if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason)
        return QObject::eventFilter(watched, event);
    QWidget* next = QApplication::focusWidget();
    if (!next || !dialog_->isAncestorOf(next) || (buttons_ && buttons_->isAncestorOf(next)))
        return QObject::eventFilter(watched, event);
    // After the focus change has finished: a message box inside it would fight over the focus.
    pending_ = true;
    QTimer::singleShot(0, this, [this] {
        pending_ = false;
        if (dialog_->isVisible()) validateNow();
    });
    return QObject::eventFilter(watched, event);
}

void focusBox(QWidget* box) {
    box->setFocus(Qt::OtherFocusReason);
    if (auto* edit = qobject_cast<QLineEdit*>(box)) edit->selectAll();
}

QDialogButtonBox* okCancelButtons(QDialog* dialog, const QString& okText, QPushButton** ok) {
    auto* buttons = new QDialogButtonBox(dialog);
    *ok = buttons->addButton(okText, QDialogButtonBox::AcceptRole);
    buttons->addButton(QDialog::tr("Cancel"), QDialogButtonBox::RejectRole);
    (*ok)->setDefault(true);
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    return buttons;
}

void setUpNameBox(QLineEdit* edit, const NameBox& box) {
    edit->setLayoutDirection(box.rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
    edit->setAlignment((box.rightToLeft ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignAbsolute |
                       Qt::AlignVCenter);
    setNameBoxText(edit, box, box.text);
}

void setNameBoxText(QLineEdit* edit, const NameBox& box, const std::string& text) {
    const QString shown = fromWindows1256(text);
    edit->setMaxLength(std::max(static_cast<int>(box.limit), static_cast<int>(shown.size())));
    edit->setText(shown);
}

std::string nameBoxText(const QLineEdit* edit, const NameBox& box) {
    const QString text = edit->text();
    if (text == fromWindows1256(box.opening)) return box.opening;
    return toWindows1256(text);
}

void sizeForEntries(QComboBox* combo, int characters) {
    combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    combo->setMinimumContentsLength(characters);
}

void fillList(QComboBox* combo, std::span<const char* const> items, int current) {
    const QSignalBlocker quiet(combo);
    combo->clear();
    for (const char* item : items) combo->addItem(coreText(item));
    combo->setCurrentIndex(current >= 0 && current < combo->count() ? current : -1);
}

void fillList(QComboBox* combo, const std::vector<std::string>& items, int current) {
    const QSignalBlocker quiet(combo);
    combo->clear();
    QStringList texts;
    texts.reserve(static_cast<qsizetype>(items.size()));
    for (const std::string& item : items) texts << ownDirection(fromWindows1256(item));
    combo->addItems(texts);  // one insertion: a list of 360 satellites fills at once
    combo->setCurrentIndex(current >= 0 && current < combo->count() ? current : -1);
}

void bindText(QObject* context, QLineEdit* edit, std::string& field) {
    QObject::connect(edit, &QLineEdit::textChanged, context,
                     [&field](const QString& text) { field = toWindows1256(text); });
}

void bindList(QObject* context, QComboBox* combo, int& field) {
    QObject::connect(combo, &QComboBox::currentIndexChanged, context,
                     [&field](int i) { field = i; });
}

void bindCheck(QObject* context, QCheckBox* box, bool& field) {
    QObject::connect(box, &QCheckBox::toggled, context, [&field](bool on) { field = on; });
}

}  // namespace kavro::gui
