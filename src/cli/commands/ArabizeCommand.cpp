#include <filesystem>
#include <iostream>
#include <system_error>

#include "arabic/ArabicNameList.h"
#include "arabic/AutoArabisation.h"
#include "cli/CliMessageSink.h"
#include "cli/Command.h"
#include "cli/CommandArgs.h"
#include "cli/DatabaseFiles.h"

namespace kavro::cli {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kName = "arabize";

int run(const std::vector<std::string>& args) {
    ArgParser parser({"list"}, {});
    if (auto failed = parseCommandArgs(kName, parser, args, {"IN", "OUT"})) return *failed;
    const std::string& in = parser.positional()[0];
    const std::string& out = parser.positional()[1];
    const std::optional<std::string> listOption = parser.value("list");
    if (listOption && listOption->empty())
        return usageError(kName, "the --list file name is empty");

    // A list named on the command line must be there: a typo would otherwise rename nothing
    // and still write OUT. The default list may simply not exist yet.
    const fs::path listPath =
        listOption ? fs::path(*listOption) : arabicNameListLocation().readPath;
    std::error_code ec;
    const bool listExists = !listPath.empty() && fs::exists(listPath, ec);
    if (listOption && !listExists) {
        std::cerr << "kavro-cli: the name list " << *listOption << " was not found.\n";
        return ExitFailed;
    }
    if (listExists && !fs::is_regular_file(listPath, ec)) {
        std::cerr << "kavro-cli: the name list " << listPath.string() << " is not a file.\n";
        return ExitFailed;
    }

    ChannelDatabase db;
    CliMessageSink messages;
    if (!openDatabase(db, in, messages)) return ExitFailed;

    // A list that is there but cannot be read (no permission, too large) is an error, not an
    // empty list: OUT would otherwise be written with nothing renamed.
    ArabicNameList list;
    if (loadArabicNameList(list, listPath, messages) < 0) {
        std::cerr << "kavro-cli: " << out << " was not written.\n";
        return ExitFailed;
    }
    if (list.empty())
        std::cerr << "kavro-cli: note: the name list "
                  << (listPath.empty() ? std::string("(no location)") : listPath.string())
                  << (listExists ? " holds no entry" : " does not exist")
                  << "; no channel renamed\n";
    const int renamed = autoArabisation(db, list);

    if (!saveDatabaseAs(db, out, messages)) {
        std::cerr << "kavro-cli: " << out << " was not saved.\n";
        return ExitFailed;
    }
    std::cout << "Renamed " << renamed << (renamed == 1 ? " channel" : " channels") << " by "
              << list.size() << (list.size() == 1 ? " name pair" : " name pairs") << "\n"
              << "Saved " << out << " (" << databaseSummary(db) << ")\n";
    return ExitOk;
}

}  // namespace

Command arabizeCommand() {
    return {kName, "arabize IN OUT [--list FILE]",
            "Rename channels to their Arabic names from the name list (Auto Arabisation)",
            "Opens IN with the editor's checks, gives every channel whose name holds the Latin\n"
            "name of a list entry that entry's Arabic name, as Tools > Auto Arabisation does,\n"
            "and saves the result to OUT as File > Save As does. Prints how many channels were\n"
            "renamed.\n"
            "\n"
            "Rules: the channel name is compared in capitals, the Latin name as stored (so only\n"
            "entries written in capitals match); the first matching entry wins; crypted\n"
            "channels keep their names; ESC, EMI, EIN, NTV, ZEN, CHAM, OMAN and ARABIYA must be\n"
            "the whole name; PTV counts only on a satellite whose name holds \"Hotbird\". A\n"
            "renamed channel gets service id 65535.\n"
            "\n"
            "  --list FILE   the name list to use (a Channel.Ini file); it must exist.\n"
            "                Without it, the list that 'kavro-cli names' edits is used, and a\n"
            "                missing list renames nothing.\n"
            "\n"
            "Exit status 1 when IN cannot be opened, the list given is missing, a list is\n"
            "there but cannot be read, or OUT cannot be saved (any file at OUT is then left\n"
            "as it was).\n",
            run};
}

}  // namespace kavro::cli
