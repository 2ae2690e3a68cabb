#include "ReceiverModel.h"

#include <algorithm>

#include "database/ByteOrder.h"

namespace kavro::test {

using namespace link;

static constexpr std::uint64_t kCallIntervalMs = 400;  // Sender: 0xE1 repeated while unanswered
static constexpr std::size_t kShortPacketBytes = 1000;

std::uint64_t ReceiverModel::elapsed(std::uint64_t nowMs) {
    if (!originMs_) originMs_ = nowMs;
    return nowMs - *originMs_;
}

void ReceiverModel::hang() {
    state_ = State::Hung, log_.hung = true;
}

void ReceiverModel::advance(std::uint64_t nowMs) {
    nowMs = elapsed(nowMs);
    if (script_.role != ReceiverScript::Role::Sender || script_.silent) return;
    if (state_ == State::Idle && nowMs >= script_.startDelayMs) {
        output_.insert(output_.end(), script_.noiseBeforeCall.begin(),
                       script_.noiseBeforeCall.end());
        output_.push_back(kSenderReady);
        if (script_.callTwice) output_.push_back(kSenderReady);
        lastCallMs_ = nowMs;
        state_ = State::Calling;
    } else if (state_ == State::Calling && nowMs - lastCallMs_ >= kCallIntervalMs) {
        output_.push_back(kSenderReady);
        lastCallMs_ = nowMs;
    }
}

void ReceiverModel::receive(std::uint8_t byte, std::uint64_t nowMs) {
    nowMs = elapsed(nowMs);
    const bool inBlock = state_ == State::ReadingHeader || state_ == State::ReadingPacket;
    if (!inBlock) log_.codesFromPc.push_back(byte);
    if (state_ == State::Hung || state_ == State::Done) return;
    if (!inBlock && script_.hangOnCode == byte) return hang();
    if (script_.role == ReceiverScript::Role::Sender)
        receiveAsSender(byte);
    else
        receiveAsReceiver(byte, nowMs);
}

void ReceiverModel::receiveAsSender(std::uint8_t byte) {
    if (byte == kEndOfTransfer) {
        // The PC ends a transfer with 0xEB; before the last packet was asked for it gave up.
        if (state_ == State::AwaitNext && log_.packetsSent > 0 &&
            announcedLength() <= kHeaderSize + std::uint64_t(log_.packetsSent) * kPayloadSize)
            log_.completed = true;
        else
            log_.abandoned = true;
        state_ = State::Done;
        return;
    }
    if (state_ == State::Calling && byte == kReceiverReady) {
        sendCode(kStart);
        state_ = State::AwaitHeaderRequest;
    } else if (state_ == State::AwaitHeaderRequest && byte == kSendHeader) {
        sendHeader();
        state_ = State::AwaitHeaderAck;
    } else if (state_ == State::AwaitHeaderAck && byte == kHeaderAccepted) {
        sendCode(kDataReady);
        state_ = State::AwaitNext;
    } else if (state_ == State::AwaitNext && byte == kSendPacket) {
        sendPacket();
        state_ = State::AwaitPacketAck;
    } else if (state_ == State::AwaitPacketAck && byte == kPacketAccepted) {
        if (script_.hangAfterPacket == log_.packetsSent) return hang();
        sendCode(kPacketFinished);
        state_ = State::AwaitNext;
    }
}

void ReceiverModel::receiveAsReceiver(std::uint8_t byte, std::uint64_t nowMs) {
    if (state_ == State::Idle && byte == kSenderReady && !script_.silent &&
        nowMs >= script_.startDelayMs) {
        sendCode(kReceiverReady);
        state_ = State::AwaitStart;
    } else if (state_ == State::AwaitStart && byte == kStart) {
        sendCode(kSendHeader);
        incoming_.clear();
        state_ = State::ReadingHeader;
    } else if (state_ == State::ReadingHeader) {
        incoming_.push_back(byte);
        if (incoming_.size() < kHeaderSize) return;
        log_.header = payload_ = incoming_;
        if (script_.hangAfterHeader) return hang();
        sendCode(kHeaderAccepted);
        state_ = State::AwaitDataReady;
    } else if (state_ == State::AwaitDataReady && byte == kDataReady) {
        requestPacket();
    } else if (state_ == State::ReadingPacket) {
        incoming_.push_back(byte);
        if (incoming_.size() == kPacketSize) packetArrived();
    } else if (state_ == State::AwaitPacketEnd && byte == kPacketFinished) {
        const std::uint64_t body = announcedLength() - kHeaderSize;
        const int wanted = static_cast<int>((body + kPayloadSize - 1) / kPayloadSize);
        const int n = log_.packetsReceived;
        if ((script_.endAfterPacket > 0 && n >= script_.endAfterPacket) ||
            n >= wanted + script_.extraPackets) {
            sendCode(kEndOfTransfer);
            state_ = State::AwaitConfirm;
        } else {
            requestPacket();
        }
    } else if (state_ == State::AwaitConfirm && byte == kEndConfirmed) {
        log_.completed = true;
        state_ = State::Done;
    }
}

void ReceiverModel::requestPacket() {
    sendCode(kSendPacket);
    incoming_.clear();
    state_ = State::ReadingPacket;
}

void ReceiverModel::packetArrived() {
    Packet packet;
    std::copy(incoming_.begin(), incoming_.end(), packet.begin());
    ++log_.packetsReceived;
    if (!packetIsValid(packet)) ++log_.badPacketsReceived;
    log_.packets.push_back(packet);
    payload_.insert(payload_.end(), packet.begin() + 1, packet.begin() + 1 + kPayloadSize);
    incoming_.clear();
    if (script_.hangAfterPacket == log_.packetsReceived) return hang();
    sendCode(kPacketAccepted);
    state_ = State::AwaitPacketEnd;
}

void ReceiverModel::sendCode(std::uint8_t code) {
    output_.insert(output_.end(), script_.noiseBeforeCodes.begin(), script_.noiseBeforeCodes.end());
    if (script_.replaceCode && script_.replaceCode->first == code)
        code = script_.replaceCode->second;
    output_.push_back(code);
}

std::uint64_t ReceiverModel::announcedLength() const {
    const bool sender = script_.role == ReceiverScript::Role::Sender;
    if (sender && script_.headerDataLength) return *script_.headerDataLength + kHeaderSize;
    const IrdImage& header = sender ? script_.image : log_.header;
    if (header.size() < kHeaderSize) return kHeaderSize;
    return readU32(header.data() + kDataLengthOffset) + std::uint64_t(kHeaderSize);
}

void ReceiverModel::sendHeader() {
    std::uint8_t header[kHeaderSize] = {};
    std::copy_n(script_.image.begin(), std::min(script_.image.size(), kHeaderSize), header);
    if (script_.headerMagic) writeU32(header + image::kMagicOffset, *script_.headerMagic);
    if (script_.headerVersion) writeU32(header + image::kVersionOffset, *script_.headerVersion);
    if (script_.headerDataLength) writeU32(header + kDataLengthOffset, *script_.headerDataLength);
    output_.insert(output_.end(), header, header + std::min(script_.headerBytes, kHeaderSize));
}

void ReceiverModel::sendPacket() {
    const int number = ++log_.packetsSent;
    const std::uint64_t start = kHeaderSize + std::uint64_t(number - 1) * kPayloadSize;
    const std::uint64_t length = announcedLength();
    Packet packet{};
    packet[0] = kPacketMarker;
    for (std::uint64_t at = start; at < start + kPayloadSize; ++at)
        packet[1 + at - start] = at >= length                ? script_.paddingByte
                                 : at < script_.image.size() ? script_.image[std::size_t(at)]
                                                             : 0;
    std::uint16_t sum = payloadChecksum(packet);
    if (number == script_.badChecksumPacket) ++sum;
    packet[kPacketSize - 2] = static_cast<std::uint8_t>(sum >> 8);
    packet[kPacketSize - 1] = static_cast<std::uint8_t>(sum);
    if (number == script_.swappedChecksumPacket)
        std::swap(packet[kPacketSize - 2], packet[kPacketSize - 1]);
    const std::size_t count = number == script_.shortPacket ? kShortPacketBytes : kPacketSize;
    output_.insert(output_.end(), packet.begin(), packet.begin() + count);
}

IrdImage ReceiverModel::receivedImage() const {
    const auto length = std::min<std::uint64_t>(payload_.size(), announcedLength());
    return IrdImage(payload_.begin(), payload_.begin() + std::ptrdiff_t(length));
}

}  // namespace kavro::test
