#include "gui/dialogs/GroupDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "gui/app/CoreTexts.h"
#include "gui/app/DisplayText.h"
#include "gui/dialogs/DialogControls.h"
#include "gui/dialogs/GroupCandidateModel.h"
#include "gui/views/ChannelListRows.h"
#include "gui/views/OwnDirectionDelegate.h"

namespace kavro::gui {

namespace {

// The list's background (0x00BBGGRR) where no row is drawn.
constexpr std::uint32_t kCandidateListBackground = 0xFFFFF0;
// Column widths at a font of this average character width; wider fonts widen them.
constexpr int kColumnWidths[GroupCandidateModel::ColumnCount] = {49, 85, 150, 100, 170};
constexpr double kReferenceCharWidth = 6.0;

}  // namespace

GroupDialog::GroupDialog(GroupForm form, MessageSink& messages, QWidget* parent)
    : QDialog(parent), form_(std::move(form)), messages_(messages) {
    setWindowTitle(coreTitle(form_.title));
    createControls();
    updateControls();
}

void GroupDialog::createControls() {
    // Created in dialog order, which is the tab order.
    satellite_ = new QComboBox(this);
    satellite_->setObjectName(QStringLiteral("satellite"));
    sizeForEntries(satellite_, kSatelliteEntryLength);
    fillList(satellite_, form_.satelliteItems, form_.satellite);
    satellite_->setEnabled(form_.satelliteEnabled());
    name_ = new QLineEdit(this);
    name_->setObjectName(QStringLiteral("name"));
    setUpNameBox(name_, form_.name);
    original_ = new QPushButton(tr("Original"), this);
    original_->setObjectName(QStringLiteral("original"));

    model_ = new GroupCandidateModel(form_, this);
    view_ = new QTableView(this);
    view_->setObjectName(QStringLiteral("candidates"));
    view_->setModel(model_);
    // "1. Nilesat 7.0W" and "10719 V 27500" read as in the channel list in either direction.
    view_->setItemDelegate(new OwnDirectionDelegate(view_));
    view_->setSelectionBehavior(QAbstractItemView::SelectRows);
    view_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view_->setWordWrap(false);
    view_->setShowGrid(true);
    view_->verticalHeader()->hide();
    view_->horizontalHeader()->setHighlightSections(false);
    view_->horizontalHeader()->setSortIndicator(GroupCandidateModel::OrderColumn,
                                                Qt::AscendingOrder);
    view_->setSortingEnabled(true);
    QPalette palette = view_->palette();
    palette.setColor(QPalette::Base, fromColorRef(kCandidateListBackground));
    view_->setPalette(palette);
    view_->installEventFilter(this);
    setUpColumns();

    auto* top = new QGridLayout;
    top->addWidget(new QLabel(tr("Satellite :"), this), 0, 0);
    top->addWidget(satellite_, 0, 1, 1, 2);
    top->addWidget(new QLabel(tr("Group :"), this), 1, 0);
    top->addWidget(name_, 1, 1);
    top->addWidget(original_, 1, 2);
    top->setColumnStretch(1, 1);

    QDialogButtonBox* buttons = okCancelButtons(this, tr("OK"), &ok_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(view_, 1);
    layout->addWidget(buttons);

    connect(satellite_, &QComboBox::currentIndexChanged, this, [this](int s) {
        if (s < 0 || s == form_.satellite) return;
        form_.chooseSatellite(s);
        model_->reload();
        setNameBoxText(name_, form_.name, form_.name.text);
        updateControls();
    });
    connect(name_, &QLineEdit::textChanged, this, [this] {
        form_.name.text = nameBoxText(name_, form_.name);
        updateControls();
    });
    connect(original_, &QPushButton::clicked, this, [this] {
        form_.restoreOriginal();
        name_->setText(fromWindows1256(form_.name.opening));
    });
    connect(model_, &GroupCandidateModel::checksChanged, this, &GroupDialog::updateControls);
}

void GroupDialog::setUpColumns() {
    const QFontMetrics metrics = view_->fontMetrics();
    const int icon = style()->pixelMetric(QStyle::PM_SmallIconSize);
    const double scale = std::max(1.0, metrics.averageCharWidth() / kReferenceCharWidth);
    QHeaderView* header = view_->horizontalHeader();
    for (int c = 0; c < GroupCandidateModel::ColumnCount; ++c) {
        int width = static_cast<int>(std::lround(kColumnWidths[c] * scale));
        // The check box, the type icon and the row number side by side.
        if (c == GroupCandidateModel::TypeColumn)
            width = std::max(width, style()->pixelMetric(QStyle::PM_IndicatorWidth) + icon +
                                        metrics.horizontalAdvance(QStringLiteral("0000")) + 24);
        width =
            std::max(width, metrics.horizontalAdvance(
                                model_->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString()) +
                                24);
        header->resizeSection(c, width);
    }
    header->setStretchLastSection(true);
    view_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view_->verticalHeader()->setDefaultSectionSize(std::max(metrics.height(), icon) + 6);
    int listWidth = 2 * view_->frameWidth() + style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    for (int c = 0; c < GroupCandidateModel::ColumnCount; ++c) listWidth += header->sectionSize(c);
    view_->setMinimumWidth(listWidth);
    view_->setMinimumHeight(12 * view_->verticalHeader()->defaultSectionSize());
}

void GroupDialog::updateControls() {
    // Without a name there is nothing to confirm, nor a list to work on.
    view_->setEnabled(form_.listEnabled());
    ok_->setEnabled(form_.okEnabled());
    original_->setEnabled(form_.originalEnabled());
}

bool GroupDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == view_ && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Space &&
        static_cast<QKeyEvent*>(event)->modifiers() == Qt::NoModifier) {
        toggleSelectedRows();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

// Space turns the selected rows the opposite way of the current row.
void GroupDialog::toggleSelectedRows() {
    const QModelIndex current = view_->currentIndex();
    if (!current.isValid()) return;
    const bool on = !form_.rows[model_->formRow(current.row())].checked;
    std::vector<int> rows;
    for (const QModelIndex& index : view_->selectionModel()->selectedRows())
        rows.push_back(index.row());
    if (rows.empty()) rows.push_back(current.row());
    model_->setChecked(rows, on);
}

void GroupDialog::accept() {
    if (!form_.okEnabled()) return;
    group_ = form_.accept(messages_);
    if (!group_) return;
    QDialog::accept();
}

}  // namespace kavro::gui
