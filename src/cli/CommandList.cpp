#include "cli/Command.h"

namespace kavro::cli {

// Each command lives in its own file (src/cli/commands/) and exposes one function.
// Add new commands here, in the order the overview should list them.

const std::vector<Command>& allCommands() {
    static const std::vector<Command> commands = {
    };
    return commands;
}

}  // namespace kavro::cli
