#include "link/LinkReads.h"

namespace kavro::link {

ReadOutcome pollAndRead(BytePort& port, TransferSession& session, std::uint8_t& byte) {
    if (session.pollCancel()) return ReadOutcome::Cancelled;
    return port.readByte(byte) == 1 ? ReadOutcome::Byte : ReadOutcome::Nothing;
}

BlockRead readBlock(BytePort& port, TransferSession& session, std::uint8_t* dest,
                    std::size_t size) {
    BlockRead result;
    while (result.received < size) {
        switch (pollAndRead(port, session, dest[result.received])) {
            case ReadOutcome::Cancelled:
                result.cancelled = true;
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
