#include "gui/dialogs/ArabicListDialog.h"

#include <QAbstractTableModel>
#include <QAction>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>
#include <QValidator>

#include "gui/app/DisplayText.h"
#include "messages/StringIds.h"

namespace kavro::gui {

// The rows of the name-list model as the list shows them: number, Latin and Arabic name.
class ArabicListTableModel : public QAbstractTableModel {
public:
    explicit ArabicListTableModel(const ArabicNameListModel& rows) : rows_(rows) {}

    void refresh() {
        beginResetModel();
        endResetModel();
    }

    int rowCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : static_cast<int>(rows_.rows().size());
    }
    int columnCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : 3;
    }

    QVariant data(const QModelIndex& index, int role) const override {
        if (!index.isValid()) return {};
        const ArabicNameListModel::Row& row = rows_.rows()[static_cast<std::size_t>(index.row())];
        if (role == Qt::DisplayRole) {
            switch (index.column()) {
                case 0:
                    return QString::fromStdString(ArabicNameListModel::numberText(row.number));
                case 1:
                    return fromWindows1256(row.latinName);
                default:
                    return fromWindows1256(row.arabicName);
            }
        }
        if (role == Qt::TextAlignmentRole) return columnAlignment(index.column());
        return {};
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (orientation != Qt::Horizontal) return {};
        if (role == Qt::DisplayRole) return stringField(strings::ArabicListColumns, section);
        if (role == Qt::TextAlignmentRole) return columnAlignment(section);
        return {};
    }

private:
    // Arabic names start at the right in either interface direction; the other columns
    // start where the interface's text does.
    static QVariant columnAlignment(int column) {
        return QVariant::fromValue(
            Qt::AlignVCenter | (column == 2 ? Qt::AlignRight | Qt::AlignAbsolute : Qt::AlignLeft));
    }

    const ArabicNameListModel& rows_;
};

namespace {

// A name box takes what the list file can hold: Windows-1256 characters, and no "|", which
// separates the two names in the file.
class NameValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override {
        for (QChar c : input)
            if (c == QLatin1Char('|') || fromWindows1256(toWindows1256(QString(c))) != c)
                return Invalid;
        return Acceptable;
    }
};

QLineEdit* nameBox(const char* name, std::size_t limit, QWidget* parent) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(QLatin1String(name));
    box->setMaxLength(static_cast<int>(limit));
    box->setValidator(new NameValidator(box));
    return box;
}

QPushButton* button(const char* name, const QString& text) {
    auto* b = new QPushButton(text);
    b->setObjectName(QLatin1String(name));
    b->setAutoDefault(false);
    return b;
}

}  // namespace

