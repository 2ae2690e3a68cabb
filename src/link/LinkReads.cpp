#include "link/LinkReads.h"

#include "messages/StringIds.h"

namespace kavro::link {

ReadOutcome ReceiverLine::receiverSilent() {
    if (!report_.receiverSilent) {
        report_.receiverSilent = true;
        messages_.showMessageNumber(strings::ReceiverSilent,
                                    static_cast<long long>(silenceLimitMs_ / 1000));
    }
    return ReadOutcome::ReceiverSilent;
}

BlockRead ReceiverLine::readBlock(std::uint8_t* dest, std::size_t size) {
    BlockRead result;
    port_.expectBlock(size);
    while (result.received < size) {
        switch (read(dest[result.received])) {
            case ReadOutcome::Cancelled:
                result.cancelled = true;
                return result;
            case ReadOutcome::ReceiverSilent:
                if (result.received > 0) return result;
                result.receiverSilent = true;
                return result;
            case ReadOutcome::Nothing:
                if (result.received > 0) return result;
                break;
            case ReadOutcome::Byte:
                ++result.received;
                break;
        }
    }
    return result;
}

}  // namespace kavro::link
