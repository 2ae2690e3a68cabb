// The channel list on a full database (3,900 channels): a refill for the "Satellites" header and
// a sort by each column must each fit in one frame (16 ms). "model" times the rows alone,
// "list" the shown widget including the repaint that follows.
#include <benchmark/benchmark.h>

#include <QApplication>

#include "DatabaseBuilder.h"
#include "OffscreenBenchmarkMain.h"
#include "document/ChannelDocument.h"
#include "gui/views/ChannelList.h"
#include "gui/views/ChannelTableModel.h"

namespace kavro::gui {
namespace {

struct FullList {
    FullList() {
        document.installReceived(test::makeFullCapacityDatabase(), "");
        list.resize(1000, 600);
        list.show();
        list.showKey(TreeItemKey::satellitesHeader());
        QCoreApplication::processEvents();
    }
    SilentMessageSink messages;
    ChannelDocument document{messages};
    ChannelList list{document};
};

void BM_RefillModel(benchmark::State& state) {
    SilentMessageSink messages;
    ChannelDocument document(messages);
    document.installReceived(test::makeFullCapacityDatabase(), "");
    ChannelTableModel model(document);
    for (auto _ : state) {
        model.showKey(TreeItemKey::satellitesHeader());
        benchmark::DoNotOptimize(model.rowCount());
    }
    state.counters["rows"] = model.rowCount();
}
BENCHMARK(BM_RefillModel)->Unit(benchmark::kMillisecond);

void BM_RefillList(benchmark::State& state) {
    FullList full;
    for (auto _ : state) {
        full.list.showKey(TreeItemKey::satellitesHeader());
        QCoreApplication::processEvents();
    }
    state.counters["rows"] = full.list.rowCountShown();
}
BENCHMARK(BM_RefillList)->Unit(benchmark::kMillisecond);

// Each timed sort starts from the order of another column, as after a header click.
void BM_SortModel(benchmark::State& state) {
    const int column = int(state.range(0));
    SilentMessageSink messages;
    ChannelDocument document(messages);
    document.installReceived(test::makeFullCapacityDatabase(), "");
    ChannelTableModel model(document);
    model.showKey(TreeItemKey::satellitesHeader());
    for (auto _ : state) {
        state.PauseTiming();
        model.sortRows(column == ChannelColumn ? SidColumn : ChannelColumn, Qt::AscendingOrder);
        state.ResumeTiming();
        model.sortRows(column, Qt::AscendingOrder);
    }
}
BENCHMARK(BM_SortModel)->DenseRange(0, ChannelColumnCount - 1)->Unit(benchmark::kMillisecond);

void BM_SortList(benchmark::State& state) {
    const int column = int(state.range(0));
    FullList full;
    ChannelTableModel* model = full.list.channelModel();
    full.list.selectAllRows();  // the selection has to follow the rows too
    for (auto _ : state) {
        state.PauseTiming();
        model->sortRows(column == ChannelColumn ? SidColumn : ChannelColumn, Qt::AscendingOrder);
        QCoreApplication::processEvents();
        state.ResumeTiming();
        model->sortRows(column, Qt::AscendingOrder);
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_SortList)->DenseRange(0, ChannelColumnCount - 1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kavro::gui

int main(int argc, char** argv) {
    return runOffscreenBenchmarks(argc, argv);
}
