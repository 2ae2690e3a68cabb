// Undo and redo of every kind of document command, and the tools as undoable commands, on a
// full-capacity database (360 satellites, 4000 transponders, 3900 channels, 25 groups of 3900
// references). Each is a keypress that should feel instant: one frame, 16 ms.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <functional>

#include "DatabaseBuilder.h"
#include "document/ChannelDocument.h"
#include "document/commands/DeleteSatellite.h"
#include "document/commands/EditChannel.h"
#include "document/commands/EditGroup.h"
#include "document/commands/MoveSatellite.h"
#include "document/commands/RemoveCBand.h"
#include "document/commands/RemoveChannels.h"
#include "document/commands/RemoveDataChannels.h"
#include "document/commands/RenumberChannels.h"
#include "document/commands/ToggleGroupMember.h"

namespace kavro {
namespace {

const ChannelDatabase& fullDatabase() {
    static const ChannelDatabase db = [] {
        ChannelDatabase full = test::makeFullCapacityDatabase(1);
        full.relinkGroups();
        // Half the channels DATA and half the satellites C band: the tools' worst cases.
        std::size_t i = 0;
        for (auto& sat : full.satellites) {
            if (i++ % 2) sat.setLnbLow(5150), sat.setLnbHigh(5150);
            for (auto& tp : sat.transponders)
                for (std::size_t k = 0; k < tp.channels.size(); ++k)
                    if (k % 2) tp.channels[k].setServiceType(ChannelRecord::Data);
        }
        return full;
    }();
    return db;
}

using MakeCommand = std::function<DocumentCommand*(ChannelDocument&)>;

ChannelRef firstChannel(const ChannelDatabase& db) {
    for (std::uint16_t s = 0; s < db.satellites.size(); ++s)
        for (std::uint16_t t = 0; t < db.satellites[s].transponders.size(); ++t)
            if (!db.satellites[s].transponders[t].channels.empty())
                return {db.satellites[s].transponders[t].channels[0].number, 0, t, s};
    return {};
}

// One undo and one redo per iteration, after the command has run once.
void undoRedo(benchmark::State& state, const MakeCommand& make) {
    SilentMessageSink messages;
    ChannelDocument document(messages);
    document.installReceived(fullDatabase(), "");
    if (!document.push(make(document))) {
        state.SkipWithError("the command changed nothing");
        return;
    }
    for (auto _ : state) {
        document.undoStack()->undo();
        document.undoStack()->redo();
    }
}

// The command's first run (what the user waits for when choosing it).
void firstRun(benchmark::State& state, const MakeCommand& make) {
    SilentMessageSink messages;
    for (auto _ : state) {
        state.PauseTiming();
        auto document = std::make_unique<ChannelDocument>(messages);
        document->installReceived(fullDatabase(), "");
        DocumentCommand* command = make(*document);
        state.ResumeTiming();
        document->push(command);
        state.PauseTiming();
        document.reset();
        state.ResumeTiming();
    }
}

ChannelRecord changedFirstChannel(const ChannelDatabase& db, int videoPid, ChannelPlace& place) {
    const ChannelRef ref = firstChannel(db);
    place = {ref.satIndex, ref.tpIndex, 0};
    ChannelRecord ch = db.satellites[ref.satIndex].transponders[ref.tpIndex].channels[0];
    ch.setVideoPid(static_cast<std::uint16_t>(videoPid));
    return ch;
}

const MakeCommand kEditChannel = [](ChannelDocument& d) {
    ChannelPlace place;
    ChannelRecord ch = changedFirstChannel(d.database(), 4000, place);
    return new EditChannel(d, place, ch);
};
const MakeCommand kDeleteSatellite = [](ChannelDocument& d) { return new DeleteSatellite(d, 0); };
const MakeCommand kMoveSatellite = [](ChannelDocument& d) { return new MoveSatellite(d, 300, 2); };
const MakeCommand kRemoveChannel = [](ChannelDocument& d) {
    return new RemoveChannels(d, {firstChannel(d.database())});
};
const MakeCommand kToggleMember = [](ChannelDocument& d) {
    return new ToggleGroupMember(d, 3, firstChannel(d.database()));
};
const MakeCommand kEditGroup = [](ChannelDocument& d) {
    GroupRecord g = d.database().groups[7];
    g.refs.pop_back();
    return new EditGroup(d, 7, g);
};
const MakeCommand kRemoveData = [](ChannelDocument& d) { return new RemoveDataChannels(d); };
const MakeCommand kRemoveCBand = [](ChannelDocument& d) { return new RemoveCBand(d); };
const MakeCommand kSort = [](ChannelDocument& d) { return new RenumberChannels(d); };

void BM_UndoRedo(benchmark::State& state, MakeCommand make) {
    undoRedo(state, make);
}
void BM_FirstRun(benchmark::State& state, MakeCommand make) {
    firstRun(state, make);
}

BENCHMARK_CAPTURE(BM_UndoRedo, EditChannel, kEditChannel)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_UndoRedo, DeleteSatellite, kDeleteSatellite)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_UndoRedo, MoveSatellite, kMoveSatellite)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_UndoRedo, RemoveChannel, kRemoveChannel)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_UndoRedo, ToggleGroupMember, kToggleMember)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_UndoRedo, EditGroup, kEditGroup)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_UndoRedo, RemoveData, kRemoveData)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_UndoRedo, RemoveCBand, kRemoveCBand)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_UndoRedo, Sort, kSort)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_FirstRun, RemoveData, kRemoveData)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_FirstRun, RemoveCBand, kRemoveCBand)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_FirstRun, Sort, kSort)->Unit(benchmark::kMillisecond);

// What 100 single-channel edits add to the history, in bytes (counter "history_bytes").
void BM_HistoryOf100ChannelEdits(benchmark::State& state) {
    SilentMessageSink messages;
    for (auto _ : state) {
        ChannelDocument document(messages);
        document.installReceived(fullDatabase(), "");
        const auto before = mallinfo2().uordblks;
        for (int i = 0; i < 100; ++i) {
            ChannelPlace place;
            ChannelRecord ch = changedFirstChannel(document.database(), i + 1, place);
            document.push(new EditChannel(document, place, ch));
        }
        state.counters["history_bytes"] = static_cast<double>(mallinfo2().uordblks - before);
    }
}
BENCHMARK(BM_HistoryOf100ChannelEdits)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
}  // namespace kavro

BENCHMARK_MAIN();
