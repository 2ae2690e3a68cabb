// A full transfer with the transfer dialog on screen against the same transfer through
// kavro-cli's transfer runner, in the same run and over the same unpaced pseudo-terminal to the
// receiver simulator, so what differs is only the window's cost: the transfer thread, the
// queued updates and the dialog's painting. Beside the times, the longest the window's event
// loop (a 5 ms timer) and its painting ever stood still while the transfer ran.
//
// Each repetition runs both once, in alternating order; read the medians. dialog/cli is the
// ratio of the two times of one repetition.
#include <benchmark/benchmark.h>

#include <QComboBox>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <chrono>
#include <iostream>
#include <sstream>

#include "DatabaseBuilder.h"
#include "OffscreenBenchmarkMain.h"
#include "ReceiverSimulator.h"
#include "cli/TransferRunner.h"
#include "document/ChannelDocument.h"
#include "gui/transfer/TransferController.h"
#include "link/Download.h"
#include "link/LinkFormat.h"
#include "link/Upload.h"

namespace kavro::gui {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

double msBetween(Clock::time_point from, Clock::time_point to) {
    return std::chrono::duration<double, std::milli>(to - from).count();
}

const ChannelDatabase& database() {
    static const ChannelDatabase db = test::makeRandomDatabase(7);
    return db;
}

// Stands in for the main window: repaints on every tick of a 5 ms timer and notes the longest
// pause between two ticks and between two paints while watched.
class WatchedWindow : public QWidget {
public:
    WatchedWindow() {
        resize(640, 480);
        show();
        timer_.setInterval(5);
        QObject::connect(&timer_, &QTimer::timeout, this, [this] {
            note(lastTick_, maxTickGapMs);
            update();
        });
    }

    void startWatching() {
        lastTick_ = lastPaint_ = Clock::now();
        maxTickGapMs = maxPaintGapMs = 0;
        watching_ = true;
        timer_.start();
    }
    void stopWatching() {
        note(lastTick_, maxTickGapMs);
        note(lastPaint_, maxPaintGapMs);
        watching_ = false;
        timer_.stop();
    }

    double maxTickGapMs = 0;
    double maxPaintGapMs = 0;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter(this).fillRect(rect(), palette().window());
        note(lastPaint_, maxPaintGapMs);
    }

private:
    void note(Clock::time_point& last, double& maxGap) {
        if (!watching_) return;
        const Clock::time_point now = Clock::now();
        maxGap = std::max(maxGap, msBetween(last, now));
        last = now;
    }

    QTimer timer_;
    Clock::time_point lastTick_, lastPaint_;
    bool watching_ = false;
};

struct Direction {
    bool upload;
    test::ReceiverScript script;
};

Direction uploadDirection() {
    Direction d{true, {}};
    d.script.image = test::makeImage(database());
    return d;
}

Direction downloadDirection() {
    Direction d{false, {}};
    d.script.role = test::ReceiverScript::Role::Receiver;
    d.script.extraPackets = 1;
    return d;
}

// From the start button to the dialog closed (the received data is the document by then);
// a download also waits for the receiver to have everything.
double throughDialog(const Direction& direction, WatchedWindow& window, bool& ok) {
    test::ReceiverSimulator simulator(direction.script);
    if (!simulator.start()) return ok = false, 0;
    SilentMessageSink messages;
    ChannelDocument document(messages);
    if (!direction.upload) document.installReceived(database(), {});
    TransferController controller(document, &window, [] { return true; });

    Clock::time_point started;
    QObject scope;
    QTimer::singleShot(0, &scope, [&] {
        TransferDialog* dialog = controller.dialog();
        if (!dialog) return;
        dialog->portBox()->lineEdit()->setText(QString::fromStdString(simulator.devicePath()));
        window.startWatching();
        started = Clock::now();
        dialog->startButton()->click();
    });
    if (direction.upload)
        controller.upload();
    else
        controller.download();
    ok = simulator.waitForEnd(5s) && simulator.log().completed;
    const double ms = msBetween(started, Clock::now());
    window.stopWatching();
    return ms;
}

// The runner prints its progress and messages; they are not wanted here.
class Muted {
public:
    Muted() : out_(std::cout.rdbuf(sink_.rdbuf())), err_(std::cerr.rdbuf(sink_.rdbuf())) {}
    ~Muted() {
        std::cout.rdbuf(out_);
        std::cerr.rdbuf(err_);
    }

private:
    std::ostringstream sink_;
    std::streambuf* out_;
    std::streambuf* err_;
};

double throughCli(const Direction& direction, bool& ok) {
    test::ReceiverSimulator simulator(direction.script);
    if (!simulator.start()) return ok = false, 0;
    Muted muted;
    ChannelDatabase received;
    const Clock::time_point started = Clock::now();
    const bool sent = cli::runTransfer(
        simulator.devicePath(), direction.upload ? image::kSize : link::kDownloadProgressTotal, {},
        [&](SerialPort& port, cli::CliTransferSession& session) {
            return direction.upload ? upload(port, session, received, session)
                                    : download(port, session, database(), session);
        });
    ok = sent && simulator.waitForEnd(5s) && simulator.log().completed;
    return msBetween(started, Clock::now());
}

void runBoth(benchmark::State& state, const Direction& direction) {
    WatchedWindow window;
    // Each repetition is a call of its own; the order alternates from one to the next, so a
    // warm cache or a busy moment does not always favour the same side.
    static int calls = 0;
    const bool dialogFirst = calls++ % 2 == 0;
    for (auto _ : state) {
        bool dialogOk = false, cliOk = false;
        double dialogMs = 0, cliMs = 0;
        if (dialogFirst) {
            dialogMs = throughDialog(direction, window, dialogOk);
            cliMs = throughCli(direction, cliOk);
        } else {
            cliMs = throughCli(direction, cliOk);
            dialogMs = throughDialog(direction, window, dialogOk);
        }
        if (!dialogOk || !cliOk) {
            state.SkipWithError("transfer failed");
            break;
        }
        state.SetIterationTime(dialogMs / 1000.0);
        state.counters["dialog_ms"] = dialogMs;
        state.counters["cli_ms"] = cliMs;
        state.counters["dialog/cli"] = dialogMs / cliMs;
        state.counters["tick_gap_ms"] = window.maxTickGapMs;
        state.counters["paint_gap_ms"] = window.maxPaintGapMs;
    }
}

void BM_UploadDialogVsCli(benchmark::State& state) {
    runBoth(state, uploadDirection());
}

void BM_DownloadDialogVsCli(benchmark::State& state) {
    runBoth(state, downloadDirection());
}

double maximum(const std::vector<double>& values) {
    return values.empty() ? 0 : *std::max_element(values.begin(), values.end());
}

// One transfer per repetition, 21 of them, so the median and the worst hold on a busy machine.
void dialogVsCliRuns(benchmark::internal::Benchmark* b) {
    b->Unit(benchmark::kMillisecond)
        ->UseManualTime()
        ->Iterations(1)
        ->Repetitions(21)
        ->ComputeStatistics("max", maximum)
        ->ReportAggregatesOnly(true);
}

BENCHMARK(BM_UploadDialogVsCli)->Apply(dialogVsCliRuns);
BENCHMARK(BM_DownloadDialogVsCli)->Apply(dialogVsCliRuns);

}  // namespace
}  // namespace kavro::gui

int main(int argc, char** argv) {
    return runOffscreenBenchmarks(argc, argv);
}
