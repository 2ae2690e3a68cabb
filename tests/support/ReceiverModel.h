#pragma once

#include <cstdint>
#include <deque>
#include <optional>
#include <utility>
#include <vector>

#include "ReceiverScript.h"
#include "link/LinkFormat.h"

namespace kavro::test {

// What the simulated receiver saw and did.
struct ReceiverLog {
    std::vector<std::uint8_t> codesFromPc;  // single bytes from the PC outside header and packets
    int packetsSent = 0;                    // Sender
    int packetsReceived = 0;                // Receiver
    int badPacketsReceived = 0;             // Receiver: wrong marker or checksum
    std::vector<link::Packet> packets;      // Receiver: every packet as it arrived
    IrdImage header;                        // Receiver: the header as it arrived
    bool completed = false;  // its own end was reached: 0xEB (Sender) or 0xED (Receiver) heard
    bool abandoned = false;  // Sender: the PC sent 0xEB before the image was through
    bool hung = false;
};

// The receiver's side of both transfers as a plain state machine: bytes from the PC go in,
// bytes for the PC come out, time moves on through `advance`. The in-memory port of the link
// tests and the pseudo-terminal simulator both drive it.
class ReceiverModel {
public:
    explicit ReceiverModel(ReceiverScript script) : script_(std::move(script)) {}

    void advance(std::uint64_t nowMs);
    void receive(std::uint8_t byte, std::uint64_t nowMs);

    std::deque<std::uint8_t>& output() { return output_; }
    const ReceiverLog& log() const { return log_; }
    // Completed, abandoned or hung: nothing more will happen.
    bool ended() const { return state_ == State::Done || state_ == State::Hung || log_.abandoned; }

    // Receiver: header and payloads as they arrived, cut to the length the header announced.
    IrdImage receivedImage() const;

private:
    enum class State {
        Idle,
        Calling,
        AwaitStart,
        AwaitHeaderRequest,
        ReadingHeader,
        AwaitHeaderAck,
        AwaitDataReady,
        ReadingPacket,
        AwaitPacketAck,
        AwaitPacketEnd,
        AwaitNext,
        AwaitConfirm,
        Done,
        Hung
    };

    void receiveAsSender(std::uint8_t byte);
    void receiveAsReceiver(std::uint8_t byte, std::uint64_t nowMs);
    void sendCode(std::uint8_t code);
    void sendHeader();
    void sendPacket();
    void requestPacket();
    void packetArrived();
    void hang();
    std::uint64_t announcedLength() const;
    std::uint64_t elapsed(std::uint64_t nowMs);

    ReceiverScript script_;
    State state_ = State::Idle;
    std::deque<std::uint8_t> output_;
    ReceiverLog log_;
    std::uint64_t lastCallMs_ = 0;
    std::optional<std::uint64_t> originMs_;  // time is counted from the first event
    std::vector<std::uint8_t> incoming_;     // header or packet being received
    std::vector<std::uint8_t> payload_;      // Receiver: header and payloads in order
};

}  // namespace kavro::test
