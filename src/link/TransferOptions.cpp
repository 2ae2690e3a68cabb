#include "link/TransferOptions.h"

#include "messages/StringIds.h"
#include "messages/StringTable.h"

namespace kavro {

std::string groupedNumber(std::uint64_t value) {
    std::string digits = std::to_string(value);
    for (auto at = static_cast<std::ptrdiff_t>(digits.size()) - 3; at > 0; at -= 3)
        digits.insert(static_cast<std::size_t>(at), 1, ',');
    return digits;
}

void reportShortTransfer(const TransferReport& report, MessageSink& messages) {
    if (report.imageBytes >= report.imageSize) return;
    messages.showMessage(
        strings::ReceiverEndedEarly,
        joinArguments({groupedNumber(report.imageBytes), groupedNumber(report.imageSize)}));
}

}  // namespace kavro
