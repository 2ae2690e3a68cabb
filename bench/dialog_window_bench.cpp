// The edit dialogs at full capacity: from the form to the first painted dialog. The group
// dialog is measured on "ALL" with every one of the 3,900 channels a candidate and a member.
#include <benchmark/benchmark.h>

#include <QApplication>

#include "DatabaseBuilder.h"
#include "OffscreenBenchmarkMain.h"
#include "gui/dialogs/ChannelDialog.h"
#include "gui/dialogs/GroupCandidateModel.h"
#include "gui/dialogs/GroupDialog.h"
#include "gui/dialogs/SatelliteDialog.h"
#include "gui/dialogs/TransponderDialog.h"

namespace kavro::gui {
namespace {

const ChannelDatabase& fullDatabase() {
    static const ChannelDatabase db = [] {
        ChannelDatabase full = test::makeFullCapacityDatabase();
        test::setPlainName(full.groups[0].name(), "ALL");
        return full;
    }();
    return db;
}

// Shows the dialog and lets it paint once, as opening it does.
void paint(QDialog& dialog) {
    dialog.show();
    QCoreApplication::processEvents();
}

void BM_GroupDialogAllChannels(benchmark::State& state) {
    const ChannelDatabase& db = fullDatabase();
    SilentMessageSink messages;
    for (auto _ : state) {
        GroupDialog dialog(*GroupForm::forEdit(db, 0), messages);
        paint(dialog);
        benchmark::DoNotOptimize(dialog.candidates()->rowCount());
    }
    GroupDialog check(*GroupForm::forEdit(db, 0), messages);
    state.counters["candidates"] = check.candidates()->rowCount();
}

void BM_GroupDialogAdd(benchmark::State& state) {
    const ChannelDatabase& db = fullDatabase();
    ChannelDatabase room = db;
    room.groups.pop_back();
    SilentMessageSink messages;
    for (auto _ : state) {
        GroupDialog dialog(*GroupForm::forAdd(room, messages), messages);
        paint(dialog);
    }
}

void BM_SatelliteDialog(benchmark::State& state) {
    const ChannelDatabase& db = fullDatabase();
    SilentMessageSink messages;
    for (auto _ : state) {
        SatelliteDialog dialog(SatelliteForm::forEdit(0, db.satellites[0]), messages);
        paint(dialog);
    }
}

void BM_TransponderDialog(benchmark::State& state) {
    const ChannelDatabase& db = fullDatabase();
    SilentMessageSink messages;
    for (auto _ : state) {
        TransponderDialog dialog(*TransponderForm::forEdit(db, 359, 0), messages);
        paint(dialog);
    }
}

void BM_ChannelDialog(benchmark::State& state) {
    const ChannelDatabase& db = fullDatabase();
    SilentMessageSink messages;
    std::size_t s = 0;
    while (db.satellites[s].transponders[0].channels.empty()) ++s;
    const ChannelRef channel{0, 0, 0, static_cast<std::uint16_t>(s)};
    for (auto _ : state) {
        ChannelDialog dialog(*ChannelForm::open(db, channel, {}, messages), messages);
        paint(dialog);
    }
}

#define DIALOG_BENCHMARK(name)          \
    BENCHMARK(name)                     \
        ->Unit(benchmark::kMillisecond) \
        ->UseRealTime()                 \
        ->Repetitions(5)                \
        ->ReportAggregatesOnly(true)

DIALOG_BENCHMARK(BM_GroupDialogAllChannels);
DIALOG_BENCHMARK(BM_GroupDialogAdd);
DIALOG_BENCHMARK(BM_SatelliteDialog);
DIALOG_BENCHMARK(BM_TransponderDialog);
DIALOG_BENCHMARK(BM_ChannelDialog);

}  // namespace
}  // namespace kavro::gui

int main(int argc, char** argv) {
    return runOffscreenBenchmarks(argc, argv);
}
