#include "cli/Command.h"

namespace kavro::cli {

// Each command lives in its own file (src/cli/commands/) and exposes one function.
// Add new commands here, in the order the overview should list them.
Command infoCommand();
Command dumpCommand();
Command checkCommand();
Command resaveCommand();
Command demoCommand();
Command nameCommand();
Command settingsCommand();
Command arabizeCommand();
Command namesCommand();
Command toolCommand();
Command findCommand();
Command portsCommand();
Command uploadCommand();
Command downloadCommand();

const std::vector<Command>& allCommands() {
    static const std::vector<Command> commands = {
        infoCommand(),
        dumpCommand(),
        checkCommand(),
        resaveCommand(),
        demoCommand(),
        nameCommand(),
        settingsCommand(),
        arabizeCommand(),
        namesCommand(),
        toolCommand(),
        findCommand(),
        portsCommand(),
        uploadCommand(),
        downloadCommand(),
    };
    return commands;
}

}  // namespace kavro::cli
