#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kavro {

// The device behind a port name. "COM1".."COM4" (any case) are the machine's first four serial
// ports: COMn itself on Windows, /dev/ttyS0../dev/ttyS3 on Linux and other Unix systems. Any
// other name is a device used as given (/dev/ttyUSB0, a pseudo-terminal such as /dev/pts/3;
// a bare name such as "ttyUSB0" is looked up under /dev).
std::string serialDevicePath(std::string_view portName);

// A serial port present on this machine.
struct SerialPortEntry {
    std::string name;         // what to pass as the port name: "COM1".."COM4" when it is one
    std::string device;       // the device path
    std::string description;  // the driver's description, possibly empty
    std::string manufacturer;
};

// The serial ports the system reports, sorted by name.
std::vector<SerialPortEntry> availableSerialPorts();

}  // namespace kavro
