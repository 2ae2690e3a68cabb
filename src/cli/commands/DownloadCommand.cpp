#include <iostream>

#include "cli/CliMessageSink.h"
#include "cli/Command.h"
#include "cli/CommandArgs.h"
#include "cli/DatabaseFiles.h"
#include "cli/TransferRunner.h"
#include "link/Download.h"
#include "link/LinkFormat.h"
#include "link/TransferOptions.h"

namespace kavro::cli {
namespace {

constexpr std::string_view kName = "download";

int run(const std::vector<std::string>& args) {
    ArgParser parser({"port", "timeout"}, {});
    if (auto failed = parseCommandArgs(kName, parser, args, {"IN"})) return *failed;
    const std::optional<std::string> port = parser.value("port");
    if (!port || port->empty())
        return usageError(kName, "--port NAME is required (see 'kavro-cli ports')");
    TransferOptions options;
    if (auto failed = transferOptionsFromArgs(kName, parser, options)) return *failed;
    const std::string& in = parser.positional()[0];

    ChannelDatabase db;
    CliMessageSink messages;
    if (!openDatabase(db, in, messages)) return ExitFailed;

    const std::string instructions =
        "Sending " + in + " (" + databaseSummary(db) +
        ").\n"
        "Put the receiver in standby ('----'), then press 6 9 1 7 5 on its remote control.\n"
        "Calling the receiver on " +
        *port + " (Ctrl+C cancels).\n";
    TransferReport report;
    const bool sent =
        runTransfer(*port, link::kDownloadProgressTotal, instructions,
                    [&](SerialPort& serial, CliTransferSession& session) {
                        return download(serial, session, db, session, options, &report);
                    });
    if (!sent) return ExitFailed;
    reportShortTransfer(report, messages);
    return ExitOk;
}

}  // namespace

Command downloadCommand() {
    static const std::string help =
        std::string(
            "Opens IN with the editor's checks and sends it to the receiver over the serial\n"
            "port NAME (COM1 to COM4, or a device such as /dev/ttyUSB0; see 'kavro-cli ports')\n"
            "at 115200 baud, 8N1, as the image File > Save would write (renumbered, all CRCs\n"
            "computed). IN itself is not changed.\n"
            "\n"
            "Put the receiver in standby and press 69175 on its remote control, then start the\n"
            "command: it calls the receiver for 20 seconds. Progress shows on stdout (a live\n"
            "bar on a terminal, plain lines otherwise). Ctrl+C cancels. The receiver decides\n"
            "when the transfer ends; when it ends before the whole image was sent, the command\n"
            "says how much was.\n") +
        kTimeoutHelp +
        "Exit status 1 when IN cannot be opened or the transfer fails or is cancelled.\n";
    return {kName, "download --port NAME IN [--timeout S]",
            "Send a database file to the receiver over a serial port", help, run};
}

}  // namespace kavro::cli
