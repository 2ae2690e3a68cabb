#include "gui/dialogs/ChannelDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "database/AsciiCase.h"
#include "gui/app/CoreTexts.h"
#include "gui/app/DisplayText.h"
#include "gui/dialogs/DialogControls.h"

namespace kavro::gui {

namespace {

constexpr int kEcmColumns = 8;

// The language codes as the box shows them: sorted, ignoring case.
std::vector<std::string> sortedLanguages() {
    std::vector<std::string> items(ChannelForm::kAudioLanguages.begin(),
                                   ChannelForm::kAudioLanguages.end());
    std::stable_sort(items.begin(), items.end(), [](const std::string& a, const std::string& b) {
        return upperAscii(a) < upperAscii(b);
    });
    return items;
}

}  // namespace

ChannelDialog::ChannelDialog(ChannelForm form, MessageSink& messages, QWidget* parent)
    : QDialog(parent), form_(std::move(form)), messages_(messages) {
    setWindowTitle(coreTitle(form_.title));
    createControls();
    loadControls();
    updateButtons();
}

void ChannelDialog::createControls() {
    auto lineEdit = [this](const char* name) {
        auto* edit = new QLineEdit(this);
        edit->setObjectName(QLatin1String(name));
        return edit;
    };
    auto list = [this](const char* name) {
        auto* combo = new QComboBox(this);
        combo->setObjectName(QLatin1String(name));
        return combo;
    };
    auto label = [this](const QString& text) { return new QLabel(text, this); };

    // Created in dialog order, which is the tab order.
    auto* place = new QGridLayout;
    satellite_ = list("satellite");
    transponder_ = list("transponder");
    sizeForEntries(satellite_, kSatelliteEntryLength);
    sizeForEntries(transponder_, kTransponderEntryLength);
    name_ = lineEdit("name");
    original_ = new QPushButton(tr("Original"), this);
    original_->setObjectName(QStringLiteral("original"));
    place->addWidget(label(tr("Satellite :")), 0, 0);
    place->addWidget(satellite_, 0, 1, 1, 2);
    place->addWidget(label(tr("TP :")), 1, 0);
    place->addWidget(transponder_, 1, 1, 1, 2);
    place->addWidget(label(tr("Name :")), 2, 0);
    place->addWidget(name_, 2, 1);
    place->addWidget(original_, 2, 2);
    place->setColumnStretch(1, 1);

    // The PIDs in two columns: V-PID to SID on the left, PMT to X-PID on the right.
    auto* values = new QGridLayout;
    const QString pidLabels[] = {tr("V-PID :"), tr("A-PID :"), tr("PCR :"),     tr("SID :"),
                                 tr("PMT :"),   tr("TTEXT :"), tr("AC3-PID :"), tr("X-PID :")};
    const char* pidNames[] = {"videoPid", "audioPid",    "pcrPid", "serviceId",
                              "pmtPid",   "teletextPid", "ac3Pid", "xPid"};
    for (std::size_t i = 0; i < pids_.size(); ++i) {
        pids_[i] = lineEdit(pidNames[i]);
        const int row = static_cast<int>(i % 4);
        const int column = static_cast<int>(i / 4) * 2;
        QLabel* text = label(pidLabels[i]);
        values->addWidget(text, row, column);
        values->addWidget(pids_[i], row, column + 1);
        if (i == pids_.size() - 1) {
            text->hide();  // the receiver keeps an X-PID, the dialog never shows it
            pids_[i]->hide();
        }
    }
    type_ = list("type");
    audioLanguage_ = list("audioLanguage");
    audioLanguage_->setEditable(true);
    audioLanguage_->setInsertPolicy(QComboBox::NoInsert);
    limit_ = lineEdit("limit");
    crypted_ = new QCheckBox(tr("Crypted"), this);
    crypted_->setObjectName(QStringLiteral("crypted"));
    locked_ = new QCheckBox(tr("Locked"), this);
    locked_->setObjectName(QStringLiteral("locked"));
    values->addWidget(label(tr("Type :")), 4, 0);
    values->addWidget(type_, 4, 1);
    values->addWidget(label(tr("Audio Lang :")), 4, 2);
    values->addWidget(audioLanguage_, 4, 3);
    values->addWidget(label(tr("Limit :")), 5, 0);
    values->addWidget(limit_, 5, 1);
    auto* marks = new QHBoxLayout;
    marks->addWidget(crypted_);
    marks->addWidget(locked_);
    marks->addStretch();
    values->addLayout(marks, 5, 2, 1, 2);
    values->setColumnStretch(1, 1);
    values->setColumnStretch(3, 1);

    // Shown, never changed here: which ECM slots the receiver descrambles with.
    auto* ecmFrame = new QGroupBox(tr(" ECM-PID "), this);
    auto* ecmGrid = new QGridLayout(ecmFrame);
    for (std::size_t i = 0; i < ecm_.size(); ++i) {
        ecm_[i] = new QCheckBox(QString::number(i + 1), ecmFrame);
        ecm_[i]->setObjectName(QStringLiteral("ecm%1").arg(i + 1));
        ecm_[i]->setEnabled(false);
        ecmGrid->addWidget(ecm_[i], static_cast<int>(i) / kEcmColumns,
                           static_cast<int>(i) % kEcmColumns);
    }

    QDialogButtonBox* buttons = okCancelButtons(this, tr("OK"), &ok_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(place);
    layout->addLayout(values);
    layout->addWidget(ecmFrame);
    layout->addSpacing(layout->spacing());
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    validation_ = new LeaveValidation(this, buttons, [this]() -> QWidget* {
        const auto bad = form_.firstInvalid(messages_);
        return bad ? boxWidget(*bad) : nullptr;
    });
    for (QLineEdit* box : pids_) validation_->watch({box});
    validation_->watch({limit_});

    connect(satellite_, &QComboBox::currentIndexChanged, this, [this](int s) {
        if (s < 0 || s == form_.satellite) return;
        form_.chooseSatellite(s);
        loadTransponders();
        updateButtons();
    });
    connect(transponder_, &QComboBox::currentIndexChanged, this, [this](int t) {
        form_.transponder = t;
        updateButtons();
    });
    connect(name_, &QLineEdit::textChanged, this, [this] {
        form_.name.text = nameBoxText(name_, form_.name);
        updateButtons();
    });
    connect(original_, &QPushButton::clicked, this, [this] {
        const auto bad = form_.restoreOriginal(messages_);
        name_->setText(fromWindows1256(form_.name.opening));
        if (bad) focusBox(boxWidget(*bad));
    });
    std::string* pidTexts[] = {&form_.videoPidText,  &form_.audioPidText, &form_.pcrPidText,
                               &form_.serviceIdText, &form_.pmtPidText,   &form_.teletextPidText,
                               &form_.ac3PidText,    &form_.xPidText};
    for (std::size_t i = 0; i < pids_.size(); ++i) {
        std::string* field = pidTexts[i];
        connect(pids_[i], &QLineEdit::textChanged, this,
                [field](const QString& text) { *field = toWindows1256(text); });
    }
    connect(limit_, &QLineEdit::textChanged, this,
            [this](const QString& text) { form_.limitText = toWindows1256(text); });
    connect(type_, &QComboBox::currentIndexChanged, this, [this](int i) { form_.type = i; });
    connect(audioLanguage_, &QComboBox::editTextChanged, this,
            [this](const QString& text) { form_.audioLanguage = toWindows1256(text); });
    connect(crypted_, &QCheckBox::toggled, this, [this](bool on) { form_.crypted = on; });
    connect(locked_, &QCheckBox::toggled, this, [this](bool on) { form_.locked = on; });
}

void ChannelDialog::loadControls() {
    fillList(satellite_, form_.satelliteItems, form_.satellite);
    loadTransponders();
    satellite_->setEnabled(form_.placeEnabled());
    transponder_->setEnabled(form_.placeEnabled());
    setUpNameBox(name_, form_.name);
    const std::string* pidTexts[] = {
        &form_.videoPidText, &form_.audioPidText,    &form_.pcrPidText, &form_.serviceIdText,
        &form_.pmtPidText,   &form_.teletextPidText, &form_.ac3PidText, &form_.xPidText};
    for (std::size_t i = 0; i < pids_.size(); ++i) pids_[i]->setText(fromWindows1256(*pidTexts[i]));
    fillList(type_, ChannelForm::kTypes, form_.type);
    const std::string language = form_.audioLanguage;  // filling the list would overwrite it
    fillList(audioLanguage_, sortedLanguages(), -1);
    audioLanguage_->setEditText(fromWindows1256(language));
    form_.audioLanguage = language;
    limit_->setText(fromWindows1256(form_.limitText));
    crypted_->setChecked(form_.crypted);
    locked_->setChecked(form_.locked);
    for (std::size_t i = 0; i < ecm_.size(); ++i) ecm_[i]->setChecked(form_.ecmSlots[i]);
}

void ChannelDialog::loadTransponders() {
    fillList(transponder_, form_.transponderItems, form_.transponder);
}

void ChannelDialog::updateButtons() {
    ok_->setEnabled(form_.okEnabled());
    original_->setEnabled(form_.originalEnabled());
}

QWidget* ChannelDialog::boxWidget(ChannelForm::Box box) const {
    if (box == ChannelForm::Box::Limit) return limit_;
    return pids_[static_cast<std::size_t>(box)];
}

void ChannelDialog::accept() {
    if (!form_.okEnabled() || !validation_->validateNow()) return;
    channel_ = form_.accept(messages_);
    if (!channel_) return;
    QDialog::accept();
}

}  // namespace kavro::gui
