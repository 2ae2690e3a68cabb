#include "cli/TransferRunner.h"

#include <QCoreApplication>
#include <cstdio>
#include <iostream>
#include <memory>

#include "cli/InterruptFlag.h"

#if defined(_WIN32)
#include <io.h>
#else
#include <unistd.h>
#endif

namespace kavro::cli {

bool stdoutIsTerminal() {
#if defined(_WIN32)
    return _isatty(_fileno(stdout)) != 0;
#else
    return ::isatty(STDOUT_FILENO) != 0;
#endif
}

const char* const kTimeoutHelp =
    "--timeout S: once the receiver has answered, give up after S seconds (1 to 86400) without\n"
    "a byte from it, as when the cable is pulled or the receiver switched off (default 30).\n";

std::optional<int> transferOptionsFromArgs(std::string_view command, const ArgParser& parser,
                                           TransferOptions& options) {
    constexpr long long kMaxSeconds = 86400;
    if (const std::optional<std::string> text = parser.value("timeout")) {
        const std::optional<long long> seconds = parseInteger(*text, 1, kMaxSeconds);
        if (!seconds)
            return usageError(command, "--timeout takes whole seconds from 1 to " +
                                           std::to_string(kMaxSeconds) + ", not '" + *text + "'");
        options.silenceSeconds = static_cast<int>(*seconds);
    }
    return std::nullopt;
}

bool runTransfer(const std::string& portName, std::uint64_t totalBytes,
                 std::string_view instructions,
                 const std::function<bool(SerialPort&, CliTransferSession&)>& transfer) {
    // QSerialPort's socket notifiers want an application object; the GUI has its own. Its
    // arguments must outlive it, so they are declared first.
    int argc = 1;
    char name[] = "kavro-cli";
    char* argv[] = {name, nullptr};
    std::unique_ptr<QCoreApplication> app;
    if (QCoreApplication::instance() == nullptr)
        app = std::make_unique<QCoreApplication>(argc, argv);

    InterruptFlag interrupt;
    std::cout << instructions << std::flush;
    CliTransferSession session(std::cout, stdoutIsTerminal(), interrupt.flag(), totalBytes);
    bool ok = false;
    {
        SerialPort port(session, portName, SerialPort::kDefaultBaudRate);
        ok = transfer(port, session);
    }
    session.finish();
    return ok;
}

}  // namespace kavro::cli
