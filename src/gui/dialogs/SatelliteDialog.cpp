#include "gui/dialogs/SatelliteDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/app/CoreTexts.h"
#include "gui/app/DisplayText.h"
#include "gui/dialogs/DialogControls.h"

namespace kavro::gui {

SatelliteDialog::SatelliteDialog(SatelliteForm form, MessageSink& messages, QWidget* parent)
    : QDialog(parent), form_(std::move(form)), messages_(messages) {
    setWindowTitle(coreTitle(form_.title));
    createControls();
    loadControls();
    updateButtons();
}

void SatelliteDialog::createControls() {
    auto* grid = new QGridLayout;
    auto addLabel = [&](const QString& text, int row) {
        grid->addWidget(new QLabel(text, this), row, 0);
    };
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

    // Created in dialog order, which is the tab order.
    name_ = lineEdit("name");
    original_ = new QPushButton(tr("Original"), this);
    original_->setObjectName(QStringLiteral("original"));
    addLabel(tr("Name :"), 0);
    grid->addWidget(name_, 0, 1, 1, 3);
    grid->addWidget(original_, 0, 4);

    lnbType_ = list("lnbType");
    lnbLow_ = lineEdit("lnbLow");
    lnbHigh_ = lineEdit("lnbHigh");
    addLabel(tr("LNB : "), 1);
    grid->addWidget(lnbType_, 1, 1);
    grid->addWidget(lnbLow_, 1, 2);
    grid->addWidget(lnbHigh_, 1, 3);
    grid->addWidget(new QLabel(tr("MHZ"), this), 1, 4);

    diseqc_ = list("diseqc");
    positioner_ = list("positioner");
    addLabel(tr("DiSEqC :"), 2);
    grid->addWidget(diseqc_, 2, 1);
    grid->addWidget(positioner_, 2, 2);

    position_ = lineEdit("position");
    eastWest_ = list("eastWest");
    addLabel(tr("Position :"), 3);
    grid->addWidget(position_, 3, 1);
    grid->addWidget(eastWest_, 3, 2);

    auto* marks = new QHBoxLayout;
    auto check = [&](QCheckBox*& box, const QString& text, const char* name) {
        box = new QCheckBox(text, this);
        box->setObjectName(QLatin1String(name));
        marks->addWidget(box);
    };
    check(tone22k_, tr("22KHZ"), "tone22k");
    check(output12V_, tr("12V"), "output12V");
    check(power_, tr("Power"), "power");
    check(chosen_, tr("Chosen"), "chosen");
    check(grouped_, tr("Grouped"), "grouped");
    marks->addStretch();
    grid->addLayout(marks, 4, 0, 1, 5);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(2, 1);
    grid->setColumnStretch(3, 1);

    QDialogButtonBox* buttons = okCancelButtons(this, tr("Ok"), &ok_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addSpacing(layout->spacing());
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    validation_ = new LeaveValidation(this, buttons, [this]() -> QWidget* {
        const auto bad = form_.firstInvalid(messages_);
        return bad ? boxWidget(*bad) : nullptr;
    });
    validation_->watch({lnbLow_, lnbHigh_, position_});

    connect(name_, &QLineEdit::textChanged, this, [this] {
        form_.name.text = nameBoxText(name_, form_.name);
        updateButtons();
    });
    connect(original_, &QPushButton::clicked, this, [this] {
        const auto bad = form_.restoreOriginal(messages_);
        name_->setText(fromWindows1256(form_.name.opening));
        if (bad) focusBox(boxWidget(*bad));
    });
    connect(lnbType_, &QComboBox::activated, this, [this](int type) {
        form_.chooseLnbType(type);
        lnbLow_->setText(fromWindows1256(form_.lnbLowText));
        lnbHigh_->setText(fromWindows1256(form_.lnbHighText));
    });
    bindText(this, lnbLow_, form_.lnbLowText);
    bindText(this, lnbHigh_, form_.lnbHighText);
    bindText(this, position_, form_.positionText);
    bindList(this, lnbType_, form_.lnbType);
    bindList(this, diseqc_, form_.diseqc);
    bindList(this, positioner_, form_.positioner);
    bindList(this, eastWest_, form_.eastWest);
    bindCheck(this, tone22k_, form_.tone22k);
    bindCheck(this, output12V_, form_.output12V);
    bindCheck(this, power_, form_.power);
    bindCheck(this, chosen_, form_.chosen);
    bindCheck(this, grouped_, form_.grouped);
}

void SatelliteDialog::loadControls() {
    setUpNameBox(name_, form_.name);
    fillList(lnbType_, SatelliteForm::kLnbTypes, form_.lnbType);
    fillList(diseqc_, SatelliteForm::kDiseqcPorts, form_.diseqc);
    fillList(positioner_, SatelliteForm::kPositioners, form_.positioner);
    fillList(eastWest_, SatelliteForm::kEastWest, form_.eastWest);
    lnbLow_->setText(fromWindows1256(form_.lnbLowText));
    lnbHigh_->setText(fromWindows1256(form_.lnbHighText));
    position_->setText(fromWindows1256(form_.positionText));
    tone22k_->setChecked(form_.tone22k);
    output12V_->setChecked(form_.output12V);
    power_->setChecked(form_.power);
    chosen_->setChecked(form_.chosen);
    grouped_->setChecked(form_.grouped);
}

void SatelliteDialog::updateButtons() {
    ok_->setEnabled(form_.okEnabled());
    original_->setEnabled(form_.originalEnabled());
}

QWidget* SatelliteDialog::boxWidget(SatelliteForm::Box box) const {
    return box == SatelliteForm::Box::LnbLow ? lnbLow_ : lnbHigh_;
}

void SatelliteDialog::accept() {
    if (!form_.okEnabled() || !validation_->validateNow()) return;
    if (!form_.accept(messages_)) return;
    QDialog::accept();
}

}  // namespace kavro::gui
