#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

#include "database/IrdImage.h"

namespace kavro::test {

// How the simulated receiver behaves: its role and its fault switches. Packet numbers count
// from 1; 0 switches a packet fault off.
struct ReceiverScript {
    // Sender: the receiver sends its database (the PC uploads); Receiver: it takes one.
    enum class Role { Sender, Receiver };
    Role role = Role::Sender;

    // Sender: the image the receiver holds. Bytes past its end are sent as zeros.
    IrdImage image;

    bool silent = false;             // never calls, never answers
    std::uint64_t startDelayMs = 0;  // before the first call / before answering the PC's call
    bool callTwice = false;          // Sender: a second 0xE1 right behind the first

    std::vector<std::uint8_t> noiseBeforeCall;   // Sender: line noise before the first 0xE1
    std::vector<std::uint8_t> noiseBeforeCodes;  // sent before every later control code

    // Sender: header fields sent instead of the image's own, and a header cut short.
    std::optional<std::uint32_t> headerMagic, headerVersion, headerDataLength;
    std::size_t headerBytes = 64;

    // Sender packet faults: checksum off by one, checksum bytes low first, only 1000 bytes.
    int badChecksumPacket = 0, swappedChecksumPacket = 0, shortPacket = 0;
    std::uint8_t paddingByte = 0;  // payload bytes past the announced image length

    // Sends `second` where the code `first` is due.
    std::optional<std::pair<std::uint8_t, std::uint8_t>> replaceCode;

    // Receiver: ends with 0xEB after this packet; asks for this many packets past the image.
    int endAfterPacket = 0, extraPackets = 0;

    // Falls silent for good after this packet (Sender: after its 0xE8; Receiver: once it
    // arrived), once this code from the PC arrived, or (Receiver) once the header arrived.
    int hangAfterPacket = 0;
    std::optional<std::uint8_t> hangOnCode;
    bool hangAfterHeader = false;
};

}  // namespace kavro::test
