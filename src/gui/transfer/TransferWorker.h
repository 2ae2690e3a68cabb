#pragma once

#include <QByteArray>
#include <QObject>
#include <atomic>
#include <functional>
#include <memory>
#include <string>

#include "gui/transfer/GuiThreadMessages.h"
#include "link/BytePort.h"
#include "link/TransferSession.h"

class QThread;

namespace kavro::gui {

// One transfer attempt on a thread of its own, which owns the serial port from opening to
// closing, so the window's event loop never waits for the line. What the protocol shows
// arrives as queued signals, in order; its message boxes appear on the GUI thread (through
// GuiThreadMessages) while the transfer waits for the answer. Cancel is a flag the protocol
// polls before every read.
//
// The object lives on the GUI thread; create one per attempt.
class TransferWorker : public QObject, private TransferSession {
    Q_OBJECT
public:
    // Runs the protocol: gets the port (opened by the protocol itself), this worker as its
    // session, and the message sink the protocol and the port report to.
    using Job =
        std::function<bool(BytePort& port, TransferSession& session, MessageSink& messages)>;

    // `messages` is the GUI thread's sink.
    TransferWorker(std::string portName, MessageSink& messages, Job job, QObject* parent = nullptr);
    // Cancels and waits when still running.
    ~TransferWorker() override;

    void start();
    // From start() until finished() has been emitted.
    bool isRunning() const { return started_ && !ended_; }
    void requestCancel() { cancel_.store(true); }
    // Cancels, answers any box the transfer still wants shown with its refusing button
    // instead of showing it, waits for the thread, and emits finished() before returning.
    void cancelAndWait();

signals:
    void progressChanged(int percent);
    void countdownChanged(int elapsedSeconds);
    void statusChanged(int stringId);
    // Windows-1256 text; empty clears the line.
    void statusTextChanged(const QByteArray& text);
    // Once per attempt, on the GUI thread, after the thread has ended and the port is closed.
    void finished(bool succeeded);

private:
    void setProgress(int percent) override;
    void showCountdown(int elapsedSeconds) override;
    void setStatus(int stringId) override;
    void setStatusText(std::string_view text) override;
    bool pollCancel() override;

    void threadEnded();

    std::string portName_;
    GuiThreadMessages messages_;
    Job job_;
    std::unique_ptr<QThread> thread_;
    std::atomic<bool> cancel_{false};
    std::atomic<bool> succeeded_{false};
    bool started_ = false;
    bool ended_ = false;
    // Touched by the transfer thread only: repeats are not sent again.
    int lastPercent_ = -1;
    int lastCountdown_ = -1;
};

}  // namespace kavro::gui
