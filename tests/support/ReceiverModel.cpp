#include "ReceiverModel.h"

#include <algorithm>
#include <utility>

#include "database/ByteOrder.h"

namespace kavro::test {

using namespace link;

ReceiverModel::ReceiverModel(ReceiverScript script) : script_(std::move(script)) {}

bool ReceiverModel::ended() const {
    return state_ == State::Done || state_ == State::Hung || log_.abandoned;
}

std::uint64_t ReceiverModel::elapsed(std::uint64_t nowMs) {
    if (!originMs_) originMs_ = nowMs;
    return nowMs - *originMs_;
}

void ReceiverModel::advance(std::uint64_t nowMs) {
    nowMs = elapsed(nowMs);
    if (script_.role != ReceiverScript::Role::Sender || script_.silent) return;
    if (state_ == State::Idle && nowMs >= script_.startDelayMs) {
        output_.insert(output_.end(), script_.noiseBeforeCall.begin(),
                       script_.noiseBeforeCall.end());
        output_.push_back(kSenderReady);
        ++log_.callsSent;
        if (script_.callTwice) {
            output_.push_back(kSenderReady);
            ++log_.callsSent;
        }
        lastCallMs_ = nowMs;
        state_ = State::Calling;
    } else if (state_ == State::Calling && nowMs - lastCallMs_ >= script_.callIntervalMs) {
        output_.push_back(kSenderReady);
        ++log_.callsSent;
        lastCallMs_ = nowMs;
    }
}

void ReceiverModel::receive(std::uint8_t byte, std::uint64_t nowMs) {
    nowMs = elapsed(nowMs);
    const bool inBlock = state_ == State::ReadingHeader || state_ == State::ReadingPacket;
    if (!inBlock) log_.codesFromPc.push_back(byte);
    if (state_ == State::Hung || state_ == State::Done) return;
    if (!inBlock) {
        if (script_.hangOnCode && byte == *script_.hangOnCode) {
            state_ = State::Hung;
            log_.hung = true;
            return;
        }
    }
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
    switch (state_) {
        case State::Calling:
            if (byte == kReceiverReady) {
                sendCode(kStart);
                state_ = State::AwaitHeaderRequest;
            }
            break;
        case State::AwaitHeaderRequest:
            if (byte == kSendHeader) {
                sendHeader();
                state_ = State::AwaitHeaderAck;
            }
            break;
        case State::AwaitHeaderAck:
            if (byte == kHeaderAccepted) {
                sendCode(kDataReady);
                state_ = State::AwaitPacketRequest;
            }
            break;
        case State::AwaitPacketRequest:
        case State::AwaitNext:
            if (byte == kSendPacket) {
                sendPacket();
                state_ = State::AwaitPacketAck;
            }
            break;
        case State::AwaitPacketAck:
            if (byte == kPacketAccepted) {
                if (script_.hangAfterPacket == log_.packetsSent) {
                    state_ = State::Hung;
                    log_.hung = true;
                    return;
                }
                sendCode(kPacketFinished);
                state_ = State::AwaitNext;
            }
            break;
        default:
            break;
    }
}

void ReceiverModel::receiveAsReceiver(std::uint8_t byte, std::uint64_t nowMs) {
    switch (state_) {
        case State::Idle:
            if (byte == kSenderReady && !script_.silent && nowMs >= script_.startDelayMs) {
                sendCode(kReceiverReady);
                state_ = State::AwaitStart;
            }
            break;
        case State::AwaitStart:
            if (byte == kStart) {
                sendCode(kSendHeader);
                incoming_.clear();
                state_ = State::ReadingHeader;
            }
            break;
        case State::ReadingHeader:
            incoming_.push_back(byte);
            if (incoming_.size() == kHeaderSize) {
                log_.header = incoming_;
                payload_ = incoming_;
                if (script_.hangAfterHeader) {
                    state_ = State::Hung;
                    log_.hung = true;
                    return;
                }
                sendCode(kHeaderAccepted);
                state_ = State::AwaitDataReady;
            }
            break;
        case State::AwaitDataReady:
            if (byte == kDataReady) {
                sendCode(kSendPacket);
                incoming_.clear();
                state_ = State::ReadingPacket;
            }
            break;
        case State::ReadingPacket:
            incoming_.push_back(byte);
            if (incoming_.size() == kPacketSize) packetArrived();
            break;
        case State::AwaitPacketEnd:
            if (byte == kPacketFinished) {
                const int n = log_.packetsReceived;
                if ((script_.endAfterPacket > 0 && n >= script_.endAfterPacket) ||
                    n >= packetsWanted() + script_.extraPackets) {
                    sendCode(kEndOfTransfer);
                    state_ = State::AwaitConfirm;
                } else {
                    sendCode(kSendPacket);
                    incoming_.clear();
                    state_ = State::ReadingPacket;
                }
            }
            break;
        case State::AwaitConfirm:
            if (byte == kEndConfirmed) {
                log_.completed = true;
                state_ = State::Done;
            }
            break;
        default:
            break;
    }
}

void ReceiverModel::packetArrived() {
    Packet packet;
    std::copy(incoming_.begin(), incoming_.end(), packet.begin());
    ++log_.packetsReceived;
    if (!packetIsValid(packet)) ++log_.badPacketsReceived;
    log_.packets.push_back(packet);
    payload_.insert(payload_.end(), packet.begin() + 1, packet.begin() + 1 + kPayloadSize);
    incoming_.clear();
    if (script_.hangAfterPacket == log_.packetsReceived) {
        state_ = State::Hung;
        log_.hung = true;
        return;
    }
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
    if (script_.role == ReceiverScript::Role::Receiver) {
        if (log_.header.size() < kHeaderSize) return kHeaderSize;
        return std::uint64_t(readU32(log_.header.data() + kDataLengthOffset)) + kHeaderSize;
    }
    std::uint32_t dataLength = 0;
    if (script_.headerDataLength)
        dataLength = *script_.headerDataLength;
    else if (script_.image.size() >= kHeaderSize)
        dataLength = readU32(script_.image.data() + kDataLengthOffset);
    return std::uint64_t(dataLength) + kHeaderSize;
}

int ReceiverModel::packetsWanted() const {
    const std::uint64_t body = announcedLength() - kHeaderSize;
    return static_cast<int>((body + kPayloadSize - 1) / kPayloadSize);
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
    for (std::size_t i = 0; i < kPayloadSize; ++i) {
        const std::uint64_t at = start + i;
        if (at >= length)
            packet[1 + i] = script_.paddingByte;
        else if (at < script_.image.size())
            packet[1 + i] = script_.image[static_cast<std::size_t>(at)];
    }
    std::uint16_t sum = payloadChecksum(packet);
    if (number == script_.badChecksumPacket) ++sum;
    packet[kPacketSize - 2] = static_cast<std::uint8_t>(sum >> 8);
    packet[kPacketSize - 1] = static_cast<std::uint8_t>(sum);
    if (number == script_.swappedChecksumPacket)
        std::swap(packet[kPacketSize - 2], packet[kPacketSize - 1]);
    const std::size_t count = number == script_.shortPacket
                                  ? std::min(script_.shortPacketBytes, kPacketSize)
                                  : kPacketSize;
    output_.insert(output_.end(), packet.begin(), packet.begin() + count);
}

IrdImage ReceiverModel::receivedImage() const {
    IrdImage image = payload_;
    if (image.size() > announcedLength()) image.resize(static_cast<std::size_t>(announcedLength()));
    return image;
}

}  // namespace kavro::test
