#pragma once

#include <functional>
#include <string>
#include <vector>

#include "link/TransferSession.h"
#include "messages/StringTable.h"

namespace kavro::test {

// Records every display call of a transfer and answers the cancel poll from a predicate.
class RecordingTransferSession : public TransferSession {
public:
    void setProgress(int percent) override { progress.push_back(percent); }
    void showCountdown(int elapsedSeconds) override { countdowns.push_back(elapsedSeconds); }
    void setStatus(int stringId) override { statuses.emplace_back(stringText(stringId)); }
    void setStatusText(std::string_view text) override { statuses.emplace_back(text); }
    // Asks `cancelWhen`; a Cancel is reported once, as the dialog does.
    bool pollCancel() override {
        return cancelWhen && cancelWhen() && (cancelWhen = nullptr, true);
    }

    std::function<bool()> cancelWhen;
    std::vector<int> progress;
    std::vector<int> countdowns;
    std::vector<std::string> statuses;
};

}  // namespace kavro::test
