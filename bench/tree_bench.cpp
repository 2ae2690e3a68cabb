// The database tree on a full-capacity database (360 satellites, 4000 transponders, 25 groups):
// filling it after an open must fit in a frame (16 ms), and a drag of a satellite rebuilds the
// satellite branch and its undo rebuilds it again.
#include <benchmark/benchmark.h>

#include <QApplication>

#include "DatabaseBuilder.h"
#include "OffscreenBenchmarkMain.h"
#include "document/ChannelDocument.h"
#include "document/commands/MoveSatellite.h"
#include "gui/views/DatabaseTree.h"

namespace kavro {
namespace {

struct Window {
    SilentMessageSink messages;
    ChannelDocument document{messages};
    gui::DatabaseTree tree{document};

    Window() {
        document.installReceived(test::makeFullCapacityDatabase(1), "ChData.ird");
        tree.resize(208, 480);
        tree.show();
        QApplication::processEvents();
    }
};

Window& window() {
    static Window w;
    return w;
}

// The items alone, as the document's open or reload builds them.
void BM_FillTree(benchmark::State& state) {
    gui::DatabaseTree& tree = window().tree;
    for (auto _ : state) tree.fillTree();
}

// The same, until the tree is laid out and painted on screen.
void BM_FillTreeAndPaint(benchmark::State& state) {
    gui::DatabaseTree& tree = window().tree;
    for (auto _ : state) {
        tree.fillTree();
        tree.repaint();
    }
}

// A satellite dragged from the end to the top, then undone: two rebuilds of the branch.
void BM_MoveSatelliteAndUndo(benchmark::State& state) {
    ChannelDocument& document = window().document;
    const std::size_t last = document.database().satellites.size() - 1;
    for (auto _ : state) {
        document.push(new MoveSatellite(document, last, 0));
        document.undoStack()->undo();
    }
}

BENCHMARK(BM_FillTree)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FillTreeAndPaint)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MoveSatelliteAndUndo)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kavro

int main(int argc, char** argv) {
    return runOffscreenBenchmarks(argc, argv);
}
