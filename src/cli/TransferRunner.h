#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "cli/CliTransferSession.h"
#include "link/serial/SerialPort.h"

namespace kavro::cli {

// Runs one transfer the way the upload and download commands share it: prints `instructions`,
// opens nothing yet (the protocol opens the port), shows the countdown and progress on stdout,
// turns Ctrl+C into Cancel and sends messages to stderr. `transfer` gets the port (115200 baud)
// and the session, which is also the message sink. Returns what `transfer` returned.
bool runTransfer(const std::string& portName, std::uint64_t totalBytes,
                 std::string_view instructions,
                 const std::function<bool(SerialPort&, CliTransferSession&)>& transfer);

// True when stdout is a terminal (a live progress line) rather than a file or a pipe.
bool stdoutIsTerminal();

}  // namespace kavro::cli
