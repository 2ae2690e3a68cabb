#include "RecordingTransferSession.h"

#include "messages/StringTable.h"

namespace kavro::test {

void RecordingTransferSession::setStatus(int stringId) {
    statuses.emplace_back(stringText(stringId));
}

bool RecordingTransferSession::pollCancel() {
    ++polls;
    if (!cancelWhen || !cancelWhen()) return false;
    ++cancelsReported;
    cancelWhen = nullptr;
    return true;
}

}  // namespace kavro::test
