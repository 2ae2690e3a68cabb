#pragma once

#include "database/ChannelDatabase.h"
#include "database/IrdImage.h"
#include "link/BytePort.h"
#include "link/MillisecondClock.h"
#include "link/TransferOptions.h"
#include "link/TransferSession.h"
#include "messages/MessageSink.h"

namespace kavro {

// Receives the receiver's whole database over `port` and, when every packet checked out,
// replaces the contents of `db` with it. The receiver must already be calling (its send-data
// service mode); the PC then drives the transfer packet by packet.
//
// Progress, the 20-second countdown and the status line go to `session`, which is polled for
// Cancel before every read; messages go to `messages`. Once the receiver has answered, a
// silence of `options.silenceSeconds` ends the transfer with a message saying so. An image
// shorter than the opener accepts (or far longer than a database) is refused after its
// header. On success `receivedImage` (when given) gets the image bytes exactly as they
// arrived, no more. On any failure the receiver is told to stop, the port is closed and `db`
// is left exactly as it was. `report` (when given) says how it went.
bool upload(BytePort& port, TransferSession& session, ChannelDatabase& db, MessageSink& messages,
            const TransferOptions& options, TransferReport* report = nullptr,
            IrdImage* receivedImage = nullptr);

// The same with the default silence limit.
bool upload(BytePort& port, TransferSession& session, ChannelDatabase& db, MessageSink& messages,
            MillisecondClock& clock = steadyClock(), IrdImage* receivedImage = nullptr);

}  // namespace kavro
