// A live language switch of the editor window with a full-capacity database open and every
// channel listed: translators swapped, menus, toolbar, tree headers and column titles
// retranslated, the layout mirrored. Goal: at most 100 ms (median of 5).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>

#include "DatabaseBuilder.h"
#include "OffscreenBenchmarkMain.h"
#include "database/ImageFile.h"
#include "document/ChannelDocument.h"
#include "gui/MainWindow.h"
#include "gui/app/FileDialogs.h"
#include "gui/app/LanguageSwitcher.h"
#include "gui/views/DatabaseTree.h"

namespace kavro::gui {
namespace {

void BM_LanguageSwitchFullCapacity(benchmark::State& state) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("Full.ird"));
    SilentMessageSink messages;
    writeFile(test::makeFullCapacityDatabase(1), path.toStdString(), messages);
    QSettings profile(folder.filePath(QStringLiteral("profile.ini")), QSettings::IniFormat);
    NoFileDialogs dialogs;
    ChannelDocument document(messages);
    LanguageSwitcher switcher(profile, messages);
    switcher.applySaved();
    MainWindow window(document, dialogs, profile);
    switcher.attach(window);
    window.show();
    window.openFile(path);
    // Every channel of the first satellite listed.
    window.tree()->selectKey(TreeItemKey::satellite(0));
    QApplication::processEvents();

    int next = LanguageSwitcher::Arabic;
    for (auto _ : state) {
        switcher.select(next);
        QApplication::processEvents();  // the mirrored layout is applied and painted
        next =
            next == LanguageSwitcher::Arabic ? LanguageSwitcher::French : LanguageSwitcher::Arabic;
    }
    switcher.select(LanguageSwitcher::English);
}
BENCHMARK(BM_LanguageSwitchFullCapacity)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(4)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

}  // namespace
}  // namespace kavro::gui

int main(int argc, char** argv) {
    return runOffscreenBenchmarks(argc, argv);
}
