#include <iostream>

#include "cli/CliMessageSink.h"
#include "cli/Command.h"
#include "cli/CommandArgs.h"
#include "cli/DatabaseFiles.h"
#include "cli/RecordText.h"

namespace kavro::cli {
namespace {

constexpr std::string_view kName = "resave";

// What the reader left out; a save drops it for good, so say so.
void reportLosses(const ImageReadReport& report) {
    auto note = [](int n, const char* what) {
        if (n > 0) std::cerr << "kavro-cli: note: " << n << " " << what << "\n";
    };
    note(report.droppedTransponders,
         "transponder(s) naming a missing satellite were left out, with their channels");
    note(report.droppedChannels, "channel(s) naming a missing transponder were left out");
    note(report.unlinkedReferences, "group reference(s) naming no channel were left out");
    for (const std::string& clamp : report.clamps) std::cerr << "kavro-cli: note: " << clamp << "\n";
}

int run(const std::vector<std::string>& args) {
    ArgParser parser({}, {});
    if (auto failed = parseCommandArgs(kName, parser, args, {"IN", "OUT"})) return *failed;
    const std::string& in = parser.positional()[0];
    const std::string& out = parser.positional()[1];

    ChannelDatabase db;
    CliMessageSink messages;
    ImageReadReport report;
    if (!openDatabase(db, in, messages, &report)) return ExitFailed;
    reportLosses(report);
    if (!saveDatabaseAs(db, out, messages)) {
        std::cerr << "kavro-cli: " << out << " was not saved.\n";
        return ExitFailed;
    }
    std::cout << "Saved " << out << " (" << databaseSummary(db) << "), dated " << dateText(db)
              << "\n";
    return ExitOk;
}

}  // namespace

Command resaveCommand() {
    return {kName, "resave IN OUT", "Open a file and save it again, as Save As does",
            "Opens IN with the editor's checks and saves it to OUT exactly as File > Save As\n"
            "does: the save date is stamped, channels are renumbered in satellite, transponder\n"
            "and channel order, group references are rewritten to match, all CRCs are\n"
            "computed, and the saved file is read back. OUT may be IN itself.\n"
            "The file is written through a temporary file: when the save fails, whatever was\n"
            "at OUT before is left as it was. Exit status 1 when IN cannot be opened or OUT\n"
            "cannot be saved.\n",
            run};
}

}  // namespace kavro::cli
