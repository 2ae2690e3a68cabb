#include "MemoryPort.h"

#include "messages/StringIds.h"

namespace kavro::test {

bool MemoryPort::open() {
    ++opens;
    if (failOpen) {
        if (openMessages) openMessages->showMessage(strings::CannotOpenPort, "COM3");
        return false;
    }
    open_ = true;
    return true;
}

void MemoryPort::close() {
    if (open_) ++closes;
    open_ = false;
}

int MemoryPort::readByte(std::uint8_t& byte) {
    if (!open_) {
        ++ioWhileClosed;
        return 0;
    }
    ++reads;
    receiver_.advance(clock_.now);
    if (receiver_.output().empty()) {
        ++silentReads;
        clock_.now += kSilentReadMs;
        receiver_.advance(clock_.now);
        return 0;
    }
    byte = receiver_.output().front();
    receiver_.output().pop_front();
    return 1;
}

bool MemoryPort::countWrite() {
    if (!open_) {
        ++ioWhileClosed;
        return false;
    }
    return ++writeCalls_ != failWriteCall;
}

bool MemoryPort::writeByte(std::uint8_t byte) {
    if (!countWrite()) return false;
    written.push_back(byte);
    receiver_.receive(byte, clock_.now);
    return true;
}

bool MemoryPort::writeBlock(const std::uint8_t* data, std::size_t length) {
    if (data == nullptr || length == 0) return false;
    if (!countWrite()) return false;
    blockSizes.push_back(length);
    for (std::size_t i = 0; i < length; ++i) {
        written.push_back(data[i]);
        receiver_.receive(data[i], clock_.now);
    }
    return true;
}

}  // namespace kavro::test
