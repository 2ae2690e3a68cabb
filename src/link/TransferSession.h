#pragma once

#include <string>
#include <string_view>

namespace kavro {

// The transfer window as the upload and download protocols see it. The editor's transfer
// dialog, the CLI's progress display and the tests each implement it. The protocols call
// pollCancel before every read, so an implementation that keeps a window alive does its event
// processing there (and in the display operations) and reports a pending Cancel.
class TransferSession {
public:
    virtual ~TransferSession() = default;

    // Percentage done; may exceed 100 (filler packets), shown clamped to 100.
    virtual void setProgress(int percent) = 0;
    // Whole seconds since the receiver was first called; shown as the seconds remaining.
    virtual void showCountdown(int elapsedSeconds) = 0;
    // Status line from the string table.
    virtual void setStatus(int stringId) = 0;
    // Status line from a text (Windows-1256); empty clears it.
    virtual void setStatusText(std::string_view text) = 0;
    // True once when the user asked to cancel since the last poll.
    virtual bool pollCancel() = 0;
};

// The percentage as the progress display shows it: 0..100.
int clampPercent(int percent);
// "42%"
std::string percentText(int percent);
// "Remainder : 17 Sec." for 3 elapsed seconds (never below 0).
std::string countdownText(int elapsedSeconds);
// The same from another wording of the text (a translation), with its one "%d".
std::string countdownText(int elapsedSeconds, std::string_view pattern);

}  // namespace kavro
