#include <iostream>

#include "cli/CliMessageSink.h"
#include "cli/Command.h"
#include "cli/CommandArgs.h"
#include "cli/DatabaseFiles.h"
#include "cli/DatabaseJson.h"
#include "cli/DatabaseText.h"

namespace kavro::cli {
namespace {

constexpr std::string_view kName = "dump";

int run(const std::vector<std::string>& args) {
    ArgParser parser({}, {"json"});
    if (auto failed = parseCommandArgs(kName, parser, args, {"FILE"})) return *failed;

    ChannelDatabase db;
    CliMessageSink messages;
    if (!openDatabase(db, parser.positional()[0], messages)) return ExitFailed;

    if (parser.flag("json")) {
        JsonWriter json(std::cout);
        writeDatabaseJson(json, db);
    } else {
        printDatabaseText(std::cout, db);
    }
    std::cout.flush();
    return std::cout ? ExitOk : ExitFailed;
}

}  // namespace

Command dumpCommand() {
    return {kName, "dump FILE [--json]", "Print the whole database, as text or JSON",
            "Prints everything the editor reads from FILE: the counts of the settings block,\n"
            "every satellite (position, LNB type and frequencies, DiSEqC, positioner) with its\n"
            "transponders (frequency, polarisation, symbol rate, FEC, TID) and their channels\n"
            "(type, crypted, locked, age limit, SID, all PIDs, audio language, ECM slots), and\n"
            "every group with its members. Names are decoded and printed in UTF-8. Channel\n"
            "numbers are shown from 1 as in the editor's channel list.\n"
            "\n"
            "Options:\n"
            "  --json    print JSON instead; channel numbers are then the stored ones (from 0)\n",
            run};
}

}  // namespace kavro::cli
