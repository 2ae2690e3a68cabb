#include "cli/ArgParser.h"

#include <charconv>
#include <iostream>

#include "cli/Command.h"

namespace kavro::cli {

ArgParser::ArgParser(std::set<std::string> valueOptions, std::set<std::string> flags)
    : valueOptions_(std::move(valueOptions)), flags_(std::move(flags)) {}

bool ArgParser::parse(const std::vector<std::string>& args) {
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (optionsEnded || a.size() < 2 || a[0] != '-' || a == "-") {
            positional_.push_back(a);
            continue;
        }
        if (a == "--") {
            optionsEnded = true;
            continue;
        }
        std::string name = a.substr(a[1] == '-' ? 2 : 1);
        std::optional<std::string> inlineValue;
        if (auto eq = name.find('='); eq != std::string::npos) {
            inlineValue = name.substr(eq + 1);
            name.resize(eq);
        }
        if (flags_.count(name) && !inlineValue) {
            flagsSeen_.insert(name);
        } else if (valueOptions_.count(name)) {
            if (inlineValue) {
                values_.emplace(name, *inlineValue);
            } else if (i + 1 < args.size()) {
                values_.emplace(name, args[++i]);
            } else {
                error_ = "option --" + name + " needs a value";
                return false;
            }
        } else {
            error_ = "unknown option " + a;
            return false;
        }
    }
    return true;
}

std::optional<std::string> ArgParser::value(const std::string& name) const {
    auto range = values_.equal_range(name);
    if (range.first == range.second) return std::nullopt;
    return std::prev(range.second)->second;
}

std::vector<std::string> ArgParser::values(const std::string& name) const {
    std::vector<std::string> out;
    auto range = values_.equal_range(name);
    for (auto it = range.first; it != range.second; ++it) out.push_back(it->second);
    return out;
}

int usageError(std::string_view command, const std::string& message) {
    std::cerr << "kavro-cli: " << message << "\n"
              << "Try 'kavro-cli " << command << " --help'.\n";
    return ExitUsage;
}

std::optional<long long> parseInteger(const std::string& text, long long min, long long max) {
    long long v = 0;
    const char* end = text.data() + text.size();
    auto [p, ec] = std::from_chars(text.data(), end, v);
    if (text.empty() || ec != std::errc() || p != end || v < min || v > max) return std::nullopt;
    return v;
}

}  // namespace kavro::cli
