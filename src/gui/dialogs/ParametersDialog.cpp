#include "gui/dialogs/ParametersDialog.h"

#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStyle>
#include <QTimeEdit>
#include <QVBoxLayout>

#include "arabic/ReceiverName.h"
#include "document/ChannelDocument.h"
#include "document/commands/EditSettings.h"
#include "gui/app/CoreTexts.h"
#include "gui/app/DisplayText.h"
#include "gui/dialogs/ParametersDialogPicker.h"

namespace kavro::gui {
namespace {

namespace L = settings_lists;

QGroupBox* frame(const QString& title, QLayout* layout) {
    // The blanks around the receiver's frame titles kept them off the frame line; the style
    // pads titles itself, and blanks would set them out of line.
    auto* box = new QGroupBox(title.trimmed());
    box->setLayout(layout);
    return box;
}

QFormLayout* formLayout() {
    auto* layout = new QFormLayout;
    layout->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    layout->setLabelAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return layout;
}

// Number and password boxes hold a few characters: as wide as a short list.
int narrowBoxWidth(const QWidget& box) {
    return box.fontMetrics().horizontalAdvance(QStringLiteral("0000000000")) + 12;
}

QDateTime atTime(const TimeOfDay& t) {
    return QDateTime(QDate(2000, 1, 1), QTime(t.hour, t.minute, t.second));
}

// The date picker's calendar in the program's colours: a green title with cyan text,
// ivory days in navy (weekends keep their own colour).
void colourCalendar(QCalendarWidget* calendar) {
    calendar->setStyleSheet(
        QStringLiteral("#qt_calendar_navigationbar { background-color: rgb(0,128,0); }"
                       "#qt_calendar_navigationbar QToolButton { color: rgb(0,255,255); }"
                       "QCalendarWidget QAbstractItemView { background-color: rgb(255,255,240);"
                       " color: rgb(0,0,128); selection-background-color: rgb(0,128,0);"
                       " selection-color: rgb(0,255,255); }"));
}

}  // namespace

ParametersDialog::ParametersDialog(ChannelDocument& document, QWidget* parent)
    : QDialog(parent),
      document_(document),
      form_(document.database(), [](ConstNameField field) { return decodeReceiverName(field); }) {
    // "   Parameters <<date>>": the words translated, the receiver's date as it stands.
    const std::string& title = form_.title;
    const auto open = title.find("<<"), close = title.rfind(">>");
    setWindowTitle(open != std::string::npos && close != std::string::npos && close > open
                       ? tr("   Parameters <<%1>>")
                             .arg(fromWindows1256(title.substr(open + 2, close - open - 2)))
                       : fromWindows1256(title));

    auto* left = new QVBoxLayout;
    left->addWidget(outputFrame());
    left->addWidget(languageFrame());
    left->addWidget(osdFrame());
    left->addWidget(uhfFrame());
    left->addStretch();
    auto* right = new QVBoxLayout;
    right->addWidget(timeFrame());
    right->addWidget(startupFrame());
    right->addWidget(lockFrame());
    right->addWidget(numberFrame());
    right->addStretch();

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &ParametersDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &ParametersDialog::reject);

