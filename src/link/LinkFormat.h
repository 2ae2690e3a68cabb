#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "database/IrdImage.h"

namespace kavro::link {

// One-byte control codes. The sender holds the image (the receiver during upload, the PC
// during download); the receiving side is the other end.
inline constexpr std::uint8_t kSenderReady = 0xE1;
inline constexpr std::uint8_t kReceiverReady = 0xE2;
inline constexpr std::uint8_t kSendHeader = 0xE3;
inline constexpr std::uint8_t kHeaderAccepted = 0xE4;
inline constexpr std::uint8_t kDataReady = 0xE6;
inline constexpr std::uint8_t kSendPacket = 0xE7;
inline constexpr std::uint8_t kPacketAccepted = 0xE8;
inline constexpr std::uint8_t kPacketFinished = 0xEA;
inline constexpr std::uint8_t kEndOfTransfer = 0xEB;
inline constexpr std::uint8_t kEndConfirmed = 0xED;
inline constexpr std::uint8_t kStart = 0xEF;

// The header is the first 64 image bytes, sent raw.
inline constexpr std::size_t kHeaderSize = image::kHeaderSize;
inline constexpr std::size_t kDataLengthOffset = 28;

// A packet: marker, 1021 payload bytes, checksum high byte, checksum low byte.
inline constexpr std::size_t kPacketSize = 1024;
inline constexpr std::size_t kPayloadSize = 1021;
inline constexpr std::uint8_t kPacketMarker = 'G';

// Receiver call: how long the PC waits for the other end to answer.
inline constexpr int kCallSeconds = 20;

// Download progress runs against the image size plus one packet.
inline constexpr std::uint32_t kDownloadProgressTotal = 0xA0440;

// The longest image an upload accepts. The header's length field is 32 bits wide; a receiver
// database is 655,424 bytes, so anything far beyond is a broken header, not a database.
inline constexpr std::size_t kMaxUploadImageSize = 0x100000;

using Packet = std::array<std::uint8_t, kPacketSize>;

// Sum of the 1021 payload bytes, modulo 65536.
std::uint16_t payloadChecksum(const Packet& packet);

// True when the packet starts with the marker and carries the checksum of its payload.
bool packetIsValid(const Packet& packet);

// A data packet from `count` (at most 1021) bytes; the rest of the payload is zero.
Packet makeDataPacket(const std::uint8_t* data, std::size_t count);

// "G" and 1023 zero bytes: what the PC sends when asked for a packet past the image.
Packet makeFillerPacket();

// Upload progress after `packets` packets of an image of `imageLength` bytes.
int uploadPercent(std::uint64_t packets, std::uint64_t imageLength);
// Download progress after `packets` packets.
int downloadPercent(std::uint64_t packets);

}  // namespace kavro::link
