#include <cctype>
#include <cstdio>
#include <iostream>
#include <vector>

#include "arabic/ReceiverName.h"
#include "arabic/Windows1256.h"
#include "cli/Command.h"
#include "cli/CommandArgs.h"

namespace kavro::cli {
namespace {

constexpr std::string_view kName = "name";
// Real fields are 10, 16 and 20 bytes; the coding needs a marker and one glyph at least.
constexpr long long kMinWidth = 2;
constexpr long long kMaxWidth = 64;

std::optional<std::size_t> parseWidth(const ArgParser& parser, int& status) {
    const auto text = parser.value("width");
    if (!text) {
        status = usageError(kName, "--width W is required (10 group, 16 channel, 20 satellite)");
        return std::nullopt;
    }
    const auto width = parseInteger(*text, kMinWidth, kMaxWidth);
    if (!width) {
        status = usageError(kName, "--width must be a whole number from " +
                                       std::to_string(kMinWidth) + " to " +
                                       std::to_string(kMaxWidth) + ", not '" + *text + "'");
        return std::nullopt;
    }
    return static_cast<std::size_t>(*width);
}

std::string hexBytes(const std::vector<std::uint8_t>& bytes) {
    std::string out;
    char byte[4];
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        std::snprintf(byte, sizeof byte, i == 0 ? "%02X" : " %02X", bytes[i]);
        out += byte;
    }
    return out;
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Hex digits in pairs; spaces, colons and commas between bytes are allowed.
std::optional<std::vector<std::uint8_t>> parseHex(const std::string& text, std::string& error) {
    std::vector<std::uint8_t> bytes;
    int high = -1;
    for (char c : text) {
        if (std::isspace(static_cast<unsigned char>(c)) || c == ':' || c == ',') {
            if (high >= 0) {
                error = "a byte needs two hex digits";
                return std::nullopt;
            }
            continue;
        }
        const int d = hexDigit(c);
        if (d < 0) {
            error = std::string("'") + c + "' is not a hex digit";
            return std::nullopt;
        }
        if (high < 0) {
            high = d;
        } else {
            bytes.push_back(static_cast<std::uint8_t>(high * 16 + d));
            high = -1;
        }
    }
    if (high >= 0) {
        error = "a byte needs two hex digits";
        return std::nullopt;
    }
    if (bytes.empty()) {
        error = "no bytes given";
        return std::nullopt;
    }
    return bytes;
}

int encode(const ArgParser& parser) {
    int status = ExitOk;
    const auto width = parseWidth(parser, status);
    if (!width) return status;
    const auto& pos = parser.positional();
    if (pos.size() < 2) return usageError(kName, "missing TEXT");
    if (pos.size() > 2) return usageError(kName, "unexpected argument '" + pos[2] + "'");
    const std::string& text = pos[1];

    const std::string ansi = utf8ToWindows1256(text);
    if (windows1256ToUtf8(ansi) != text)
        std::cerr << "kavro-cli: note: characters that a receiver name cannot hold were "
                     "replaced by '?'\n";
    std::vector<std::uint8_t> field(*width);
    encodeReceiverName(ansi, NameField(field));
    std::cout << hexBytes(field) << "\n";

    const std::string readBack = windows1256ToUtf8(decodeReceiverName(ConstNameField(field)));
    if (readBack != windows1256ToUtf8(ansi))
        std::cerr << "kavro-cli: note: the field reads back as '" << readBack << "'\n";
    return ExitOk;
}

int decode(const ArgParser& parser) {
    int status = ExitOk;
    const auto width = parseWidth(parser, status);
    if (!width) return status;
    const auto& pos = parser.positional();
    if (pos.size() < 2) return usageError(kName, "missing HEX");
    // The bytes may come as one argument or as several ("02 F5 44" unquoted).
    std::string hex;
    for (std::size_t i = 1; i < pos.size(); ++i) hex += pos[i] + " ";
    std::string error;
    auto bytes = parseHex(hex, error);
    if (!bytes) return usageError(kName, "bad HEX: " + error);
    if (bytes->size() > *width)
        return usageError(kName, "HEX holds " + std::to_string(bytes->size()) +
                                     " bytes, more than the width " + std::to_string(*width));
    bytes->resize(*width, 0);  // trailing zero bytes may be left out
    std::cout << windows1256ToUtf8(decodeReceiverName(ConstNameField(*bytes))) << "\n";
    return ExitOk;
}

int run(const std::vector<std::string>& args) {
    ArgParser parser({"width"}, {});
    if (!parser.parse(args)) return usageError(kName, parser.error());
    const auto& pos = parser.positional();
    if (pos.empty()) return usageError(kName, "missing 'encode' or 'decode'");
    if (pos[0] == "encode") return encode(parser);
    if (pos[0] == "decode") return decode(parser);
    return usageError(kName, "unknown action '" + pos[0] + "' (use 'encode' or 'decode')");
}

}  // namespace

Command nameCommand() {
    return {kName, "name encode|decode --width W ARG",
            "Encode or decode a receiver name field",
            "  kavro-cli name encode --width W TEXT\n"
            "      Codes TEXT (UTF-8) as the receiver stores names in a field of W bytes and\n"
            "      prints the field in hex. Arabic text is shaped and put in visual order\n"
            "      after the marker 02; other text is copied as it is.\n"
            "  kavro-cli name decode --width W HEX\n"
            "      Decodes a field given in hex (\"02 F5 44 DA BE\"; trailing zero bytes may be\n"
            "      left out) and prints the name in UTF-8.\n"
            "\n"
            "W is the field width: 20 for a satellite, 16 for a channel, 10 for a group\n"
            "(any width from 2 to 64 is accepted). TEXT starting with '-' goes after '--'.\n",
            run};
}

}  // namespace kavro::cli
