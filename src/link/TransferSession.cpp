#include "link/TransferSession.h"

#include <algorithm>

#include "link/LinkFormat.h"
#include "messages/StringIds.h"
#include "messages/StringTable.h"

namespace kavro {

int clampPercent(int percent) {
    return std::clamp(percent, 0, 100);
}

std::string percentText(int percent) {
    return std::to_string(clampPercent(percent)) + "%";
}

std::string countdownText(int elapsedSeconds) {
    return countdownText(elapsedSeconds, stringText(strings::CallCountdown));
}

std::string countdownText(int elapsedSeconds, std::string_view pattern) {
    const int remaining = std::max(0, link::kCallSeconds - std::max(0, elapsedSeconds));
    return formatText(pattern, remaining);
}

}  // namespace kavro
