#include <cstdio>
#include <iostream>

#include "cli/CliMessageSink.h"
#include "cli/Command.h"
#include "cli/CommandArgs.h"
#include "cli/DatabaseFiles.h"
#include "cli/RecordText.h"
#include "database/ImageCheck.h"

namespace kavro::cli {
namespace {

constexpr std::string_view kName = "info";

std::string hex(unsigned long value, int digits) {
    char text[32];
    std::snprintf(text, sizeof text, "0x%0*lX", digits, value);
    return text;
}

// "6" or "6 (5 read)" when the reader had to leave records out.
std::string countText(std::size_t stored, std::size_t read) {
    std::string text = std::to_string(stored);
    if (read != stored) text += " (" + std::to_string(read) + " read)";
    return text;
}

int run(const std::vector<std::string>& args) {
    ArgParser parser({}, {});
    if (auto failed = parseCommandArgs(kName, parser, args, {"FILE"})) return *failed;
    const std::string& path = parser.positional()[0];

    ChannelDatabase db;
    CliMessageSink messages;
    if (!openDatabase(db, path, messages)) return ExitFailed;
    const ImageCheckResult check = checkImageFile(path);

    const std::string date = dateText(db);
    std::cout << "File          " << path << "\n"
              << "Data version  " << hex(db.dataVersion(), 4) << "\n"
              << "Saved         " << (date.empty() ? "(no date)" : date) << "\n"
              << "Groups        " << countText(db.groupCount(), db.groups.size()) << "\n"
              << "Satellites    " << countText(db.satCount(), db.satellites.size()) << "\n"
              << "Transponders  " << countText(db.tpCount(), db.transponderTotal()) << "\n"
              << "Channels      " << countText(db.channelCount(), db.channelTotal()) << "\n"
              << "CRCs\n";
    for (const ImageCrcCheck& crc : check.crcs) {
        std::string what = std::string(crc.crc.region) +
                           (crc.crc.usedPartOnly ? ", used part" : ", whole region");
        std::cout << "  " << padRight(what, 38) << "at " << hex(crc.crc.storedAt, 5) << "  ";
        if (!crc.checked)
            std::cout << "beyond the end of the file\n";
        else if (crc.matches())
            std::cout << hex(crc.stored, 8) << "  ok\n";
        else
            std::cout << hex(crc.stored, 8) << "  MISMATCH, expected " << hex(crc.expected, 8)
                      << "\n";
    }
    return ExitOk;
}

}  // namespace

Command infoCommand() {
    return {kName, "info FILE",
            "Show version, save date, counts and CRC status of a file",
            "Opens FILE with the editor's checks (length, data version, magic) and shows its\n"
            "data version, the date of its last save, the four counts of its settings block\n"
            "(with the number actually read when records had to be left out) and, for each\n"
            "of the seven CRCs, where it stands and whether it matches.\n"
            "Exit status 1 when the file cannot be opened.\n",
            run};
}

}  // namespace kavro::cli
