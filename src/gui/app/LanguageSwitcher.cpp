#include "gui/app/LanguageSwitcher.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>

#include "document/ChannelDocument.h"
#include "gui/MainWindow.h"
#include "gui/app/CommandActions.h"
#include "gui/app/DisplayText.h"
#include "gui/app/StatusPanes.h"
#include "messages/MessageSink.h"

namespace kavro::gui {
namespace {

const QString kKey = QStringLiteral("Settings/Language");

// The window's menu titles in menu-bar order, in the window's own translation context.
constexpr const char* kWindowContext = "kavro::gui::MainWindow";
constexpr const char* kMenuTitles[] = {
    QT_TRANSLATE_NOOP("kavro::gui::MainWindow", "&File"),
    QT_TRANSLATE_NOOP("kavro::gui::MainWindow", "&Edit"),
    QT_TRANSLATE_NOOP("kavro::gui::MainWindow", "&View"),
    QT_TRANSLATE_NOOP("kavro::gui::MainWindow", "&Tools"),
    QT_TRANSLATE_NOOP("kavro::gui::MainWindow", "&Help"),
};

QString windowText(const char* text) {
    return QCoreApplication::translate(kWindowContext, text);
}

}  // namespace

LanguageSwitcher::LanguageSwitcher(QSettings& profile, MessageSink& messages, QObject* parent,
                                   QString directory)
    : QObject(parent), profile_(profile), messages_(messages), directory_(std::move(directory)) {}

LanguageSwitcher::~LanguageSwitcher() {
    for (auto* translator : {own_.get(), qt_.get()})
        if (translator) QCoreApplication::removeTranslator(translator);
}

QString LanguageSwitcher::defaultDirectory() {
    const QString beside = QCoreApplication::applicationDirPath() + QStringLiteral("/Language");
    if (QFileInfo(beside).isDir()) return beside;
    // An installed program: bin/ and share/kavro/Language/ under one prefix.
    return QDir::cleanPath(QCoreApplication::applicationDirPath() +
                           QStringLiteral("/../share/kavro/Language"));
}

QString LanguageSwitcher::fileName(int language) {
    if (language == Arabic) return QStringLiteral("ARA.lng");
    if (language == French) return QStringLiteral("FRA.lng");
    return {};
}

void LanguageSwitcher::applySaved() {
    current_ = profile_.value(kKey, English).toInt();
    // Any other value stays as it is but leaves the built-in English.
    if (current_ == Arabic || current_ == French) load(current_);
}

void LanguageSwitcher::load(int language) {
    for (auto* translator : {own_.get(), qt_.get()})
        if (translator) QCoreApplication::removeTranslator(translator);
    own_.reset();
    qt_.reset();
    loaded_ = English;

    const QString name = fileName(language);
    if (!name.isEmpty()) {
        const QString path = QDir(directory_).filePath(name);
        auto own = std::make_unique<QTranslator>();
        if (own->load(path)) {
            QCoreApplication::installTranslator(own.get());
            own_ = std::move(own);
            loaded_ = language;
            // Qt's own texts: standard buttons, file dialogs.
            auto qt = std::make_unique<QTranslator>();
            const QString locale = language == Arabic ? QStringLiteral("ar") : QStringLiteral("fr");
            if (qt->load(QStringLiteral("qtbase_") + locale,
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
                QCoreApplication::installTranslator(qt.get());
                qt_ = std::move(qt);
            }
        } else {
            messages_.showText(
                toWindows1256(tr("The language file %1 is missing or cannot be read.\n"
                                 "The interface stays in English.")
                                  .arg(QDir::toNativeSeparators(path))),
                MessageStyle::Ok);
        }
    }
    // Arabic reads right to left even when only its file failed: the choice is still Arabic.
    QApplication::setLayoutDirection(language == Arabic && loaded_ == Arabic ? Qt::RightToLeft
                                                                             : Qt::LeftToRight);
}

void LanguageSwitcher::attach(MainWindow& window) {
    window_ = &window;
    CommandActions& a = *window.actions();
    connect(a.english, &QAction::triggered, this, [this] { select(English); });
    connect(a.arabic, &QAction::triggered, this, [this] { select(Arabic); });
    connect(a.french, &QAction::triggered, this, [this] { select(French); });
    connect(a.language, &QAction::triggered, this, &LanguageSwitcher::toggle);
    // A language can always be chosen, whatever state the window's other commands are in.
    for (QAction* action : {a.english, a.arabic, a.french, a.language}) {
        action->setEnabled(true);
        connect(action, &QAction::enabledChanged, action, [action](bool enabled) {
            if (!enabled) action->setEnabled(true);
        });
    }
    updateChecks();
    if (loaded_ != English) retranslateWindow();
}

void LanguageSwitcher::toggle() {
    select(current_ == English ? Arabic : current_ == Arabic ? French : English);
}

void LanguageSwitcher::select(int language) {
    if (language == current_) {
        updateChecks();  // a click on the checked item must leave it checked
        return;
    }
    current_ = language;
    load(language);
    profile_.setValue(kKey, current_);
    // The widgets retranslate on the LanguageChange Qt posts them; do it now, so the window is
    // finished when the command returns.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    retranslateWindow();
    emit languageChanged(current_);
}

void LanguageSwitcher::updateChecks() {
    if (!window_) return;
    CommandActions& a = *window_->actions();
    a.languages->setExclusionPolicy(QActionGroup::ExclusionPolicy::None);
    a.english->setChecked(current_ == English);
    a.arabic->setChecked(current_ == Arabic);
    a.french->setChecked(current_ == French);
    a.languages->setExclusionPolicy(QActionGroup::ExclusionPolicy::Exclusive);
}

void LanguageSwitcher::retranslateWindow() {
    updateChecks();
    if (!window_) return;
    MainWindow& window = *window_;
    CommandActions& a = *window.actions();
    window.document().retranslateHistory();  // before the Undo and Redo items take its names
    a.retranslate();
    const QList<QAction*> menus = window.menuBar()->actions();
    for (qsizetype i = 0; i < menus.size() && i < qsizetype(std::size(kMenuTitles)); ++i)
        menus[i]->setText(windowText(kMenuTitles[i]));
    for (QObject* owner : a.english->associatedObjects())
        if (auto* menu = qobject_cast<QMenu*>(owner))
            menu->setTitle(windowText(QT_TRANSLATE_NOOP("kavro::gui::MainWindow", "&Language")));
    if (auto* bar = window.findChild<QToolBar*>(QStringLiteral("mainToolBar"))) {
        bar->setWindowTitle(windowText(QT_TRANSLATE_NOOP("kavro::gui::MainWindow", "Toolbar")));
        for (auto* button : bar->findChildren<QToolButton*>())
            if (button->defaultAction() == a.open && button->menu())
                button->menu()->setTitle(
                    windowText(QT_TRANSLATE_NOOP("kavro::gui::MainWindow", "Recent files")));
    }
    window.statusPanes()->retranslate();
    // The chosen language's own prompt, as the command's confirmation.
    QAction* chosen = current_ == Arabic ? a.arabic : current_ == French ? a.french : a.english;
    window.statusBar()->showMessage(chosen->statusTip(), 3000);
}

}  // namespace kavro::gui
