#pragma once

#include "database/ChannelDatabase.h"
#include "link/BytePort.h"
#include "link/MillisecondClock.h"
#include "link/TransferOptions.h"
#include "link/TransferSession.h"
#include "messages/MessageSink.h"

namespace kavro {

// Sends `db` to the receiver over `port` as the image the image writer builds from it. The
// receiver must be in its receive-data service mode; it answers the PC's calls and asks for
// packets until it has what it wants, which may be less than the whole image: `report` (when
// given) says how much it took. `db` itself is never changed (the image is built from a
// copy). Progress, countdown and status go to `session`, polled for Cancel before every read
// and before every packet; messages go to `messages`. Once the receiver has answered, a
// silence of `options.silenceSeconds` ends the transfer with a message saying so.
bool download(BytePort& port, TransferSession& session, const ChannelDatabase& db,
              MessageSink& messages, const TransferOptions& options,
              TransferReport* report = nullptr);

// The same with the default silence limit.
bool download(BytePort& port, TransferSession& session, const ChannelDatabase& db,
              MessageSink& messages, MillisecondClock& clock = steadyClock());

}  // namespace kavro
