#include "gui/dialogs/TransponderDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/app/CoreTexts.h"
#include "gui/app/DisplayText.h"
#include "gui/dialogs/DialogControls.h"

namespace kavro::gui {

TransponderDialog::TransponderDialog(TransponderForm form, MessageSink& messages, QWidget* parent)
    : QDialog(parent), form_(std::move(form)), messages_(messages) {
    setWindowTitle(coreTitle(form_.title));
    createControls();
    loadControls();
}

void TransponderDialog::createControls() {
    auto* grid = new QGridLayout;
    int row = 0;
    // Created in dialog order, which is the tab order.
    auto add = [&](const QString& label, auto* control, const char* name, int columns = 1) {
        control->setObjectName(QLatin1String(name));
        grid->addWidget(new QLabel(label, this), row, 0);
        grid->addWidget(control, row++, 1, 1, columns);
        return control;
    };
    satellite_ = add(tr("Satellite :"), new QComboBox(this), "satellite", 2);
    sizeForEntries(satellite_, kSatelliteEntryLength);
    satellite_->setEnabled(false);  // a transponder stays with its satellite
    frequency_ = add(tr("Frequency :"), new QLineEdit(this), "frequency");
    grid->addWidget(new QLabel(tr("MHZ"), this), row - 1, 2);
    polarisation_ = add(tr("Pol :"), new QComboBox(this), "polarisation");
    symbolRate_ = add(tr("SR :"), new QLineEdit(this), "symbolRate");
    fec_ = add(tr("FEC :"), new QComboBox(this), "fec");
    tid_ = add(tr("TID :"), new QLineEdit(this), "tid");
    name_ = add(tr("Name :"), new QLineEdit(this), "name");
    name_->setMaxLength(static_cast<int>(TransponderForm::kNameLength));
    grid->setColumnStretch(1, 1);

    QDialogButtonBox* buttons = okCancelButtons(this, tr("OK"), &ok_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addSpacing(layout->spacing());
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    validation_ = new LeaveValidation(this, buttons, [this]() -> QWidget* {
        const auto bad = form_.firstInvalid(messages_);
        return bad ? boxWidget(*bad) : nullptr;
    });
    validation_->watch({frequency_, symbolRate_, tid_, name_});

    bindText(this, frequency_, form_.frequencyText);
    bindText(this, symbolRate_, form_.symbolRateText);
    bindText(this, tid_, form_.tidText);
    bindText(this, name_, form_.name);
    bindList(this, polarisation_, form_.polarisation);
    bindList(this, fec_, form_.fec);
}

void TransponderDialog::loadControls() {
    fillList(satellite_, form_.satelliteItems, form_.satellite);
    frequency_->setText(fromWindows1256(form_.frequencyText));
    fillList(polarisation_, TransponderForm::kPolarisations, form_.polarisation);
    symbolRate_->setText(fromWindows1256(form_.symbolRateText));
    fillList(fec_, TransponderForm::kFecs, form_.fec);
    tid_->setText(fromWindows1256(form_.tidText));
    name_->setText(fromWindows1256(form_.name));
}

QWidget* TransponderDialog::boxWidget(TransponderForm::Box box) const {
    switch (box) {
        case TransponderForm::Box::Frequency:
            return frequency_;
        case TransponderForm::Box::SymbolRate:
            return symbolRate_;
        case TransponderForm::Box::Tid:
            return tid_;
        case TransponderForm::Box::Name:
            break;
    }
    return name_;
}

void TransponderDialog::accept() {
    if (form_.satellite < 0 ||
        static_cast<std::size_t>(form_.satellite) >= form_.satelliteItems.size())
        return;
    if (!validation_->validateNow() || !form_.accept(messages_)) return;
    QDialog::accept();
}

}  // namespace kavro::gui
