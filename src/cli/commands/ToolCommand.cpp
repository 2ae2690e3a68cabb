#include <iostream>

#include "cli/CliMessageSink.h"
#include "cli/Command.h"
#include "cli/CommandArgs.h"
#include "cli/DatabaseFiles.h"
#include "document/ChannelDocument.h"
#include "document/commands/RemoveCBand.h"
#include "document/commands/RemoveDataChannels.h"
#include "document/commands/RenumberChannels.h"

namespace kavro::cli {
namespace {

constexpr std::string_view kName = "tool";

// Runs one tool (a known name) as the window's Tools menu does, and says what it did.
void runTool(const std::string& tool, ChannelDocument& document) {
    const ChannelDatabase& db = document.database();
    const std::size_t channels = db.channelTotal();
    const std::size_t satellites = db.satellites.size();
    if (tool == "remove-data") {
        document.push(new RemoveDataChannels(document));
        std::cout << "Removed " << channels - db.channelTotal() << " DATA channel(s)\n";
    } else if (tool == "remove-cband") {
        document.push(new RemoveCBand(document));
        std::cout << "Removed " << satellites - db.satellites.size() << " C-band satellite(s)\n";
    } else {
        document.push(new RenumberChannels(document));
        std::cout << "Renumbered " << db.channelTotal() << " channel(s) in tree order\n";
    }
}

int run(const std::vector<std::string>& args) {
    ArgParser parser({}, {});
    if (auto failed = parseCommandArgs(kName, parser, args, {"TOOL", "IN", "OUT"})) return *failed;
    const std::string& tool = parser.positional()[0];
    const std::string& in = parser.positional()[1];
    const std::string& out = parser.positional()[2];
    if (tool != "remove-data" && tool != "remove-cband" && tool != "sort")
        return usageError(kName,
                          "unknown tool '" + tool + "' (use remove-data, remove-cband or sort)");

    CliMessageSink messages;
    ChannelDocument document(messages);
    if (in.empty() || !document.openDocument(in)) return ExitFailed;
    runTool(tool, document);
    if (out.empty() || !document.saveDocument(out)) {
        std::cerr << "kavro-cli: " << out << " was not saved.\n";
        return ExitFailed;
    }
    std::cout << "Saved " << out << " (" << databaseSummary(document.database()) << ")\n";
    return ExitOk;
}

}  // namespace

Command toolCommand() {
    return {kName, "tool remove-data|remove-cband|sort IN OUT",
            "Run one of the Tools menu's whole-database tools and save the result",
            "Opens IN with the editor's checks, runs the tool and saves to OUT as\n"
            "File > Save As does (date stamp, renumbering, CRCs, read back). OUT may be IN.\n"
            "\n"
            "  remove-data   delete every DATA channel and its group memberships\n"
            "  remove-cband  delete every satellite whose LNB has neither oscillator at its\n"
            "                Universal value (9750 low, 10600 high MHz), with its transponders,\n"
            "                channels and group memberships\n"
            "  sort          renumber the channels in satellite, transponder, channel order\n"
            "                (the save does that as well, so OUT equals a plain resave)\n"
            "\n"
            "Exit status 1 when IN cannot be opened or OUT cannot be saved; whatever was at\n"
            "OUT before is then left as it was.\n",
            run};
}

}  // namespace kavro::cli
