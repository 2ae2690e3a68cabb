#include "gui/transfer/TransferWorker.h"

#include <QThread>

#include "link/serial/SerialPort.h"
#include "messages/StringIds.h"

namespace kavro::gui {

TransferWorker::TransferWorker(std::string portName, MessageSink& messages, Job job,
                               QObject* parent)
    : QObject(parent), portName_(std::move(portName)), messages_(messages), job_(std::move(job)) {}

TransferWorker::~TransferWorker() {
    // Whoever listened is going away too; only the thread must not outlive the object.
    blockSignals(true);
    if (isRunning()) cancelAndWait();
}

void TransferWorker::start() {
    if (started_) return;
    started_ = true;
    thread_.reset(QThread::create([this] {
        // Made, used and destroyed on this thread: the port's notifiers belong to it.
        SerialPort port(messages_, portName_, SerialPort::kDefaultBaudRate);
        succeeded_.store(job_(port, *this, messages_));
    }));
    thread_->setObjectName(QStringLiteral("transfer"));
    connect(thread_.get(), &QThread::finished, this, &TransferWorker::threadEnded,
            Qt::QueuedConnection);
    thread_->start();
}

void TransferWorker::cancelAndWait() {
    if (!isRunning()) return;
    cancel_.store(true);
    messages_.abandon();
    threadEnded();
}

void TransferWorker::threadEnded() {
    if (ended_) return;
    thread_->wait();
    ended_ = true;
    emit finished(succeeded_.load());
}

void TransferWorker::setProgress(int percent) {
    const int shown = clampPercent(percent);
    if (shown == lastPercent_) return;
    lastPercent_ = shown;
    emit progressChanged(shown);
}

void TransferWorker::showCountdown(int elapsedSeconds) {
    if (elapsedSeconds == lastCountdown_) return;
    lastCountdown_ = elapsedSeconds;
    emit countdownChanged(elapsedSeconds);
}

void TransferWorker::setStatus(int stringId) {
    emit statusChanged(stringId);
}

void TransferWorker::setStatusText(std::string_view text) {
    emit statusTextChanged(QByteArray(text.data(), static_cast<qsizetype>(text.size())));
}

bool TransferWorker::pollCancel() {
    if (!cancel_.exchange(false)) return false;
    // Said before the protocol's failure text, which alone reads like a fault of the line.
    // After cancelAndWait the box is answered without being shown.
    messages_.showMessage(strings::TransferCancelled, {}, MessageStyle::Ok);
    return true;
}

}  // namespace kavro::gui
