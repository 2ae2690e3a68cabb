#include "gui/find/FindDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>

#include "document/ChannelDocument.h"
#include "gui/app/CoreTexts.h"
#include "gui/app/DisplayText.h"
#include "gui/find/ShowFoundChannel.h"
#include "gui/views/ChannelList.h"
#include "gui/views/DatabaseTree.h"

namespace kavro::gui {
namespace {

// Room for "360. " and a 20-character satellite name, so picking another satellite never
// makes the dialog jump in width.
constexpr int kListWidthInCharacters = 26;

void fillBox(QComboBox* box, const std::vector<std::string>& entries, int current) {
    const QSignalBlocker quiet(box);
    box->clear();
    for (const std::string& entry : entries) box->addItem(ownDirection(fromWindows1256(entry)));
    // The first entry is the core's "All ..." text, the others are the receiver's names.
    if (box->count() > 0) box->setItemText(0, coreText(entries.front()));
    box->setCurrentIndex(current);
}

QComboBox* makeList(QWidget* parent, const char* name) {
    auto* box = new QComboBox(parent);
    box->setObjectName(QLatin1String(name));
    box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    box->setMinimumContentsLength(kListWidthInCharacters);
    return box;
}

}  // namespace

FindDialog::FindDialog(ChannelDocument& document, DatabaseTree* tree, ChannelList* list,
                       QWidget* parent)
    : QDialog(parent), document_(document), tree_(tree), list_(list) {

    satellites_ = makeList(this, "satellites");
    transponders_ = makeList(this, "transponders");
    text_ = new QLineEdit(this);
    text_->setObjectName(QStringLiteral("text"));
    text_->setMaxLength(static_cast<int>(FindForm::kMaxTextLength));
    text_->setClearButtonEnabled(true);

    auto* fields = new QFormLayout;
    satelliteLabel_ = new QLabel(this);
    transponderLabel_ = new QLabel(this);
    textLabel_ = new QLabel(this);
    fields->addRow(satelliteLabel_, satellites_);
    fields->addRow(transponderLabel_, transponders_);
    fields->addRow(textLabel_, text_);
    satelliteLabel_->setBuddy(satellites_);
    transponderLabel_->setBuddy(transponders_);
    textLabel_->setBuddy(text_);

    auto* buttons = new QDialogButtonBox(Qt::Vertical, this);
    next_ = buttons->addButton(QString(), QDialogButtonBox::ActionRole);
    next_->setObjectName(QStringLiteral("next"));
    next_->setDefault(true);
    next_->setEnabled(false);
    buttons->addButton(QDialogButtonBox::Close);

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(fields, 1);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(next_, &QPushButton::clicked, this, &FindDialog::next);
    connect(text_, &QLineEdit::textChanged, this, [this](const QString& text) {
        form_.text = toWindows1256(text);
        next_->setEnabled(form_.canSearch());
    });
    connect(satellites_, &QComboBox::activated, this, [this](int entry) {
        form_.chooseSatellite(document_.database(), entry);
        fillTransponders();
    });
    connect(transponders_, &QComboBox::activated, this,
            [this](int entry) { form_.transponderEntry = entry; });
    connect(&document_, &ChannelDocument::changed, this, &FindDialog::onDocumentChanged);
    retranslate();
}

void FindDialog::retranslate() {
    setWindowTitle(tr("Find"));
    satelliteLabel_->setText(tr("&Satellite :"));
    transponderLabel_->setText(tr("&Transponder :"));
    textLabel_->setText(tr("C&hannal :"));
    next_->setText(tr("&Next"));
}

void FindDialog::changeEvent(QEvent* event) {
    // The dialog stays open across a language change.
    if (event->type() == QEvent::LanguageChange) {
        retranslate();
        fillLists();  // "All ..." in the new language, the entries in the new direction
    }
    QDialog::changeEvent(event);
}

void FindDialog::preselect(const TreeItemKey& current) {
    form_.preselect(document_.database(), current);
    fillLists();
}

void FindDialog::focusText() {
    text_->setFocus(Qt::ShortcutFocusReason);
    text_->selectAll();
}

void FindDialog::next() {
    if (!tree_ || !list_ || !form_.canSearch()) return;
    const FindForm before = form_;
    const std::optional<ChannelPlace> hit = form_.next(document_.database(), document_.messages());
    if (!hit) return;  // reported by the search
    if (!showFoundChannel(*tree_, *list_, *hit)) {
        form_ = before;
        reportNotFound(document_.messages(), form_.text);
        return;
    }
    fillLists();
}

void FindDialog::fillLists() {
    fillBox(satellites_, form_.satelliteEntries(document_.database()), form_.satelliteEntry);
    fillTransponders();
}

void FindDialog::fillTransponders() {
    fillBox(transponders_, form_.transponderEntries(document_.database()), form_.transponderEntry);
}

void FindDialog::onDocumentChanged(const DocumentChange& change) {
    if (!change.touches(DocumentChange::Satellites) &&
        !change.touches(DocumentChange::Transponders))
        return;
    // Keep the chosen satellite and transponder where they still exist, else fall back to
    // "All ...", as opening on that place would.
    TreeItemKey at = TreeItemKey::satellitesHeader();
    if (form_.satelliteEntry > 0)
        at = TreeItemKey::transponder(static_cast<std::uint16_t>(form_.satelliteEntry - 1),
                                      form_.transponderEntry > 0
                                          ? static_cast<std::uint16_t>(form_.transponderEntry - 1)
                                          : TreeItemKey::kNone);
    preselect(at);
}

}  // namespace kavro::gui
