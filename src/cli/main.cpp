#include <iostream>
#include <string>
#include <vector>

#include "cli/ArgParser.h"
#include "cli/Command.h"

namespace {

using kavro::cli::Command;

void printOverview() {
    std::cout << "Usage: kavro-cli COMMAND [ARGS...]\n"
                 "Inspect, check, convert and transfer Kavro receiver databases (.ird).\n\n"
                 "Commands:\n";
    for (const Command& c : kavro::cli::allCommands()) {
        std::string synopsis(c.synopsis);
        synopsis.resize(std::max<std::size_t>(synopsis.size() + 2, 40), ' ');
        std::cout << "  " << synopsis << c.summary << "\n";
    }
    std::cout << "\nRun 'kavro-cli COMMAND --help' for the details of one command.\n"
                 "Exit status: 0 success, 1 a failed check or operation, 2 a usage error.\n";
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty()) {
        printOverview();
        return kavro::cli::ExitUsage;
    }
    if (args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
        printOverview();
        return kavro::cli::ExitOk;
    }
    for (const Command& c : kavro::cli::allCommands()) {
        if (args[0] != c.name) continue;
        std::vector<std::string> rest(args.begin() + 1, args.end());
        for (const std::string& a : rest) {
            if (a == "--") break;
            if (a == "--help" || a == "-h") {
                std::cout << "Usage: kavro-cli " << c.synopsis << "\n" << c.summary << "\n";
                if (!c.help.empty()) std::cout << "\n" << c.help;
                return kavro::cli::ExitOk;
            }
        }
        return c.run(rest);
    }
    std::cerr << "kavro-cli: unknown command '" << args[0] << "'\n"
              << "Run 'kavro-cli --help' for the list of commands.\n";
    return kavro::cli::ExitUsage;
}
