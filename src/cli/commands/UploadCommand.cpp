#include <filesystem>
#include <iostream>

#include "cli/CliMessageSink.h"
#include "cli/Command.h"
#include "cli/CommandArgs.h"
#include "cli/DatabaseFiles.h"
#include "cli/TransferRunner.h"
#include "database/ImageFile.h"
#include "link/TransferOptions.h"
#include "link/Upload.h"
#include "messages/StringIds.h"
#include "messages/StringTable.h"

namespace kavro::cli {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kName = "upload";

// A transfer takes about a minute; find out before it whether its result can be kept.
bool checkDestination(const std::string& out, MessageSink& messages) {
    std::string reason;
    const std::optional<std::string> target = saveTarget(out, &reason);
    std::error_code ec;
    if (target) {
        const fs::path folder = fs::path(*target).parent_path();
        if (folder.empty() || fs::is_directory(folder, ec)) return true;
        reason = fs::exists(folder, ec) ? "Not a directory" : "No such file or directory";
    }
    messages.showMessage(strings::FileWriteError, withReason(out, reason));
    std::cerr << "kavro-cli: nothing was received.\n";
    return false;
}

int run(const std::vector<std::string>& args) {
    ArgParser parser({"port", "timeout"}, {"raw"});
    if (auto failed = parseCommandArgs(kName, parser, args, {"OUT"})) return *failed;
    const std::optional<std::string> port = parser.value("port");
    if (!port || port->empty())
        return usageError(kName, "--port NAME is required (see 'kavro-cli ports')");
    TransferOptions options;
    if (auto failed = transferOptionsFromArgs(kName, parser, options)) return *failed;
    const std::string& out = parser.positional()[0];
    CliMessageSink sink;
    MessageSink& messages = sink;
    if (!checkDestination(out, messages)) return ExitFailed;

    const std::string instructions =
        "Put the receiver in standby ('----'), then press 5 8 3 0 2 on its remote control.\n"
        "Waiting for the receiver on " +
        *port + " (Ctrl+C cancels).\n";
    ChannelDatabase db;
    IrdImage image;
    TransferReport report;
    const bool received = runTransfer(
        *port, image::kSize, instructions, [&](SerialPort& serial, CliTransferSession& session) {
            return upload(serial, session, db, session, options, &report, &image);
        });
    if (!received) return ExitFailed;

    if (parser.flag("raw")) {
        std::string reason;
        if (!writeFileAtomically(out, image.data(), image.size(), &reason)) {
            messages.showMessage(strings::FileWriteError, withReason(out, reason));
            std::cerr << "kavro-cli: the received data was not saved.\n";
            return ExitFailed;
        }
        std::cout << "Wrote the received image to " << out << " (" << groupedNumber(image.size())
                  << " bytes, as received)\n";
        return ExitOk;
    }
    if (!saveDatabaseAs(db, out, messages)) {
        std::cerr << "kavro-cli: the received data was not saved.\n";
        return ExitFailed;
    }
    std::cout << "Saved " << out << " (" << databaseSummary(db) << ")\n";
    return ExitOk;
}

}  // namespace

Command uploadCommand() {
    static const std::string help =
        std::string(
            "Reads the whole database from the receiver over the serial port NAME (COM1 to\n"
            "COM4, or a device such as /dev/ttyUSB0; see 'kavro-cli ports') at 115200 baud,\n"
            "8N1, and saves it to OUT as File > Save does: the save date is stamped and the\n"
            "channels are renumbered. With --raw the image is written exactly as it arrived\n"
            "(as many bytes as arrived).\n"
            "\n"
            "Start the command, then put the receiver in standby and press 58302 on its remote\n"
            "control: the receiver calls and the transfer begins. The receiver has 20 seconds\n"
            "to call. Progress shows on stdout (a live bar on a terminal, plain lines\n"
            "otherwise). Ctrl+C cancels: the receiver is told to stop and nothing is written.\n") +
        kTimeoutHelp +
        "An image shorter than File > Open accepts is refused. OUT is only written after a\n"
        "complete transfer; a symbolic link is followed, a folder, device or pipe refused.\n"
        "Exit status 1 when the transfer fails, is cancelled, or OUT cannot be written.\n";
    return {kName, "upload --port NAME OUT [--raw] [--timeout S]",
            "Read the receiver's database over a serial port into a file", help, run};
}

}  // namespace kavro::cli
