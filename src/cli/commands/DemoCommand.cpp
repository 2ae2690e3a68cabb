#include <iostream>

#include "cli/CliMessageSink.h"
#include "cli/Command.h"
#include "cli/CommandArgs.h"
#include "cli/DatabaseFiles.h"
#include "editing/DemoDatabase.h"

namespace kavro::cli {
namespace {

constexpr std::string_view kName = "demo";

int run(const std::vector<std::string>& args) {
    ArgParser parser({}, {});
    if (auto failed = parseCommandArgs(kName, parser, args, {"OUT"})) return *failed;
    const std::string& out = parser.positional()[0];

    ChannelDatabase db;
    buildDemoDatabase(db);
    CliMessageSink messages;
    if (!saveDatabaseAs(db, out, messages)) {
        std::cerr << "kavro-cli: " << out << " was not saved.\n";
        return ExitFailed;
    }
    std::cout << "Wrote the demo database to " << out << " (" << databaseSummary(db) << ")\n";
    return ExitOk;
}

}  // namespace

Command demoCommand() {
    return {kName, "demo OUT", "Write the bundled demo database to a file",
            "Writes a realistic demo database to OUT, saved as the editor saves: six\n"
            "satellites at their real orbital positions (one on a C-band Standard LNB), their\n"
            "transponders, a few hundred TV, radio and data channels with Latin, Latin-1 and\n"
            "Arabic names, some crypted or locked, and the groups ALL, TV, RADIO, DATA plus\n"
            "two favourites. An existing OUT is replaced.\n",
            run};
}

}  // namespace kavro::cli