ArabicListDialog::ArabicListDialog(const ArabicNameListLocation& where, MessageSink& messages,
                                   QWidget* parent)
    : QDialog(parent),
      where_(where),
      messages_(messages),
      model_(messages),
      table_(std::make_unique<ArabicListTableModel>(model_)) {
    setWindowTitle(tr("   Edit the list of Arabic channals"));

    latin_ = nameBox("latinName", ArabicNameEntry::kLatinNameLimit, this);
    arabic_ = nameBox("arabicName", ArabicNameEntry::kArabicNameLimit, this);
    // Absolute: in a right-to-left box a plain AlignRight means the left edge.
    arabic_->setAlignment(Qt::AlignRight | Qt::AlignAbsolute | Qt::AlignVCenter);
    arabic_->setLayoutDirection(Qt::RightToLeft);
    auto* fields = new QFormLayout;
    fields->addRow(tr("Latin Name :"), latin_);
    fields->addRow(tr("Arabic Name :"), arabic_);

    view_ = new QTableView(this);
    view_->setObjectName(QStringLiteral("list"));
    view_->setModel(table_.get());
    view_->setSelectionBehavior(QAbstractItemView::SelectRows);
    view_->setSelectionMode(QAbstractItemView::SingleSelection);
    view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view_->setShowGrid(true);
    view_->setWordWrap(false);
    view_->verticalHeader()->hide();
    view_->verticalHeader()->setDefaultSectionSize(view_->fontMetrics().height() + 6);
    view_->horizontalHeader()->setHighlightSections(false);
    view_->horizontalHeader()->setStretchLastSection(true);
    view_->setColumnWidth(0, 50);
    view_->setColumnWidth(1, 200);
    view_->setColumnWidth(2, 200);
    view_->setMinimumSize(560, 220);
    view_->setContextMenuPolicy(Qt::CustomContextMenu);

    // The menu's keys work in the list; the name boxes keep theirs for text.
    const auto listKey = [this](const QKeySequence& key, void (ArabicListDialog::*slot)()) {
        auto* action = new QAction(view_);
        action->setShortcut(key);
        action->setShortcutContext(Qt::WidgetShortcut);
        connect(action, &QAction::triggered, this, slot);
        view_->addAction(action);
    };
    listKey(QKeySequence(Qt::CTRL | Qt::Key_E), &ArabicListDialog::editRow);
    listKey(QKeySequence(Qt::CTRL | Qt::Key_A), &ArabicListDialog::addRow);
    listKey(QKeySequence(Qt::Key_Delete), &ArabicListDialog::deleteRow);

    connect(view_, &QTableView::doubleClicked, this,
            [this](const QModelIndex& index) { takeRow(index.row()); });
    connect(view_, &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
        contextMenu(pos)->exec(view_->viewport()->mapToGlobal(pos));
    });

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &ArabicListDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &ArabicListDialog::reject);
    QPushButton* edit = button("edit", tr("Edit"));
    QPushButton* add = button("add", tr("Add"));
    QPushButton* del = button("del", tr("Del"));
    connect(edit, &QPushButton::clicked, this, &ArabicListDialog::editRow);
    connect(add, &QPushButton::clicked, this, &ArabicListDialog::addRow);
    connect(del, &QPushButton::clicked, this, &ArabicListDialog::deleteRow);
    auto* row = new QHBoxLayout;
    row->addWidget(buttons);
    row->addStretch();
    row->addWidget(edit);
    row->addWidget(add);
    row->addWidget(del);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(view_, 1);
    layout->addLayout(row);

    ArabicNameList list;
    loadArabicNameList(list, where_.readPath, messages_);
    model_.reset(list);
    showModel();
    connect(view_->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        if (showing_) return;
        const QModelIndexList rows = view_->selectionModel()->selectedRows();
        model_.select(rows.isEmpty() ? std::nullopt
                                     : std::optional<std::size_t>(rows.front().row()));
    });
}

ArabicListDialog::~ArabicListDialog() = default;

bool ArabicListDialog::run(const ArabicNameListLocation& where, MessageSink& messages,
                           QWidget* parent) {
    ArabicListDialog dialog(where, messages, parent);
    return dialog.exec() == QDialog::Accepted;
}

void ArabicListDialog::showModel() {
    showing_ = true;
    table_->refresh();
    if (const std::optional<std::size_t> row = model_.selection()) {
        const QModelIndex index = table_->index(static_cast<int>(*row), 0);
        view_->selectRow(index.row());
        view_->scrollTo(index);
    }
    showing_ = false;
}

void ArabicListDialog::takeRow(int row) {
    if (row < 0) return;
    const ArabicNameEntry texts = model_.editTexts(static_cast<std::size_t>(row));
    latin_->setText(fromWindows1256(texts.latinName));
    arabic_->setText(fromWindows1256(texts.arabicName));
}

void ArabicListDialog::editRow() {
    if (model_.edit(toWindows1256(latin_->text()), toWindows1256(arabic_->text()))) showModel();
}

void ArabicListDialog::addRow() {
    model_.add(toWindows1256(latin_->text()), toWindows1256(arabic_->text()));
    // A duplicate answered No still selects the row it found.
    showModel();
}

void ArabicListDialog::deleteRow() {
    if (model_.remove()) showModel();
}

std::unique_ptr<QMenu> ArabicListDialog::contextMenu(const QPoint& pos) {
    const bool onRow = view_->indexAt(pos).isValid();
    auto menu = std::make_unique<QMenu>(this);
    QAction* edit =
        menu->addAction(tr("&Edit") + QStringLiteral("\tCtrl+E"), this, &ArabicListDialog::editRow);
    QAction* add =
        menu->addAction(tr("&Add") + QStringLiteral("\tCtrl+A"), this, &ArabicListDialog::addRow);
    QAction* del =
        menu->addAction(tr("&Del") + QStringLiteral("\tDel"), this, &ArabicListDialog::deleteRow);
    edit->setEnabled(onRow);
    del->setEnabled(onRow);
    menu->setDefaultAction(onRow ? edit : add);
    return menu;
}

void ArabicListDialog::accept() {
    if (saveArabicNameList(model_.list(), where_.writePath, messages_, where_.readPath) < 0)
        return;  // reported; the rows stay for another try or Cancel
    QDialog::accept();
}

}  // namespace kavro::gui
