#pragma once

#include <atomic>
#include <cstdint>
#include <ostream>
#include <string>

#include "cli/CliMessageSink.h"
#include "link/MillisecondClock.h"
#include "link/TransferSession.h"
#include "messages/MessageSink.h"

namespace kavro::cli {

// The transfer display of kavro-cli. On a terminal one live line shows the countdown, then a
// progress bar with percentage and rate; otherwise plain lines (each countdown second, every
// tenth percent). Messages go to stderr as usual, after the live line has been ended.
// Cancel comes from `cancelRequested` (set by the Ctrl+C handler).
class CliTransferSession : public TransferSession, public MessageSink {
public:
    // `totalBytes` is what 100 % stands for on the line, for the rate.
    CliTransferSession(std::ostream& out, bool terminal, std::atomic<bool>& cancelRequested,
                       std::uint64_t totalBytes, MillisecondClock& clock = steadyClock());

    void setProgress(int percent) override;
    void showCountdown(int elapsedSeconds) override;
    void setStatus(int stringId) override;
    void setStatusText(std::string_view text) override;
    bool pollCancel() override;

    MessageButton showMessage(int stringId, std::string_view argument, MessageStyle style) override;
    MessageButton showMessageNumber(int stringId, long long value, MessageStyle style) override;
    MessageButton showText(std::string_view text, MessageStyle style) override;

    // Ends the live line, if any.
    void finish();
    bool cancelled() const { return cancelled_; }

private:
    void showLive(const std::string& line);
    void endLive();
    void printLine(std::string_view windows1256);
    std::string progressLine(int percent);

    std::ostream& out_;
    bool terminal_;
    std::atomic<bool>& cancelRequested_;
    std::uint64_t totalBytes_;
    MillisecondClock& clock_;
    CliMessageSink messages_;

    bool live_ = false;  // a live line is on screen (terminal only)
    std::size_t liveWidth_ = 0;
    int lastCountdown_ = -1;
    int lastPercent_ = -1;
    bool progressShown_ = false;
    std::uint64_t transferStartMs_ = 0;
    bool cancelled_ = false;
};

}  // namespace kavro::cli
