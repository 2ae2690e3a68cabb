#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "ReceiverScript.h"

namespace kavro::test {

// The command line of kavro-receiver-sim: the role, an image to send, a file to save what was
// received, and the fault switches.
struct SimulatorOptions {
    ReceiverScript script;
    std::string imagePath;       // send: the image the receiver holds (a demo database when empty)
    std::string savePath;        // receive: where to write the image that arrived
    std::uint32_t lineBaud = 0;  // pace the line like a serial line of this speed (0: no pacing)
    bool help = false;
};

// False with `error` set on an unknown switch or a bad value.
bool parseSimulatorOptions(const std::vector<std::string>& args, SimulatorOptions& options,
                           std::string& error);

extern const char* const kSimulatorUsage;

}  // namespace kavro::test
