#include "link/serial/SerialPortNames.h"

#include <QSerialPortInfo>
#include <algorithm>
#include <cctype>

namespace kavro {
namespace {

// 1..4 for "COM1".."COM4" in any case, else 0.
int comNumber(std::string_view name) {
    if (name.size() != 4) return 0;
    for (int i = 0; i < 3; ++i)
        if (std::toupper(static_cast<unsigned char>(name[i])) != "COM"[i]) return 0;
    return name[3] >= '1' && name[3] <= '4' ? name[3] - '0' : 0;
}

}  // namespace

std::string serialDevicePath(std::string_view portName) {
    const int com = comNumber(portName);
#if defined(_WIN32)
    if (com > 0) return "COM" + std::to_string(com);
    return std::string(portName);
#else
    if (com > 0) return "/dev/ttyS" + std::to_string(com - 1);
    if (portName.empty() || portName.find('/') != std::string_view::npos)
        return std::string(portName);
    return "/dev/" + std::string(portName);
#endif
}

std::vector<SerialPortEntry> availableSerialPorts() {
    std::vector<SerialPortEntry> ports;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
        SerialPortEntry entry;
        entry.device = info.systemLocation().toStdString();
        entry.name = entry.device;
        for (int n = 1; n <= 4; ++n) {
            const std::string com = "COM" + std::to_string(n);
            if (serialDevicePath(com) == entry.device) entry.name = com;
        }
        entry.description = info.description().toStdString();
        entry.manufacturer = info.manufacturer().toStdString();
        ports.push_back(std::move(entry));
    }
    std::sort(ports.begin(), ports.end(),
              [](const SerialPortEntry& a, const SerialPortEntry& b) { return a.name < b.name; });
    return ports;
}

}  // namespace kavro
