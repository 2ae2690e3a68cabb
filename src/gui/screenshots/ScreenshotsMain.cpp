// kavro-screenshots FILE.ird OUTDIR: renders the editor's windows on FILE to PNG pictures,
// so the look can be checked (and shown in the README) without a desktop session.
#include <QApplication>
#include <QDir>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>

#include "document/ChannelDocument.h"
#include "editing/TreeItemKey.h"
#include "gui/MainWindow.h"
#include "gui/app/FileDialogs.h"
#include "gui/app/GuiMessageSink.h"
#include "gui/app/Icons.h"
#include "gui/app/StatusPanes.h"
#include "gui/screenshots/ChannelMenuScreenshot.h"
#include "gui/screenshots/DialogScreenshots.h"
#include "gui/screenshots/FindScreenshot.h"
#include "gui/screenshots/LanguageScreenshots.h"
#include "gui/screenshots/ParametersAndArabicListScreenshots.h"
#include "gui/screenshots/TransferScreenshots.h"
#include "gui/views/ChannelList.h"
#include "gui/views/DatabaseTree.h"

namespace {

bool save(QWidget& widget, const QDir& dir, const QString& name) {
    QApplication::processEvents();
    const QString path = dir.filePath(name);
    if (!widget.grab().save(path)) {
        std::fprintf(stderr, "kavro-screenshots: cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("Kavro Channel Editor"));
    if (argc != 3) {
        std::fprintf(stderr, "Usage: kavro-screenshots FILE.ird OUTDIR\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[2]));
    if (!QDir().mkpath(out.path())) return 1;

    // A throw-away profile, so the pictures never show this machine's recent files.
    QTemporaryDir profileDir;
    QSettings profile(profileDir.filePath(QStringLiteral("profile.ini")), QSettings::IniFormat);
    kavro::gui::GuiMessageSink messages;
    kavro::ChannelDocument document(messages);
    kavro::gui::NoFileDialogs dialogs;
    kavro::gui::MainWindow window(document, dialogs, profile);
    window.resize(1000, 620);
    // A fixed time in the clock pane, so the pictures only change when the window does.
    window.statusPanes()->setClock([] { return QDateTime(QDate(2025, 3, 14), QTime(20, 30)); });
    window.show();
    if (!window.openFile(QString::fromLocal8Bit(argv[1]))) return 1;

    bool ok = true;
    // A transponder of the first satellite: the everyday view.
    window.tree()->selectKey(kavro::TreeItemKey::satellite(0));
    window.tree()->expandAll();
    window.tree()->selectKey(kavro::TreeItemKey::transponder(0, 3));
    window.channelList()->selectRow(2);
    ok &= save(window, out, QStringLiteral("main-window.png"));
    ok &= kavro::gui::saveChannelMenuScreenshot(*window.channelList(), out,
                                                QStringLiteral("channel-menu.png"), save);

    // Every channel, coloured by satellite.
    window.tree()->collapseAll();
    window.tree()->selectKey(kavro::TreeItemKey::satellitesHeader());
    ok &= save(window, out, QStringLiteral("all-channels.png"));

    // A favourites group.
    const auto& groups = document.database().groups;
    if (groups.size() > 4) {
        const int kind = kavro::ChannelDatabase::groupKind(groups[4]);
        window.tree()->selectKey(kavro::TreeItemKey::group(
            kind < 0 ? kavro::TreeItemKey::kHeader : static_cast<std::uint16_t>(kind), 4));
        ok &= save(window, out, QStringLiteral("group.png"));
    }
    ok &= kavro::gui::saveFindScreenshot(window, out, save);
    ok &= kavro::gui::saveDialogScreenshots(document, &window, out, save);
    ok &= kavro::gui::saveParametersAndArabicListScreenshots(document, &window, out, save);
    ok &= kavro::gui::saveTransferScreenshots(&window, out, save);
    ok &= kavro::gui::saveLanguageScreenshots(window, profile, out, save);
    return ok ? 0 : 1;
}
