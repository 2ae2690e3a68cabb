#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "DatabaseBuilder.h"
#include "MemoryPort.h"
#include "ReceiverModel.h"
#include "RecordingMessageSink.h"
#include "RecordingTransferSession.h"
#include "VirtualClock.h"
#include "database/ChannelDatabase.h"
#include "messages/StringTable.h"

namespace kavro::test {

// One protocol run against the receiver model over the in-memory port, with virtual time.
struct LinkTestRig {
    ReceiverScript script;
    VirtualClock clock;
    std::unique_ptr<ReceiverModel> receiver;
    std::unique_ptr<MemoryPort> port;
    RecordingTransferSession session;
    RecordingMessageSink messages;

    // Builds the model and the port from `script`; call after setting the switches.
    MemoryPort& wire() {
        receiver = std::make_unique<ReceiverModel>(script);
        port = std::make_unique<MemoryPort>(*receiver, clock);
        port->openMessages = &messages;
        return *port;
    }

    std::vector<std::string> messageTexts() const {
        std::vector<std::string> texts;
        for (const auto& e : messages.entries) texts.push_back(e.text);
        return texts;
    }

    int count(std::uint8_t code) const {
        int n = 0;
        for (std::uint8_t b : receiver->log().codesFromPc) n += b == code;
        return n;
    }
};

inline std::string text(int id) {
    return std::string(stringText(id));
}

}  // namespace kavro::test
