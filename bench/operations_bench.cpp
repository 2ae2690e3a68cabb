// The whole-database tools and the tree operations on a full-capacity database (3900 channels,
// 25 groups of 3900 references), in their worst cases. Each is a user command that should
// feel instant; the database copy made before each run is not timed.
#include <benchmark/benchmark.h>

#include <numeric>

#include "DatabaseBuilder.h"
#include "database/ChannelOperations.h"
#include "database/DatabaseTools.h"
#include "database/TreeOperations.h"

namespace kavro {
namespace {

const ChannelDatabase& fullDatabase() {
    static const ChannelDatabase db = [] {
        ChannelDatabase full = test::makeFullCapacityDatabase(1);
        full.relinkGroups();
        return full;
    }();
    return db;
}

// Runs `op` on a fresh copy of `start` in every iteration.
template <typename Op>
void runOnCopies(benchmark::State& state, const ChannelDatabase& start, Op op) {
    for (auto _ : state) {
        state.PauseTiming();
        ChannelDatabase db = start;
        state.ResumeTiming();
        op(db);
        benchmark::DoNotOptimize(db.satellites.data());
    }
}

// The full database with every `every`-th channel in tree order made a DATA service.
ChannelDatabase withDataChannels(std::size_t every) {
    ChannelDatabase db = fullDatabase();
    std::size_t i = 0;
    for (auto& s : db.satellites)
        for (auto& t : s.transponders)
            for (auto& c : t.channels)
                if (i++ % every == 0) c.setServiceType(ChannelRecord::Data);
    return db;
}

void BM_RemoveDataAllChannels(benchmark::State& state) {
    static const ChannelDatabase allData = withDataChannels(1);
    runOnCopies(state, allData, [](ChannelDatabase& db) { removeDataChannels(db); });
}
BENCHMARK(BM_RemoveDataAllChannels)->Unit(benchmark::kMillisecond);

// Half the references stay and are re-linked.
void BM_RemoveDataEverySecondChannel(benchmark::State& state) {
    static const ChannelDatabase halfData = withDataChannels(2);
    runOnCopies(state, halfData, [](ChannelDatabase& db) { removeDataChannels(db); });
}
BENCHMARK(BM_RemoveDataEverySecondChannel)->Unit(benchmark::kMillisecond);

void BM_RemoveCBandEverySecondSatellite(benchmark::State& state) {
    static const ChannelDatabase halfCBand = [] {
        ChannelDatabase db = fullDatabase();
        for (std::size_t s = 0; s < db.satellites.size(); ++s) {
            db.satellites[s].setLnbLow(s % 2 ? 0 : 9750);
            db.satellites[s].setLnbHigh(s % 2 ? 5150 : 10600);
        }
        return db;
    }();
    runOnCopies(state, halfCBand, [](ChannelDatabase& db) { removeCBand(db); });
}
BENCHMARK(BM_RemoveCBandEverySecondSatellite)->Unit(benchmark::kMillisecond);

void BM_Sort(benchmark::State& state) {
    runOnCopies(state, fullDatabase(), [](ChannelDatabase& db) { renumberChannels(db); });
}
BENCHMARK(BM_Sort)->Unit(benchmark::kMillisecond);

void BM_ReverseSatellites(benchmark::State& state) {
    std::vector<std::size_t> order(fullDatabase().satellites.size());
    std::iota(order.rbegin(), order.rend(), std::size_t{0});
    runOnCopies(state, fullDatabase(), [&](ChannelDatabase& db) { reorderSatellites(db, order); });
}
BENCHMARK(BM_ReverseSatellites)->Unit(benchmark::kMillisecond);

void BM_DeleteHundredChannelRows(benchmark::State& state) {
    std::vector<ChannelRef> rows;  // as a satellite view hands them over: found by number
    const auto& sats = fullDatabase().satellites;
    for (std::uint16_t s = 0; s < sats.size() && rows.size() < 100; ++s)
        for (std::uint16_t t = 0; t < sats[s].transponders.size() && rows.size() < 100; ++t)
            for (const auto& c : sats[s].transponders[t].channels)
                if (rows.size() < 100) rows.push_back({c.number, 0xFFFF, t, s});
    runOnCopies(state, fullDatabase(), [&](ChannelDatabase& db) {
        if (deleteChannels(db, rows) != 100) state.SkipWithError("rows not found");
    });
}
BENCHMARK(BM_DeleteHundredChannelRows)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kavro

BENCHMARK_MAIN();
