// Reading and writing a full-capacity image, and the CRC, each beside a plain copy of the
// 655,424-byte image in the same run so the figures can be read as ratios.
#include <benchmark/benchmark.h>

#include <cstring>

#include "DatabaseBuilder.h"
#include "database/Crc32Mpeg2.h"
#include "database/ImageReader.h"
#include "database/ImageWriter.h"

namespace kavro {
namespace {

const ChannelDatabase& fullDatabase() {
    static const ChannelDatabase db = test::makeFullCapacityDatabase(1);
    return db;
}

const IrdImage& fullImage() {
    static const IrdImage img = test::makeImage(fullDatabase());
    return img;
}

void BM_CopyImage(benchmark::State& state) {
    const IrdImage& img = fullImage();
    IrdImage copy(img.size());
    for (auto _ : state) {
        std::memcpy(copy.data(), img.data(), img.size());
        benchmark::DoNotOptimize(copy.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * img.size()));
}
BENCHMARK(BM_CopyImage)->Unit(benchmark::kMicrosecond);

void BM_ReadImage(benchmark::State& state) {
    const IrdImage& img = fullImage();
    ChannelDatabase db;  // the one database, cleared and refilled by every read
    SilentMessageSink silent;
    for (auto _ : state) {
        const int ok = readImage(db, &img, silent);
        benchmark::DoNotOptimize(ok);
    }
    if (db.channelTotal() != 3900 || db.groups.size() != 25) state.SkipWithError("not full");
}
BENCHMARK(BM_ReadImage)->Unit(benchmark::kMicrosecond);

void BM_WriteImage(benchmark::State& state) {
    const ChannelDatabase& db = fullDatabase();
    for (auto _ : state) {
        std::optional<IrdImage> img = writeImage(db);
        benchmark::DoNotOptimize(img->data());
    }
}
BENCHMARK(BM_WriteImage)->Unit(benchmark::kMicrosecond);

void BM_Crc32Mpeg2(benchmark::State& state) {
    const IrdImage& img = fullImage();
    for (auto _ : state) {
        std::uint32_t crc = crc32Mpeg2(img.data(), img.size());
        benchmark::DoNotOptimize(crc);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * img.size()));
}
BENCHMARK(BM_Crc32Mpeg2)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace kavro

BENCHMARK_MAIN();
