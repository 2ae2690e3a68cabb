#include "cli/CliTransferSession.h"

#include <cstdio>

#include "arabic/Windows1256.h"
#include "messages/StringIds.h"
#include "messages/StringTable.h"

namespace kavro::cli {
namespace {

constexpr int kBarWidth = 30;

// The protocols show their closing text as a message right after putting it in the status
// line; printing both would say it twice.
bool isClosingText(int stringId) {
    return stringId == strings::UploadDone || stringId == strings::UploadFailed ||
           stringId == strings::DownloadDone || stringId == strings::DownloadFailed;
}

}  // namespace

CliTransferSession::CliTransferSession(std::ostream& out, bool terminal,
                                       std::atomic<bool>& cancelRequested, std::uint64_t totalBytes,
                                       MillisecondClock& clock)
    : out_(out),
      terminal_(terminal),
      cancelRequested_(cancelRequested),
      totalBytes_(totalBytes),
      clock_(clock),
      transferStartMs_(clock.milliseconds()) {}

void CliTransferSession::showLive(const std::string& line) {
    // Pad over what the previous line left, instead of relying on terminal escapes.
    std::string padded = line;
    if (padded.size() < liveWidth_) padded.append(liveWidth_ - padded.size(), ' ');
    liveWidth_ = line.size();
    out_ << '\r' << padded << std::flush;
    live_ = true;
}

void CliTransferSession::endLive() {
    if (!live_) return;
    out_ << '\n' << std::flush;
    live_ = false;
    liveWidth_ = 0;
}

void CliTransferSession::printLine(std::string_view windows1256) {
    endLive();
    out_ << windows1256ToUtf8(windows1256) << '\n' << std::flush;
}

std::string CliTransferSession::progressLine(int percent) {
    const int shown = clampPercent(percent);
    const int filled = shown * kBarWidth / 100;
    std::string line = "[" + std::string(filled, '#') + std::string(kBarWidth - filled, '.') +
                       "] " + percentText(shown);
    const std::uint64_t bytes = totalBytes_ * static_cast<std::uint64_t>(shown) / 100;
    const std::uint64_t ms = clock_.milliseconds() - transferStartMs_;
    if (ms > 0 && bytes > 0) {
        char rate[48];
        std::snprintf(rate, sizeof rate, "  %.1f kB/s", static_cast<double>(bytes) / ms);
        line += rate;
    }
    return line;
}

void CliTransferSession::setProgress(int percent) {
    const int shown = clampPercent(percent);
    // The protocols start at 0 before the receiver is even there; the bar waits for data.
    if (shown == 0 && !progressShown_) return;
    if (terminal_) {
        if (shown != lastPercent_ || !live_) showLive(progressLine(shown));
    } else if (shown == 100 ? lastPercent_ < 100 : shown / 10 > lastPercent_ / 10) {
        // Plain output: one line per tenth, and the end.
        printLine(progressLine(shown));
    }
    if (shown > 0) progressShown_ = true;
    lastPercent_ = shown;
}

void CliTransferSession::showCountdown(int elapsedSeconds) {
    if (elapsedSeconds == lastCountdown_) return;
    lastCountdown_ = elapsedSeconds;
    const std::string text = countdownText(elapsedSeconds);
    if (terminal_)
        showLive(windows1256ToUtf8(text));
    else
        printLine(text);
}

void CliTransferSession::setStatus(int stringId) {
    if (isClosingText(stringId)) {
        // A download is complete when the receiver says so, which may be at 99 %.
        const bool done = stringId == strings::UploadDone || stringId == strings::DownloadDone;
        if (done && progressShown_ && lastPercent_ < 100) setProgress(100);
        endLive();
        return;
    }
    printLine(stringText(stringId));
}

void CliTransferSession::setStatusText(std::string_view text) {
    if (text.empty()) {
        // The receiver answered: the countdown is over and the transfer itself begins.
        endLive();
        lastCountdown_ = -1;
        transferStartMs_ = clock_.milliseconds();
        return;
    }
    printLine(text);
}

bool CliTransferSession::pollCancel() {
    if (!cancelRequested_.exchange(false)) return false;
    cancelled_ = true;
    // Said before the protocol's failure text, which alone reads like a fault of the line.
    showMessage(strings::TransferCancelled, {}, MessageStyle::Ok);
    return true;
}

MessageButton CliTransferSession::showMessage(int stringId, std::string_view argument,
                                              MessageStyle style) {
    endLive();
    return messages_.showMessage(stringId, argument, style);
}

MessageButton CliTransferSession::showMessageNumber(int stringId, long long value,
                                                    MessageStyle style) {
    endLive();
    return messages_.showMessageNumber(stringId, value, style);
}

MessageButton CliTransferSession::showText(std::string_view text, MessageStyle style) {
    endLive();
    return messages_.showText(text, style);
}

void CliTransferSession::finish() {
    endLive();
}

}  // namespace kavro::cli
