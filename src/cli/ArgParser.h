#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace kavro::cli {

// A small parser for "positional... --flag --option VALUE". Options may also be written
// --option=VALUE. "--" ends option parsing.
class ArgParser {
public:
    // `valueOptions` take a value; `flags` do not. Names without the leading dashes.
    ArgParser(std::set<std::string> valueOptions, std::set<std::string> flags);

    // False with `error()` set on an unknown option or a missing value.
    bool parse(const std::vector<std::string>& args);

    const std::vector<std::string>& positional() const { return positional_; }
    bool flag(const std::string& name) const { return flagsSeen_.count(name) != 0; }
    std::optional<std::string> value(const std::string& name) const;
    // All values of an option given more than once, in order.
    std::vector<std::string> values(const std::string& name) const;
    const std::string& error() const { return error_; }

private:
    std::set<std::string> valueOptions_;
    std::set<std::string> flags_;
    std::vector<std::string> positional_;
    std::set<std::string> flagsSeen_;
    std::multimap<std::string, std::string> values_;
    std::string error_;
};

// Prints "kavro-cli: MESSAGE" and a hint to --help for `command` on stderr; returns ExitUsage.
int usageError(std::string_view command, const std::string& message);

// Parses a whole decimal number in [min, max]; nothing on garbage or out of range.
std::optional<long long> parseInteger(const std::string& text, long long min, long long max);

}  // namespace kavro::cli
