#pragma once

#include <QDialog>
#include <vector>

#include "link/serial/SerialPortNames.h"

class QComboBox;
class QLabel;
class QProgressBar;
class QPushButton;

namespace kavro::gui {

// The Upload / Download window: how to put the receiver into its service mode, the serial port,
// the start button, the countdown while the receiver is called, a status line and the progress.
// It only shows things and reports the user's choices; TransferController runs the transfer.
//
// Idle, Cancel closes it. While a run is on (beginRun .. endRun), Cancel, Esc and the close box
// only ask for cancellation (cancelRequested); the window closes once the run has ended. A
// failed run leaves it open, idle, for another try.
class TransferDialog : public QDialog {
    Q_OBJECT
public:
    enum class Mode { Upload, Download };

    // `ports` are the serial ports present on the machine (availableSerialPorts()).
    TransferDialog(Mode mode, const std::vector<SerialPortEntry>& ports, QWidget* parent = nullptr);

    Mode mode() const { return mode_; }
    // The port to open: the chosen entry's name, or what was typed (a device path).
    QString portName() const;
    bool isRunning() const { return running_; }

    QComboBox* portBox() const { return ports_; }
    QPushButton* startButton() const { return start_; }
    QPushButton* cancelButton() const { return cancel_; }
    QString statusText() const;
    QString percentText() const;
    int progressValue() const;

public slots:
    // Running state: start and port disabled, 0 %, the full countdown in the status line.
    void beginRun();
    // Success closes the window with Accepted; a failure closes it with Rejected when Cancel was
    // pressed during the run, otherwise the window is idle again with the run's last text.
    void endRun(bool succeeded);

    void showProgress(int percent);
    void showCountdown(int elapsedSeconds);
    void showStatus(const QString& text);

    void reject() override;

signals:
    void startRequested(const QString& portName);
    void cancelRequested();
    // A run was started by the start button (after startRequested), or has ended.
    void runningChanged(bool running);

private:
    void startClicked();
    void updateStartButton();

    Mode mode_;
    QLabel* instructions_;
    QComboBox* ports_;
    QLabel* percent_;
    QProgressBar* progress_;
    QLabel* status_;
    QPushButton* start_;
    QPushButton* cancel_;
    bool running_ = false;
    bool closeWhenDone_ = false;
    // The status line still shows the countdown (nothing else was said since).
    bool countdownShown_ = false;
};

}  // namespace kavro::gui
