#pragma once

// The transfer dialog of kavro-screenshots as the user meets it: waiting for the start button,
// calling the receiver, and in the middle of a transfer. Its display is driven directly; no
// port is opened.
#include <QDir>

#include "gui/app/DisplayText.h"
#include "gui/transfer/TransferDialog.h"
#include "messages/StringIds.h"

namespace kavro::gui {

inline bool saveTransferScreenshots(QWidget* parent, const QDir& out,
                                    bool (*save)(QWidget&, const QDir&, const QString&)) {
    // No ports of this machine in the pictures: the list shows what every user sees.
    bool ok = true;
    {
        TransferDialog upload(TransferDialog::Mode::Upload, {}, parent);
        upload.show();
        ok &= save(upload, out, QStringLiteral("transfer-idle.png"));
        upload.beginRun();
        upload.showCountdown(3);
        ok &= save(upload, out, QStringLiteral("transfer-countdown.png"));
        upload.endRun(false);
    }
    {
        TransferDialog download(TransferDialog::Mode::Download, {}, parent);
        download.show();
        download.beginRun();
        download.showStatus(stringText(strings::DownloadHeaderDone));
        download.showProgress(57);
        ok &= save(download, out, QStringLiteral("transfer-progress.png"));
        download.endRun(false);
    }
    return ok;
}

}  // namespace kavro::gui
