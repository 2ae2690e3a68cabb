#pragma once

#include <QObject>
#include <QPointer>
#include <functional>
#include <memory>
#include <string>

#include "gui/transfer/TransferDialog.h"
#include "gui/transfer/TransferWorker.h"
#include "link/TransferOptions.h"

namespace kavro {
class ChannelDatabase;
class ChannelDocument;
}  // namespace kavro

namespace kavro::gui {

// The Tools commands Upload and Download: each opens a modal TransferDialog and runs the
// attempts its start button asks for, one TransferWorker each. A completed upload becomes the
// document (as data received from the receiver, named ChData.ird in the working directory);
// a download sends a copy of the document's database and leaves the document alone, and says
// so when the receiver took less than the whole image. A failed or cancelled attempt changes
// nothing.
class TransferController : public QObject {
    Q_OBJECT
public:
    // `saveDocument` is the window's Save, run when the user answers Yes to saving changes before
    // an upload; false (a failed or cancelled save) stops the upload. Boxes go to the document's
    // message sink; the dialog is centred on `parentWindow`.
    TransferController(ChannelDocument& document, QWidget* parentWindow,
                       std::function<bool()> saveDocument, QObject* parent = nullptr);
    ~TransferController() override;

    // A transfer is running (its dialog is open and its thread busy).
    bool busy() const;
    // For closing the window: cancels a running transfer, waits for its thread (well under a
    // second), shows none of its remaining boxes, and closes an open dialog. Safe at any time.
    void cancelAndWait();

    // The dialog while a command has it open, else null.
    TransferDialog* dialog() const { return dialog_; }

    // The clock the protocols time the receiver's call and its silences with; the process
    // clock by default.
    void setClock(MillisecondClock& clock) { clock_ = &clock; }

    // Where received data is named: ChData.ird in the working directory.
    static std::string receivedDataPath();

public slots:
    void upload();
    void download();

signals:
    // For the window's status bar: "Uploading data in progress..." and the like, then "Ready".
    void statusText(const QString& text);

private:
    // Runs the dialog; each start makes a fresh job for a fresh worker. True when it closed after
    // a successful transfer.
    bool runDialog(TransferDialog::Mode mode, const std::function<TransferWorker::Job()>& makeJob);
    bool askToSaveChanges();
    TransferOptions transferOptions() const;

    ChannelDocument& document_;
    QPointer<QWidget> parentWindow_;
    std::function<bool()> saveDocument_;
    MillisecondClock* clock_;
    QPointer<TransferDialog> dialog_;
    std::unique_ptr<TransferWorker> worker_;
};

}  // namespace kavro::gui
