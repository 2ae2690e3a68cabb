#pragma once

#include <string>
#include <vector>

#include "link/serial/SerialPortNames.h"

namespace kavro::gui {

// One entry of the transfer dialog's port list.
struct PortChoice {
    std::string name;         // what the serial port is opened with
    std::string label;        // what the list shows
    std::string description;  // the driver's description, empty when unknown or absent
    bool present = false;     // the system reports this port
};

struct PortChoices {
    std::vector<PortChoice> items;
    int preselected = 0;
};

// "COM1" to "COM4", then every other port of `present` with its description. COM1 is chosen
// first, unless it is missing while other ports exist: then the first port that is there.
PortChoices portChoices(const std::vector<SerialPortEntry>& present);

}  // namespace kavro::gui
