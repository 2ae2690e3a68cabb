#pragma once

#include <cstdint>
#include <string>

#include "link/MillisecondClock.h"
#include "messages/MessageSink.h"

namespace kavro {

// How long the receiver may stay silent once it has answered the call, before a transfer
// gives up on it (a pulled cable, a receiver switched off).
inline constexpr int kDefaultSilenceSeconds = 30;

struct TransferOptions {
    int silenceSeconds = kDefaultSilenceSeconds;  // at least 1
    MillisecondClock* clock = nullptr;            // the steady clock when null
};

// What a transfer did, for the caller to tell the user beside the protocol's own texts.
struct TransferReport {
    // Image bytes that crossed the line (header included): stored by an upload, acknowledged
    // by the receiver in a download.
    std::uint64_t imageBytes = 0;
    // The whole image: the length an upload's header announced, the size a download sends.
    std::uint64_t imageSize = 0;
    bool cancelled = false;       // the user cancelled
    bool receiverSilent = false;  // the receiver stopped answering
};

// "655,424"
std::string groupedNumber(std::uint64_t value);

// Tells the user what the protocol's closing text leaves out: that the receiver ended a
// transfer before the whole image had crossed ("... after 2,106 of 655,424 bytes."). Nothing
// for a complete transfer.
void reportShortTransfer(const TransferReport& report, MessageSink& messages);

}  // namespace kavro
