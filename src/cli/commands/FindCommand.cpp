#include <cstdio>
#include <iostream>

#include "arabic/Windows1256.h"
#include "cli/CliMessageSink.h"
#include "cli/Command.h"
#include "cli/CommandArgs.h"
#include "cli/DatabaseFiles.h"
#include "cli/RecordText.h"
#include "editing/ChannelFinder.h"

namespace kavro::cli {
namespace {

constexpr std::string_view kName = "find";

std::string rightAligned(long long value, int width) {
    char text[24];
    std::snprintf(text, sizeof text, "%*lld", width, value);
    return text;
}

int run(const std::vector<std::string>& args) {
    ArgParser parser({}, {});
    if (auto failed = parseCommandArgs(kName, parser, args, {"FILE", "TEXT"})) return *failed;
    const std::string& file = parser.positional()[0];
    const std::string& text = parser.positional()[1];

    // A character the receiver's names cannot hold can match nothing; say so rather than
    // searching for a stand-in.
    const std::string wanted = utf8ToWindows1256(text, '\0');
    if (wanted.find('\0') != std::string::npos) {
        std::cerr << "kavro-cli: no channel matches: '" << text
                  << "' holds characters that no channel name can hold.\n";
        return ExitFailed;
    }

    ChannelDatabase db;
    CliMessageSink messages;
    if (!openDatabase(db, file, messages)) return ExitFailed;

    const std::vector<ChannelPlace> hits = findAllChannelsByName(db, wanted);
    if (hits.empty()) {
        reportNotFound(messages, wanted);
        return ExitFailed;
    }
    std::cout << "SAT  " << padRight("SATELLITE", 21) << " TP  " << padRight("TRANSPONDER", 17)
              << " CH  NUMBER  NAME\n";
    for (const ChannelPlace& hit : hits) {
        const SatelliteRecord& sat = db.satellites[hit.satIndex];
        const TransponderRecord& tp = sat.transponders[hit.tpIndex];
        const ChannelRecord& ch = tp.channels[hit.chIndex];
        std::cout << rightAligned(hit.satIndex + 1, 3) << "  " << padRight(nameText(sat.name()), 21)
                  << rightAligned(hit.tpIndex + 1, 3) << "  " << padRight(tp.label(), 17)
                  << rightAligned(hit.chIndex + 1, 3) << "  " << rightAligned(ch.number + 1, 6)
                  << "  " << nameText(ch.name()) << "\n";
    }
    std::cout << hits.size() << " match(es)\n";
    return ExitOk;
}

}  // namespace

Command findCommand() {
    return {kName, "find FILE TEXT", "List every channel whose name contains a text",
            "Searches the channel names of FILE as Find does, ignoring letter case, for TEXT\n"
            "(UTF-8; Arabic as it is read, in logical order) anywhere in the displayed name,\n"
            "and lists every match in storage order: the satellite, the transponder and the\n"
            "channel's place in its transponder (all counted from 1), the channel number as\n"
            "the channel list shows it, and the name.\n"
            "Exit status 1 when nothing matches or FILE cannot be opened.\n",
            run};
}

}  // namespace kavro::cli
