// The editor window: from nothing to the first painted window on the demo database (the part
// of start-up after the application object exists), and the memory a full-capacity database
// costs with every channel listed.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <fstream>
#include <string>

#include "DatabaseBuilder.h"
#include "OffscreenBenchmarkMain.h"
#include "database/ImageFile.h"
#include "document/ChannelDocument.h"
#include "document/commands/DeleteSatellite.h"
#include "editing/DemoDatabase.h"
#include "gui/MainWindow.h"
#include "gui/app/FileDialogs.h"
#include "gui/views/ChannelList.h"
#include "gui/views/DatabaseTree.h"

namespace kavro::gui {
namespace {

QTemporaryDir& folder() {
    static QTemporaryDir dir;
    return dir;
}

std::string writtenFile(const char* name, const ChannelDatabase& db) {
    const std::string path = folder().filePath(QString::fromLatin1(name)).toStdString();
    SilentMessageSink messages;
    writeFile(db, path, messages);
    return path;
}

long residentKilobytes() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0) return std::stol(line.substr(6));
    return 0;
}

// A new window on `path`, with `prepare` run on it before it is painted once.
template <typename Prepare>
void paintWindow(const QString& path, Prepare prepare) {
    static QSettings profile(folder().filePath(QStringLiteral("profile.ini")),
                             QSettings::IniFormat);
    static NoFileDialogs dialogs;
    SilentMessageSink messages;
    ChannelDocument document(messages);
    MainWindow window(document, dialogs, profile);
    window.show();
    window.openFile(path);
    prepare(window);
    benchmark::DoNotOptimize(window.grab());  // paints everything once
}

void BM_WindowToFirstPaint(benchmark::State& state) {
    ChannelDatabase demo;
    buildDemoDatabase(demo);
    const QString path = QString::fromStdString(writtenFile("Demo.ird", demo));
    for (auto _ : state) paintWindow(path, [](MainWindow&) {});
}
BENCHMARK(BM_WindowToFirstPaint)->Unit(benchmark::kMillisecond);

void BM_FullCapacityResidentMemory(benchmark::State& state) {
    const QString path =
        QString::fromStdString(writtenFile("Full.ird", test::makeFullCapacityDatabase(1)));
    for (auto _ : state) {
        paintWindow(path, [&](MainWindow& window) {
            window.tree()->selectKey(TreeItemKey::satellitesHeader());
            window.tree()->expandAll();
            state.counters["rss_MB"] = static_cast<double>(residentKilobytes()) / 1024.0;
        });
    }
}
BENCHMARK(BM_FullCapacityResidentMemory)->Unit(benchmark::kMillisecond)->Iterations(1);

// Undo and redo of a structural change with every view following: the tree rebuilds its
// satellites and the list, showing all 3,900 channels, refills and repaints.
void BM_UndoRedoInWindow(benchmark::State& state) {
    const QString path =
        QString::fromStdString(writtenFile("Full.ird", test::makeFullCapacityDatabase(1)));
    paintWindow(path, [&](MainWindow& window) {
        window.tree()->selectKey(TreeItemKey::satellitesHeader());
        ChannelDocument& document = window.document();
        document.push(new DeleteSatellite(document, 0));
        for (auto _ : state) {
            document.undoStack()->undo();
            benchmark::DoNotOptimize(window.grab());
            document.undoStack()->redo();
            benchmark::DoNotOptimize(window.grab());
        }
    });
}
BENCHMARK(BM_UndoRedoInWindow)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kavro::gui

int main(int argc, char** argv) {
    return runOffscreenBenchmarks(argc, argv);
}
