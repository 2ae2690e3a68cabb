#include "gui/transfer/TransferDialog.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/app/DisplayText.h"
#include "gui/transfer/PortChoices.h"
#include "link/TransferSession.h"
#include "messages/StringIds.h"

namespace kavro::gui {
namespace {

QLabel* plainLabel(QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setTextFormat(Qt::PlainText);
    return label;
}

}  // namespace

TransferDialog::TransferDialog(Mode mode, const std::vector<SerialPortEntry>& ports,
                               QWidget* parent)
    : QDialog(parent), mode_(mode) {
    const bool upload = mode == Mode::Upload;
    setWindowTitle(upload ? tr("   Upload the data from the receiver")
                          : tr("   Download the data to the receiver"));

    auto* frame = new QGroupBox(this);
    instructions_ = plainLabel(frame);
    instructions_->setText(upload ? tr("1 - Select serial port.\n"
                                       "2 - Turn receiver off (STANDBY) '----'.\n"
                                       "3 - Press remote control keys '58302'.\n"
                                       "4 - Click 'Upload'.")
                                  : tr("1 - Select serial port.\n"
                                       "2 - Turn receiver off (STANDBY) '----'.\n"
                                       "3 - Press remote control keys '69175'.\n"
                                       "4 - Click 'Download'. "));

    // Editable, so a device the system does not list (a USB adapter's path, a pseudo-terminal)
    // can be typed in.
    ports_ = new QComboBox(frame);
    ports_->setEditable(true);
    ports_->setInsertPolicy(QComboBox::NoInsert);
    ports_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    ports_->setMinimumContentsLength(8);
    const PortChoices choices = portChoices(ports);
    for (const PortChoice& choice : choices.items) {
        ports_->addItem(QString::fromStdString(choice.label), QString::fromStdString(choice.name));
        if (!choice.description.empty())
            ports_->setItemData(ports_->count() - 1, QString::fromStdString(choice.description),
                                Qt::ToolTipRole);
    }
    ports_->setCurrentIndex(choices.preselected);
    // The list may hold long descriptions while the box itself stays narrow.
    ports_->view()->setMinimumWidth(ports_->view()->sizeHintForColumn(0) + 8);

    auto* frameLayout = new QHBoxLayout(frame);
    frameLayout->addWidget(instructions_, 1);
    frameLayout->addSpacing(fontMetrics().averageCharWidth() * 4);
    frameLayout->addWidget(ports_, 0, Qt::AlignTop);

    percent_ = plainLabel(this);
    percent_->setAlignment(Qt::AlignCenter);
    progress_ = new QProgressBar(this);
    progress_->setRange(0, 100);
    progress_->setTextVisible(false);  // the line above says it
    status_ = plainLabel(this);
    status_->setWordWrap(true);
    // Room for the two-line failure text, so the window does not jump when it comes.
    status_->setMinimumHeight(2 * status_->fontMetrics().lineSpacing());
    status_->setAlignment(Qt::AlignLeading | Qt::AlignTop);

    auto* line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);

    start_ = new QPushButton(upload ? tr("Upload") : tr("Download"), this);
    start_->setDefault(true);
    cancel_ = new QPushButton(tr("Cancel"), this);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(start_);
    buttons->addSpacing(fontMetrics().averageCharWidth() * 3);
    buttons->addWidget(cancel_);
    buttons->addStretch(1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    layout->addSpacing(fontMetrics().lineSpacing() / 2);
    layout->addWidget(percent_);
    layout->addWidget(progress_);
    layout->addSpacing(fontMetrics().lineSpacing() / 2);
    layout->addWidget(status_);
    layout->addWidget(line);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    showProgress(0);
    // Enter starts; the port box is only visited when the port is to change.
    start_->setFocus();

    connect(start_, &QPushButton::clicked, this, &TransferDialog::startClicked);
    connect(cancel_, &QPushButton::clicked, this, &TransferDialog::reject);
    connect(ports_, &QComboBox::editTextChanged, this, &TransferDialog::updateStartButton);
}

QString TransferDialog::portName() const {
    const QString text = ports_->currentText().trimmed();
    const int index = ports_->findText(text, Qt::MatchExactly);
    return index >= 0 ? ports_->itemData(index).toString() : text;
}

QString TransferDialog::statusText() const {
    return status_->text();
}

QString TransferDialog::percentText() const {
    return percent_->text();
}

int TransferDialog::progressValue() const {
    return progress_->value();
}

void TransferDialog::startClicked() {
    if (running_ || portName().isEmpty()) return;
    const QString port = portName();
    beginRun();
    emit startRequested(port);
    // Only now: a Cancel from a listener must find the run it cancels.
    emit runningChanged(true);
}

void TransferDialog::beginRun() {
    running_ = true;
    closeWhenDone_ = false;
    updateStartButton();
    ports_->setEnabled(false);
    showProgress(0);
    showCountdown(0);
}

void TransferDialog::endRun(bool succeeded) {
    running_ = false;
    updateStartButton();
    ports_->setEnabled(true);
    // A port that could not be opened ends the run before the receiver was ever called; a
    // frozen "Remainder : 20 Sec." would suggest it is still being called.
    if (!succeeded && countdownShown_) showStatus({});
    emit runningChanged(false);
    if (succeeded)
        accept();
    else if (closeWhenDone_)
        QDialog::reject();
}

void TransferDialog::showProgress(int percent) {
    const int shown = clampPercent(percent);
    // An empty bar looks the same either way round, but some styles draw a sliver of a chunk
    // at the start of an empty right-to-left bar, as if the transfer had begun.
    if (shown == 0)
        progress_->setLayoutDirection(Qt::LeftToRight);
    else
        progress_->unsetLayoutDirection();
    progress_->setValue(shown);
    percent_->setText(fromWindows1256(kavro::percentText(shown)));
}

void TransferDialog::showCountdown(int elapsedSeconds) {
    // Filled in the interface language, like the protocol's other status texts.
    status_->setText(fromWindows1256(
        countdownText(elapsedSeconds, toWindows1256(stringText(strings::CallCountdown)))));
    countdownShown_ = true;
}

void TransferDialog::showStatus(const QString& text) {
    status_->setText(text);
    countdownShown_ = false;
}

void TransferDialog::reject() {
    if (!running_) {
        QDialog::reject();
        return;
    }
    closeWhenDone_ = true;
    emit cancelRequested();
}

void TransferDialog::updateStartButton() {
    start_->setEnabled(!running_ && !portName().isEmpty());
}

}  // namespace kavro::gui
