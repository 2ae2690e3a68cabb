#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "cli/ArgParser.h"
#include "cli/CliTransferSession.h"
#include "link/TransferOptions.h"
#include "link/serial/SerialPort.h"

namespace kavro::cli {

// Runs one transfer the way the upload and download commands share it: prints `instructions`,
// opens nothing yet (the protocol opens the port), shows the countdown and progress on stdout,
// turns Ctrl+C into Cancel and sends messages to stderr. `transfer` gets the port (115200 baud)
// and the session, which is also the message sink. Returns what `transfer` returned.
bool runTransfer(const std::string& portName, std::uint64_t totalBytes,
                 std::string_view instructions,
                 const std::function<bool(SerialPort&, CliTransferSession&)>& transfer);

// The transfer options from the command line: --timeout S sets how long the receiver may stay
// silent once it answered. On a bad value prints the usage error for `command` and gives the
// exit status to end with.
std::optional<int> transferOptionsFromArgs(std::string_view command, const ArgParser& parser,
                                           TransferOptions& options);

// The --timeout paragraph of the upload and download help texts.
extern const char* const kTimeoutHelp;

// True when stdout is a terminal (a live progress line) rather than a file or a pipe.
bool stdoutIsTerminal();

}  // namespace kavro::cli
