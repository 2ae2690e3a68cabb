#include "link/LinkFormat.h"

#include <algorithm>
#include <cstring>
#include <limits>

namespace kavro::link {
namespace {

int percentOf(std::uint64_t packets, std::uint64_t total) {
    if (total == 0) return 100;
    // Wide arithmetic: a receiver that keeps asking for packets must not wrap the figure.
    const std::uint64_t percent = packets * 100 * kPayloadSize / total;
    return static_cast<int>(std::min<std::uint64_t>(
        percent, static_cast<std::uint64_t>(std::numeric_limits<int>::max())));
}

}  // namespace

std::uint16_t payloadChecksum(const Packet& packet) {
    unsigned sum = 0;
    for (std::size_t i = 1; i <= kPayloadSize; ++i) sum += packet[i];
    return static_cast<std::uint16_t>(sum);
}

bool packetIsValid(const Packet& packet) {
    const std::uint16_t stored =
        static_cast<std::uint16_t>((packet[kPacketSize - 2] << 8) | packet[kPacketSize - 1]);
    return packet[0] == kPacketMarker && stored == payloadChecksum(packet);
}

Packet makeDataPacket(const std::uint8_t* data, std::size_t count) {
    Packet packet{};
    packet[0] = kPacketMarker;
    count = std::min(count, kPayloadSize);
    if (count > 0) std::memcpy(packet.data() + 1, data, count);
    const std::uint16_t sum = payloadChecksum(packet);
    packet[kPacketSize - 2] = static_cast<std::uint8_t>(sum >> 8);
    packet[kPacketSize - 1] = static_cast<std::uint8_t>(sum);
    return packet;
}

Packet makeFillerPacket() {
    Packet packet{};
    packet[0] = kPacketMarker;
    return packet;
}

int uploadPercent(std::uint64_t packets, std::uint64_t imageLength) {
    return percentOf(packets, imageLength);
}

int downloadPercent(std::uint64_t packets) {
    return percentOf(packets, kDownloadProgressTotal);
}

}  // namespace kavro::link
