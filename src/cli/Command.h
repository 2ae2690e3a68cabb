#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace kavro::cli {

// Exit status of every command.
enum ExitStatus : int { ExitOk = 0, ExitFailed = 1, ExitUsage = 2 };

// One kavro-cli command. `run` gets the arguments after the command name; "--help" is handled
// before it is called.
struct Command {
    std::string_view name;      // "info"
    std::string_view synopsis;  // "info FILE"
    std::string_view summary;   // one line for the command list
    std::string_view help;      // the rest of "kavro-cli info --help"
    int (*run)(const std::vector<std::string>& args);
};

// Every command, in the order "kavro-cli --help" lists them (CommandList.cpp).
const std::vector<Command>& allCommands();

}  // namespace kavro::cli
