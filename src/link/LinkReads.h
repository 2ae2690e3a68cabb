#pragma once

#include <cstddef>
#include <cstdint>

#include "link/BytePort.h"
#include "link/TransferSession.h"

namespace kavro::link {

enum class ReadOutcome { Byte, Nothing, Cancelled };

// One poll for Cancel, then one read. Every wait of the protocols is built from this, so
// Cancel is noticed within one read.
ReadOutcome pollAndRead(BytePort& port, TransferSession& session, std::uint8_t& byte);

struct BlockRead {
    std::size_t received = 0;
    bool cancelled = false;
};

// Reads a header or packet of `size` bytes into `dest`. The first byte is awaited until it
// arrives or the user cancels; after it, the block ends at the first silent read. A block
// with fewer than `size` bytes is short and must be rejected by the caller.
BlockRead readBlock(BytePort& port, TransferSession& session, std::uint8_t* dest, std::size_t size);

}  // namespace kavro::link
