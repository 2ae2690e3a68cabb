#pragma once

#include <cstddef>
#include <cstdint>

namespace kavro {

// The byte line to the receiver as the transfer protocols see it. The real implementation is
// SerialPort (src/link/serial); tests use an in-memory peer.
class BytePort {
public:
    virtual ~BytePort() = default;

    // Opens and configures the line. False when it cannot be opened (the port tells the user).
    virtual bool open() = 0;
    // Releases the line; no I/O is done on the object afterwards.
    virtual void close() = 0;
    virtual bool isOpen() const = 0;

    // Reads one byte: 1 when it arrived, 0 when nothing came within about 110 ms or the read
    // failed. Never blocks longer than that, so every wait built on it stays cancellable.
    virtual int readByte(std::uint8_t& byte) = 0;
    // True only when the byte was written.
    virtual bool writeByte(std::uint8_t byte) = 0;
    // True only when all `length` bytes were written; false at once for no data.
    virtual bool writeBlock(const std::uint8_t* data, std::size_t length) = 0;

    // The next `count` bytes are one block (a header or a packet) that the reads take in a row,
    // until it is complete or a read finds nothing; anything written ends it. A port may let
    // such bytes gather instead of waking up for each; every read still returns as it always
    // does. Ports that gain nothing from it ignore it.
    virtual void expectBlock(std::size_t count) { (void)count; }
};

}  // namespace kavro
