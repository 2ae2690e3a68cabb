// Full uploads and downloads through the real serial port against the receiver simulator on a
// pseudo-terminal. Unpaced, what is measured is the program's own cost (and the simulator's),
// not the line. Paced like a serial line (the argument is its baud rate; at 115200 each
// transfer takes about a minute), pc_cpu_us_per_byte is the CPU time of the PC's side alone
// per image byte: what a real line costs the machine, where a wake-up per byte shows.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <chrono>
#include <ctime>

#include "DatabaseBuilder.h"
#include "ReceiverSimulator.h"
#include "link/Download.h"
#include "link/Upload.h"
#include "link/serial/SerialPort.h"

namespace kavro {
namespace {

using namespace std::chrono_literals;

class QuietSession : public TransferSession {
public:
    void setProgress(int) override {}
    void showCountdown(int) override {}
    void setStatus(int) override {}
    void setStatusText(std::string_view) override {}
    bool pollCancel() override { return false; }
};

const ChannelDatabase& demoDatabase() {
    static const ChannelDatabase db = test::makeRandomDatabase(7);
    return db;
}

double cpuSeconds(clockid_t clock) {
    timespec t{};
    clock_gettime(clock, &t);
    return static_cast<double>(t.tv_sec) + t.tv_nsec * 1e-9;
}

double processCpuSeconds() {
    return cpuSeconds(CLOCK_PROCESS_CPUTIME_ID);
}

// The protocol runs on this thread; the simulator has its own.
double threadCpuSeconds() {
    return cpuSeconds(CLOCK_THREAD_CPUTIME_ID);
}

// CPU time of the whole process (protocol and simulator) per transfer, beside the default
// CPU column, which counts the protocol's thread only.
void reportProcessCpu(benchmark::State& state, double cpuSeconds) {
    state.counters["process_cpu_ms"] =
        benchmark::Counter(cpuSeconds * 1000.0 / static_cast<double>(state.iterations()));
}

// Runs `transfer` against a fresh simulator per iteration. The timed part ends once the PC's
// side is done and, when `receiverMustFinish`, once the receiver has taken the last byte too.
template <typename Transfer>
void runTransfers(benchmark::State& state, const test::ReceiverScript& script,
                  bool receiverMustFinish, Transfer transfer, std::uint32_t lineBaud = 0) {
    SilentMessageSink messages;
    QuietSession session;
    double cpu = 0, pcCpu = 0;
    for (auto _ : state) {
        state.PauseTiming();
        test::ReceiverSimulator simulator(script, lineBaud);
        if (!simulator.start()) state.SkipWithError("no pseudo-terminal");
        const double cpuStart = processCpuSeconds();
        const double pcStart = threadCpuSeconds();
        state.ResumeTiming();

        // A paced line runs at the port's own rate, as a real one does.
        SerialPort port(messages, simulator.devicePath(),
                        lineBaud > 0 ? lineBaud : SerialPort::kDefaultBaudRate);
        if (!transfer(port, session, messages)) state.SkipWithError("transfer failed");
        pcCpu += threadCpuSeconds() - pcStart;
        if (receiverMustFinish) simulator.waitForEnd(5s);

        state.PauseTiming();
        cpu += processCpuSeconds() - cpuStart;
        simulator.waitForEnd(5s);
        simulator.stop();
        state.ResumeTiming();
    }
    reportProcessCpu(state, cpu);
    const double bytes = static_cast<double>(state.iterations()) * image::kSize;
    state.counters["pc_cpu_us_per_byte"] = benchmark::Counter(pcCpu * 1e6 / bytes);
    state.SetBytesProcessed(static_cast<std::int64_t>(bytes));
}

void BM_UploadOverPty(benchmark::State& state) {
    test::ReceiverScript script;
    script.role = test::ReceiverScript::Role::Sender;
    script.image = test::makeImage(demoDatabase());
    runTransfers(state, script, false,
                 [](SerialPort& port, TransferSession& session, MessageSink& messages) {
                     ChannelDatabase db;
                     return upload(port, session, db, messages);
                 });
}
BENCHMARK(BM_UploadOverPty)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(3)
    ->Repetitions(5);

void BM_DownloadOverPty(benchmark::State& state) {
    test::ReceiverScript script;
    script.role = test::ReceiverScript::Role::Receiver;
    // The receiver has the whole image only once the end code arrived.
    runTransfers(state, script, true,
                 [](SerialPort& port, TransferSession& session, MessageSink& messages) {
                     return download(port, session, demoDatabase(), messages);
                 });
}
BENCHMARK(BM_DownloadOverPty)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(3)
    ->Repetitions(5);

// The same over a line paced at the argument's baud rate (one the port supports).
void BM_UploadPaced(benchmark::State& state) {
    test::ReceiverScript script;
    script.image = test::makeImage(demoDatabase());
    runTransfers(
        state, script, false,
        [](SerialPort& port, TransferSession& session, MessageSink& messages) {
            ChannelDatabase db;
            return upload(port, session, db, messages);
        },
        static_cast<std::uint32_t>(state.range(0)));
}
BENCHMARK(BM_UploadPaced)
    ->Arg(115200)
    ->Arg(256000)
    ->Unit(benchmark::kSecond)
    ->UseRealTime()
    ->Iterations(1);

void BM_DownloadPaced(benchmark::State& state) {
    test::ReceiverScript script;
    script.role = test::ReceiverScript::Role::Receiver;
    runTransfers(
        state, script, true,
        [](SerialPort& port, TransferSession& session, MessageSink& messages) {
            return download(port, session, demoDatabase(), messages);
        },
        static_cast<std::uint32_t>(state.range(0)));
}
BENCHMARK(BM_DownloadPaced)
    ->Arg(115200)
    ->Arg(256000)
    ->Unit(benchmark::kSecond)
    ->UseRealTime()
    ->Iterations(1);

}  // namespace
}  // namespace kavro

int main(int argc, char** argv) {
    // QSerialPort's socket notifiers want an application object.
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
