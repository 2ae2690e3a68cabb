#include "cli/CommandArgs.h"

namespace kavro::cli {

std::optional<int> parseCommandArgs(std::string_view command, ArgParser& parser,
                                    const std::vector<std::string>& args,
                                    std::initializer_list<std::string_view> positionals) {
    if (!parser.parse(args)) return usageError(command, parser.error());
    const auto& given = parser.positional();
    if (given.size() < positionals.size())
        return usageError(command, "missing " + std::string(positionals.begin()[given.size()]));
    if (given.size() > positionals.size())
        return usageError(command, "unexpected argument '" + given[positionals.size()] + "'");
    for (std::size_t i = 0; i < given.size(); ++i)
        if (given[i].empty())
            return usageError(command, std::string(positionals.begin()[i]) + " is empty");
    return std::nullopt;
}

}  // namespace kavro::cli
