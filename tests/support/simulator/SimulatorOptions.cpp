#include "SimulatorOptions.h"

#include <charconv>
#include <cstdint>
#include <limits>

#include "link/LinkFormat.h"

namespace kavro::test {

const char* const kSimulatorUsage =
    "Usage: kavro-receiver-sim send [IMAGE.ird] [SWITCHES]\n"
    "       kavro-receiver-sim receive [--save FILE] [SWITCHES]\n"
    "\n"
    "Plays a receiver on a pseudo-terminal and prints the device to give kavro-cli as --port.\n"
    "  send      the receiver sends its database: try 'kavro-cli upload --port DEVICE OUT.ird'.\n"
    "            Without IMAGE.ird it sends the bundled demo database.\n"
    "  receive   the receiver takes a database: try 'kavro-cli download --port DEVICE IN.ird'.\n"
    "            --save FILE writes the image that arrived.\n"
    "\n"
    "Switches (K counts packets from 1):\n"
    "  --silent              never call and never answer\n"
    "  --delay MS            wait MS milliseconds before calling (send) or answering (receive)\n"
    "  --call-twice          send: a second 0xE1 right behind the first\n"
    "  --noise               send: noise before the call (ignored by the PC);\n"
    "                        receive: noise before every answer (ignored by the PC)\n"
    "  --noise-everywhere    send: noise before every code (the upload fails)\n"
    "  --bad-checksum K      send: packet K carries a wrong checksum\n"
    "  --swapped-checksum K  send: packet K carries its checksum bytes swapped\n"
    "  --short-packet K      send: packet K is cut short\n"
    "  --wrong-version       send: the header carries data version 0x8208\n"
    "  --wrong-magic         send: the header carries a wrong image magic\n"
    "  --short-header N      send: only N header bytes\n"
    "  --data-length N       send: the header announces N data bytes\n"
    "  --unexpected-code     send: 0xE9 where 0xE6 is due\n"
    "  --end-after K         receive: end with 0xEB after packet K\n"
    "  --extra-packets N     receive: ask for N packets past the image\n"
    "  --hang-after K        fall silent after packet K\n"
    "  --baud N              let bytes cross as over a serial line of N baud (one at a time,\n"
    "                        ten bits each); by default as fast as the pseudo-terminal goes\n";

namespace {

const std::vector<std::uint8_t> kNoise = {0x00, 0x55, 0xAA, 0xFF, 0x47, 0x13};

bool number(const std::string& text, std::uint64_t max, std::uint64_t& out) {
    const char* end = text.data() + text.size();
    auto [p, ec] = std::from_chars(text.data(), end, out);
    return ec == std::errc() && p == end && out <= max;
}

}  // namespace

bool parseSimulatorOptions(const std::vector<std::string>& args, SimulatorOptions& options,
                           std::string& error) {
    ReceiverScript& s = options.script;
    if (args.empty()) {
        error = "say 'send' or 'receive'";
        return false;
    }
    std::size_t i = 0;
    if (args[0] == "--help" || args[0] == "-h") {
        options.help = true;
        return true;
    }
    if (args[0] == "send") {
        s.role = ReceiverScript::Role::Sender;
    } else if (args[0] == "receive") {
        s.role = ReceiverScript::Role::Receiver;
    } else {
        error = "say 'send' or 'receive', not '" + args[0] + "'";
        return false;
    }
    const bool sender = s.role == ReceiverScript::Role::Sender;

    for (i = 1; i < args.size(); ++i) {
        const std::string& a = args[i];
        auto value = [&](std::uint64_t max, std::uint64_t& out) {
            if (i + 1 >= args.size() || !number(args[i + 1], max, out)) {
                error = a + " needs a number up to " + std::to_string(max);
                return false;
            }
            ++i;
            return true;
        };
        auto only = [&](bool allowed) {
            if (!allowed) error = a + " does not apply to '" + args[0] + "'";
            return allowed;
        };
        std::uint64_t n = 0;
        constexpr std::uint64_t kMaxPacket = 100000;
        if (a == "--help" || a == "-h") {
            options.help = true;
        } else if (a == "--silent") {
            s.silent = true;
        } else if (a == "--delay") {
            if (!value(600000, n)) return false;
            s.startDelayMs = n;
        } else if (a == "--call-twice") {
            if (!only(sender)) return false;
            s.callTwice = true;
        } else if (a == "--noise") {
            (sender ? s.noiseBeforeCall : s.noiseBeforeCodes) = kNoise;
        } else if (a == "--noise-everywhere") {
            if (!only(sender)) return false;
            s.noiseBeforeCall = s.noiseBeforeCodes = kNoise;
        } else if (a == "--bad-checksum" || a == "--swapped-checksum" || a == "--short-packet") {
            if (!only(sender) || !value(kMaxPacket, n)) return false;
            int& k = a == "--bad-checksum"       ? s.badChecksumPacket
                     : a == "--swapped-checksum" ? s.swappedChecksumPacket
                                                 : s.shortPacket;
            k = static_cast<int>(n);
        } else if (a == "--wrong-version") {
            if (!only(sender)) return false;
            s.headerVersion = 0x8208;
        } else if (a == "--wrong-magic") {
            if (!only(sender)) return false;
            s.headerMagic = 0x04212501;
        } else if (a == "--short-header") {
            if (!only(sender) || !value(link::kHeaderSize, n)) return false;
            s.headerBytes = static_cast<std::size_t>(n);
        } else if (a == "--data-length") {
            if (!only(sender) || !value(std::numeric_limits<std::uint32_t>::max(), n)) return false;
            s.headerDataLength = static_cast<std::uint32_t>(n);
        } else if (a == "--unexpected-code") {
            if (!only(sender)) return false;
            s.replaceCode = std::pair<std::uint8_t, std::uint8_t>{link::kDataReady, 0xE9};
        } else if (a == "--end-after" || a == "--extra-packets") {
            if (!only(!sender) || !value(kMaxPacket, n)) return false;
            (a == "--end-after" ? s.endAfterPacket : s.extraPackets) = static_cast<int>(n);
        } else if (a == "--hang-after") {
            if (!value(kMaxPacket, n)) return false;
            s.hangAfterPacket = static_cast<int>(n);
        } else if (a == "--baud") {
            if (!value(4'000'000, n) || n == 0) {
                if (error.empty()) error = "--baud needs a number from 1 to 4000000";
                return false;
            }
            options.lineBaud = static_cast<std::uint32_t>(n);
        } else if (a == "--save") {
            if (!only(!sender)) return false;
            if (i + 1 >= args.size()) {
                error = "--save needs a file name";
                return false;
            }
            options.savePath = args[++i];
        } else if (!a.empty() && a[0] == '-') {
            error = "unknown switch '" + a + "'";
            return false;
        } else if (sender && options.imagePath.empty()) {
            options.imagePath = a;
        } else {
            error = "unexpected argument '" + a + "'";
            return false;
        }
    }
    return true;
}

}  // namespace kavro::test
