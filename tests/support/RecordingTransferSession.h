#pragma once

#include <functional>
#include <string>
#include <vector>

#include "link/TransferSession.h"

namespace kavro::test {

// Records every display call of a transfer and answers the cancel poll from a predicate.
class RecordingTransferSession : public TransferSession {
public:
    void setProgress(int percent) override { progress.push_back(percent); }
    void showCountdown(int elapsedSeconds) override { countdowns.push_back(elapsedSeconds); }
    void setStatus(int stringId) override;
    void setStatusText(std::string_view text) override { statuses.emplace_back(text); }
    bool pollCancel() override;

    // Asked at every poll; true requests Cancel (reported once, as the dialog does).
    std::function<bool()> cancelWhen;

    std::vector<int> progress;
    std::vector<int> countdowns;
    std::vector<std::string> statuses;
    int polls = 0;
    int cancelsReported = 0;
};

}  // namespace kavro::test
