#include <QApplication>
#include <QCommandLineParser>
#include <QSettings>

#include "document/ChannelDocument.h"
#include "gui/MainWindow.h"
#include "gui/app/FileDialogs.h"
#include "gui/app/GuiMessageSink.h"
#include "gui/app/Icons.h"
#include "gui/app/LanguageSwitcher.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Kavro"));
    QApplication::setApplicationName(QStringLiteral("Kavro Channel Editor"));
    QApplication::setApplicationDisplayName(QStringLiteral("Kavro Channel Editor"));
    QApplication::setApplicationVersion(QStringLiteral(KAVRO_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("kavro-editor"));
    QApplication::setWindowIcon(kavro::gui::applicationIcon());

    QSettings profile;
    kavro::gui::GuiMessageSink messages;
    // The saved interface language, before any text is made (--help included).
    kavro::gui::LanguageSwitcher languages(profile, messages);
    languages.applySaved();

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QApplication::translate("main", "Edits a satellite receiver's channel database."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("file"),
                                 QApplication::translate("main", "A .ird file to open."),
                                 QStringLiteral("[file]"));
    parser.process(app);

    kavro::ChannelDocument document(messages);
    kavro::gui::QtFileDialogs fileDialogs;
    kavro::gui::MainWindow window(document, fileDialogs, profile);
    languages.attach(window);
    messages.setParent(&window);
    window.show();

    if (!parser.positionalArguments().isEmpty())
        window.openFile(parser.positionalArguments().constFirst());
    return app.exec();
}
