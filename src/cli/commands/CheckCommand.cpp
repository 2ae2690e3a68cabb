#include <iostream>

#include "cli/Command.h"
#include "cli/CommandArgs.h"
#include "database/ImageCheck.h"

namespace kavro::cli {
namespace {

constexpr std::string_view kName = "check";

int run(const std::vector<std::string>& args) {
    ArgParser parser({}, {});
    if (auto failed = parseCommandArgs(kName, parser, args, {"FILE"})) return *failed;
    const std::string& path = parser.positional()[0];

    const ImageCheckResult result = checkImageFile(path);
    for (const std::string& problem : result.problems) std::cout << "problem: " << problem << "\n";
    for (const std::string& note : result.notes) std::cout << "note: " << note << "\n";
    const std::size_t n = result.problems.size();
    if (n == 0)
        std::cout << path << ": no problems found\n";
    else
        std::cout << path << ": " << n << (n == 1 ? " problem" : " problems") << "\n";
    return n == 0 ? ExitOk : ExitFailed;
}

}  // namespace

Command checkCommand() {
    return {kName, "check FILE", "Check a file and list every problem found",
            "Checks FILE without changing it: the editor's file checks (length, data version,\n"
            "magic), the four counts against the receiver's capacities and every group count\n"
            "against its slots (the editor cuts such counts to fit), the seven CRCs at their\n"
            "positions, and the cross-references (transponder to satellite, channel to\n"
            "transponder, group slot to channel). Each problem is printed on a line starting\n"
            "with 'problem:', things worth knowing with 'note:'.\n"
            "Exit status 1 when there is any problem.\n",
            run};
}

}  // namespace kavro::cli