    auto* columns = new QHBoxLayout;
    columns->addLayout(left, 1);
    columns->addLayout(right, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addWidget(buttons);
    updateEnabling();
}

ParametersDialog::~ParametersDialog() = default;

bool ParametersDialog::run(ChannelDocument& document, QWidget* parent) {
    ParametersDialog dialog(document, parent);
    return dialog.exec() == QDialog::Accepted;
}

QComboBox* ParametersDialog::list(const char* name, int ParametersForm::*field,
                                  std::span<const char* const> items) {
    auto* box = new QComboBox;
    box->setObjectName(QLatin1String(name));
    for (const char* item : items)
        box->addItem(coreText(item));
    // A stored code that names no item shows no item.
    box->setCurrentIndex(form_.*field);
    connect(box, &QComboBox::currentIndexChanged, this, [this, field](int i) { form_.*field = i; });
    return box;
}

QCheckBox* ParametersDialog::check(const char* name, const QString& text,
                                   bool ParametersForm::*field) {
    auto* box = new QCheckBox(text);
    box->setObjectName(QLatin1String(name));
    box->setChecked(form_.*field);
    connect(box, &QCheckBox::toggled, this, [this, field](bool on) {
        form_.*field = on;
        updateEnabling();
    });
    return box;
}

QLineEdit* ParametersDialog::numberBox(const char* name, std::string ParametersForm::*field,
                                       ParametersForm::NumberBox which) {
    auto* box = new QLineEdit(fromWindows1256(form_.*field));
    box->setObjectName(QLatin1String(name));
    box->setMaximumWidth(narrowBoxWidth(*box));
    connect(box, &QLineEdit::textEdited, this, [this, box, field, which](const QString& text) {
        form_.*field = toWindows1256(text);
        // Reported while typed, once no further digit can bring the number into range.
        if (!form_.checkWhileTyping(which, document_.messages())) {
            box->setFocus();
            box->selectAll();
        }
    });
    return box;
}

QTimeEdit* ParametersDialog::timerPicker(const char* name, TimeOfDay ParametersForm::*field) {
    auto* picker = new QTimeEdit;
    picker->setObjectName(QLatin1String(name));
    picker->setDisplayFormat(QStringLiteral("HH:mm"));
    picker->setTime(QTime((form_.*field).hour, (form_.*field).minute));
    connect(picker, &QTimeEdit::timeChanged, this, [this, field](QTime t) {
        form_.*field = TimeOfDay{t.hour(), t.minute(), 0};
    });
    return picker;
}

QWidget* ParametersDialog::outputFrame() {
    auto* layout = formLayout();
    layout->addRow(tr("Video Output :"),
                   list("videoOutput", &ParametersForm::videoOutput, L::kVideoOutput));
    layout->addRow(tr("Screen Mode :"),
                   list("screenMode", &ParametersForm::screenMode, L::kScreenMode));
    layout->addRow(tr("Conversion :"),
                   list("conversion", &ParametersForm::conversion, L::kConversion));
    layout->addRow(tr("TV type :"), list("tvType", &ParametersForm::tvType, L::kTvType));
    layout->addRow(check("dolbySound", tr("Sound Dolby"), &ParametersForm::dolbySound));
    return frame(tr(" Output Setting "), layout);
}

QWidget* ParametersDialog::timeFrame() {
    currentTime_ = new ParametersDialogPicker(QStringLiteral("HH:mm:ss"));
    currentTime_->setObjectName(QStringLiteral("currentTime"));
    currentDate_ = new ParametersDialogPicker(QStringLiteral("yyyy/MM/dd"));
    currentDate_->setObjectName(QStringLiteral("currentDate"));
    currentDate_->setDateRange(QDate(ParametersForm::kMinYear, 1, 1),
                               QDate(ParametersForm::kMaxYear, 12, 31));
    currentDate_->setCalendarPopup(true);
    // Room for the whole date beside the calendar button, in any font.
    for (QWidget* picker :
         {static_cast<QWidget*>(currentTime_), static_cast<QWidget*>(currentDate_)})
        picker->setMinimumWidth(
            picker->fontMetrics().horizontalAdvance(QStringLiteral("0000/00/00")) +
            picker->style()->pixelMetric(QStyle::PM_ComboBoxFrameWidth) * 2 + 40);
    colourCalendar(currentDate_->calendarWidget());
    showClock();

    const auto takeTime = [this] {
        if (currentTime_->isBlank()) return;
        const QTime t = currentTime_->time();
        form_.currentTime = TimeOfDay{t.hour(), t.minute(), t.second()};
    };
    const auto takeDate = [this] {
        if (currentDate_->isBlank()) return;
        const QDate d = currentDate_->date();
        form_.currentDate = CalendarDate{d.year(), d.month(), d.day()};
    };
    connect(currentTime_, &QDateTimeEdit::dateTimeChanged, this, takeTime);
    connect(currentDate_, &QDateTimeEdit::dateTimeChanged, this, takeDate);
    currentTime_->onFilled = takeTime;
    currentDate_->onFilled = takeDate;

    auto* update = new QPushButton(tr("Update"));
    update->setObjectName(QStringLiteral("update"));
    update->setAutoDefault(false);
    connect(update, &QPushButton::clicked, this, [this] {
        form_.update(now_());
        showClock();
    });

    wakeupTime_ = timerPicker("wakeupTime", &ParametersForm::wakeupTime);
    sleepTime_ = timerPicker("sleepTime", &ParametersForm::sleepTime);

    auto* layout = new QGridLayout;
    layout->addWidget(new QLabel(tr("Curent Time :")), 0, 0);
    layout->addWidget(currentTime_, 0, 1);
    layout->addWidget(new QLabel(tr("Curent Date :")), 1, 0);
    layout->addWidget(currentDate_, 1, 1);
    layout->addWidget(update, 0, 2, 2, 1);
    layout->addWidget(check("wakeup", tr("Wakeup Time :"), &ParametersForm::wakeup), 2, 0);
    layout->addWidget(wakeupTime_, 2, 1);
    layout->addWidget(check("sleep", tr("Sleep Time :"), &ParametersForm::sleep), 3, 0);
    layout->addWidget(sleepTime_, 3, 1);
    layout->setColumnStretch(1, 1);
    return frame(tr(" Time Setting "), layout);
}

QWidget* ParametersDialog::languageFrame() {
    auto* layout = formLayout();
    layout->addRow(tr("Menu Lang :"),
                   list("menuLanguage", &ParametersForm::menuLanguage, L::kMenuLanguage));
    layout->addRow(tr("Audio Lang :"),
                   list("audioLanguage", &ParametersForm::audioLanguage, L::kLanguage));
    layout->addRow(tr("Subtitle :"), list("subtitle", &ParametersForm::subtitle, L::kSubtitle));
    layout->addRow(tr("Subtitle Lang :"),
                   list("subtitleLanguage", &ParametersForm::subtitleLanguage, L::kLanguage));
    return frame(tr(" Language Setting "), layout);
}

QWidget* ParametersDialog::osdFrame() {
    auto* layout = formLayout();
    layout->addRow(tr("Show info :"), list("showInfo", &ParametersForm::showInfo, L::kShowInfo));
    layout->addRow(tr("Background :"),
                   list("background", &ParametersForm::background, L::kBackground));
    layout->addRow(tr("Transparency :"),
                   list("transparency", &ParametersForm::transparency, L::kTransparency));
    layout->addRow(check("soundEffects", tr("Sound Effets :"), &ParametersForm::soundEffects));
    return frame(tr("OSD Setting "), layout);
}

QWidget* ParametersDialog::startupFrame() {
    group_ = new QComboBox;
    group_->setObjectName(QStringLiteral("group"));
    for (const std::string& item : form_.groupItems)
        group_->addItem(ownDirection(fromWindows1256(item)));
    group_->setCurrentIndex(form_.startupGroup);
    channel_ = new QComboBox;
    channel_->setObjectName(QStringLiteral("channel"));
    channel_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    channel_->setMinimumContentsLength(16);
    fillChannels();
    connect(group_, &QComboBox::currentIndexChanged, this, [this](int i) {
        form_.chooseGroup(i);
        fillChannels();
    });
    connect(channel_, &QComboBox::currentIndexChanged, this,
            [this](int i) { form_.startupChannel = i; });

    auto* layout = formLayout();
    layout->addRow(tr("Group :"), group_);
    layout->addRow(tr("Channal :"), channel_);
    layout->addRow(tr("Volume :"), numberBox("volume", &ParametersForm::volumeText,
                                             ParametersForm::NumberBox::Volume));
    return frame(tr(" Startup Infos "), layout);
}

QWidget* ParametersDialog::lockFrame() {
    age_ = numberBox("age", &ParametersForm::ageText, ParametersForm::NumberBox::Age);
    auto* password = new QLineEdit(fromWindows1256(form_.passwordText));
    password->setObjectName(QStringLiteral("password"));
    password->setMaxLength(static_cast<int>(ParametersForm::kPasswordLength));
    password->setMaximumWidth(narrowBoxWidth(*password));
    connect(password, &QLineEdit::textEdited, this,
            [this](const QString& text) { form_.passwordText = toWindows1256(text); });

    auto* layout = formLayout();
    layout->addRow(check("ageLock", tr("Age Lock :"), &ParametersForm::ageLock), age_);
    layout->addRow(check("menuLock", tr("Menu Lock :"), &ParametersForm::menuLock));
    layout->addRow(tr("Password :"), password);
    return frame(tr(" Lock Control "), layout);
}

QWidget* ParametersDialog::uhfFrame() {
    auto* layout = formLayout();
    layout->addRow(tr("UHF Channal :"), numberBox("uhfChannel", &ParametersForm::uhfText,
                                                  ParametersForm::NumberBox::Uhf));
    layout->addRow(tr("Standard PAL :"),
                   list("palStandard", &ParametersForm::palStandard, L::kPalStandard));
    return frame(tr(" UHF Control "), layout);
}

QWidget* ParametersDialog::numberFrame() {
    auto* layout = new QGridLayout;
    // The form's "Sat     : 6" texts, reworded in the interface language around the count.
    static const char* const kNames[] = {QT_TR_NOOP("Sat : %1"), QT_TR_NOOP("TP : %1"),
                                         QT_TR_NOOP("Channals : %1"), QT_TR_NOOP("Groups : %1")};
    for (std::size_t i = 0; i < form_.numberTexts.size(); ++i) {
        const QString text = fromWindows1256(form_.numberTexts[i]);
        auto* label = new QLabel(i < std::size(kNames) && text.contains(u':')
                                     ? tr(kNames[i]).arg(text.section(u':', 1).trimmed())
                                     : text.trimmed());
        label->setObjectName(QStringLiteral("number%1").arg(i));
        layout->addWidget(label, static_cast<int>(i / 2), static_cast<int>(i % 2));
    }
    return frame(tr(" Number "), layout);
}

void ParametersDialog::fillChannels() {
    const QSignalBlocker blocker(channel_);
    channel_->clear();
    for (const std::string& item : form_.channelItems)
        channel_->addItem(ownDirection(fromWindows1256(item)));
    channel_->setCurrentIndex(form_.startupChannel);
}

void ParametersDialog::showClock() {
    const LocalDateTime now = now_();
    const QDateTime present(QDate(now.year, now.month, now.day),
                            QTime(now.hour, now.minute, now.second));
    if (form_.currentTime)
        currentTime_->setValue(atTime(*form_.currentTime));
    else
        currentTime_->setBlank(present);
    if (form_.currentDate)
        currentDate_->setValue(QDateTime(
            QDate(form_.currentDate->year, form_.currentDate->month, form_.currentDate->day),
            QTime(0, 0)));
    else
        currentDate_->setBlank(present);
}

void ParametersDialog::updateEnabling() {
    wakeupTime_->setEnabled(form_.wakeupPickerEnabled());
    sleepTime_->setEnabled(form_.sleepPickerEnabled());
    age_->setEnabled(form_.ageBoxEnabled());
}

void ParametersDialog::accept() {
    const std::optional<ParametersResult> result = form_.accept(document_.messages(), now_());
    if (!result) return;  // the message is shown; the dialog stays open
    document_.push(new EditSettings(document_, result->settings, result->startupChannels));
    QDialog::accept();
}

}  // namespace kavro::gui
