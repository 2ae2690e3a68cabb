#pragma once

#include <QObject>
#include <QPointer>
#include <QSettings>
#include <QString>
#include <QTranslator>
#include <memory>

class QMenu;
class QToolBar;

namespace kavro {
class MessageSink;
}

namespace kavro::gui {

class MainWindow;

// The interface language: English built in, Arabic and French from Language/ARA.lng and
// Language/FRA.lng. The choice is the profile's "Settings/Language" (9, 1 or 12); Arabic lays
// the whole application out right to left.
class LanguageSwitcher : public QObject {
    Q_OBJECT
public:
    static constexpr int English = 9;
    static constexpr int Arabic = 1;
    static constexpr int French = 12;

    // `directory` holds the language files; by default the one beside the program, else the
    // installed data folder.
    LanguageSwitcher(QSettings& profile, MessageSink& messages, QObject* parent = nullptr,
                     QString directory = defaultDirectory());
    ~LanguageSwitcher() override;

    static QString defaultDirectory();
    // ARA.lng for Arabic, FRA.lng for French, nothing for any other language.
    static QString fileName(int language);

    // Start-up, before the main window exists: the profile's language, default English.
    void applySaved();
    // Connects the window's language commands (menu items, toolbar button) and keeps their
    // check marks; retranslates what the window cannot retranslate itself.
    void attach(MainWindow& window);

    int current() const { return current_; }
    // The language in use for the texts (English after a failed load).
    int loaded() const { return loaded_; }

public slots:
    // The language of a menu item; the current one again changes and writes nothing.
    void select(int language);
    // English -> Arabic -> French -> English; any other value goes to English.
    void toggle();

signals:
    void languageChanged(int language);

private:
    void load(int language);
    void retranslateWindow();
    void updateChecks();

    QSettings& profile_;
    MessageSink& messages_;
    QString directory_;
    int current_ = English;
    int loaded_ = English;
    std::unique_ptr<QTranslator> own_;
    std::unique_ptr<QTranslator> qt_;
    QPointer<MainWindow> window_;
};

}  // namespace kavro::gui
