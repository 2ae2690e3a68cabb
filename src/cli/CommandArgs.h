#pragma once

#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cli/ArgParser.h"

namespace kavro::cli {

// Parses the arguments of `command` and checks that exactly the positional arguments named
// in `positionals` (e.g. {"IN", "OUT"}) were given, none of them empty. On a problem prints the
// usage error and returns the exit status to end with; nothing when all is well:
//
//     ArgParser p({}, {"json"});
//     if (auto failed = parseCommandArgs("dump", p, args, {"FILE"})) return *failed;
std::optional<int> parseCommandArgs(std::string_view command, ArgParser& parser,
                                    const std::vector<std::string>& args,
                                    std::initializer_list<std::string_view> positionals);

}  // namespace kavro::cli
