#include "gui/transfer/TransferController.h"

#include <QDir>

#include "database/ChannelDatabase.h"
#include "document/ChannelDocument.h"
#include "gui/app/DisplayText.h"
#include "link/Download.h"
#include "link/TransferOptions.h"
#include "link/Upload.h"
#include "messages/StringIds.h"

namespace kavro::gui {

TransferController::TransferController(ChannelDocument& document, QWidget* parentWindow,
                                       std::function<bool()> saveDocument, QObject* parent)
    : QObject(parent),
      document_(document),
      parentWindow_(parentWindow),
      saveDocument_(std::move(saveDocument)),
      clock_(&steadyClock()) {}

TransferController::~TransferController() {
    cancelAndWait();
}

bool TransferController::busy() const {
    return worker_ && worker_->isRunning();
}

void TransferController::cancelAndWait() {
    if (worker_) worker_->cancelAndWait();
    // Still open unless the transfer completed just before the cancel.
    if (dialog_ && dialog_->isVisible()) dialog_->done(QDialog::Rejected);
}

std::string TransferController::receivedDataPath() {
    const QString name =
        stringField(strings::DocumentTemplate, 2) + stringField(strings::DocumentTemplate, 4);
    const QString folder = QDir::currentPath();
    if (folder.isEmpty()) return name.toStdString();
    return QDir(folder).filePath(name).toStdString();
}

void TransferController::upload() {
    if (dialog_) return;
    emit statusText(tr("Uploading data in progress..."));
    // Answering No goes on with the data as it is; the upload then replaces it without a
    // second question.
    if (askToSaveChanges()) {
        auto received = std::make_shared<ChannelDatabase>();
        const bool ok = runDialog(TransferDialog::Mode::Upload, [this, &received] {
            // Each attempt starts from nothing; only a completed one is kept.
            received = std::make_shared<ChannelDatabase>();
            return [db = received, options = transferOptions()](
                       BytePort& port, TransferSession& session, MessageSink& messages) {
                return kavro::upload(port, session, *db, messages, options);
            };
        });
        if (ok) document_.installReceived(*received, receivedDataPath());
    }
    emit statusText(stringText(strings::Ready));
}

void TransferController::download() {
    if (dialog_) return;
    emit statusText(tr("Downloading data in progress..."));
    // The transfer thread reads its own copy while the window keeps the document.
    const auto copy = std::make_shared<const ChannelDatabase>(document_.database());
    runDialog(TransferDialog::Mode::Download, [this, copy] {
        return [copy, options = transferOptions()](BytePort& port, TransferSession& session,
                                                   MessageSink& messages) {
            TransferReport report;
            const bool sent = kavro::download(port, session, *copy, messages, options, &report);
            // The receiver decides when it has enough; "Successful" alone would hide that it
            // stopped short of the whole image.
            if (sent) reportShortTransfer(report, messages);
            return sent;
        };
    });
    emit statusText(stringText(strings::Ready));
}

TransferOptions TransferController::transferOptions() const {
    TransferOptions options;
    options.clock = clock_;
    return options;
}

bool TransferController::askToSaveChanges() {
    if (!document_.isModified()) return true;
    const QString name =
        document_.hasPath() ? QString::fromStdString(document_.path()) : tr("Untitled");
    const MessageButton answer = document_.messages().showText(
        toWindows1256(tr("Save changes to %1?").arg(name)), MessageStyle::YesNoCancel);
    if (answer == MessageButton::Yes) return saveDocument_ && saveDocument_();
    return answer == MessageButton::No;
}

bool TransferController::runDialog(TransferDialog::Mode mode,
                                   const std::function<TransferWorker::Job()>& makeJob) {
    TransferDialog dialog(mode, availableSerialPorts(), parentWindow_);
    dialog_ = &dialog;
    connect(&dialog, &TransferDialog::cancelRequested, this, [this] {
        if (worker_) worker_->requestCancel();
    });
    connect(
        &dialog, &TransferDialog::startRequested, this,
        [this, &dialog, &makeJob](const QString& port) {
            worker_ = std::make_unique<TransferWorker>(port.toStdString(), document_.messages(),
                                                       makeJob());
            TransferWorker* worker = worker_.get();
            connect(worker, &TransferWorker::progressChanged, &dialog,
                    &TransferDialog::showProgress, Qt::QueuedConnection);
            connect(worker, &TransferWorker::countdownChanged, &dialog,
                    &TransferDialog::showCountdown, Qt::QueuedConnection);
            connect(
                worker, &TransferWorker::statusChanged, &dialog,
                [&dialog](int id) { dialog.showStatus(stringText(id)); }, Qt::QueuedConnection);
            connect(
                worker, &TransferWorker::statusTextChanged, &dialog,
                [&dialog](const QByteArray& text) {
                    dialog.showStatus(fromWindows1256(std::string_view(text.data(), text.size())));
                },
                Qt::QueuedConnection);
            // Direct: finished() already comes on the GUI thread, after every update before it.
            connect(worker, &TransferWorker::finished, &dialog, &TransferDialog::endRun);
            worker->start();
        });

    const bool accepted = dialog.exec() == QDialog::Accepted;
    // Ended already, unless the event loop was told to quit mid-transfer: then this cancels it.
    worker_.reset();
    dialog_ = nullptr;
    return accepted;
}

}  // namespace kavro::gui
