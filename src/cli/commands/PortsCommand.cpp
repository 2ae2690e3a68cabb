#include <iostream>

#include "cli/Command.h"
#include "cli/CommandArgs.h"
#include "link/serial/SerialPortNames.h"

namespace kavro::cli {
namespace {

constexpr std::string_view kName = "ports";

int run(const std::vector<std::string>& args) {
    ArgParser parser({}, {});
    if (auto failed = parseCommandArgs(kName, parser, args, {})) return *failed;

    const std::vector<SerialPortEntry> ports = availableSerialPorts();
    if (ports.empty()) {
        std::cout << "No serial ports found.\n";
        return ExitOk;
    }
    std::size_t width = 4;
    for (const SerialPortEntry& p : ports) width = std::max(width, p.name.size());
    for (const SerialPortEntry& p : ports) {
        std::string line = p.name;
        line.resize(width + 2, ' ');
        if (p.name != p.device) line += p.device + "  ";
        line += p.description.empty() ? std::string("(no description)") : p.description;
        if (!p.manufacturer.empty()) line += ", " + p.manufacturer;
        std::cout << line << "\n";
    }
    return ExitOk;
}

}  // namespace

Command portsCommand() {
    return {kName, "ports", "List the serial ports of this machine",
            "Lists the serial ports the system reports, one per line: the name to give as\n"
            "--port, the device when it differs, and the driver's description. COM1 to COM4\n"
            "stand for the first four serial devices (/dev/ttyS0 to /dev/ttyS3 on Linux);\n"
            "any other device path, such as /dev/ttyUSB0 or a pseudo-terminal, may be given\n"
            "as --port too, listed or not.\n",
            run};
}

}  // namespace kavro::cli
