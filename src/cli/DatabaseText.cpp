#include "cli/DatabaseText.h"

#include <cstdio>

#include "cli/RecordText.h"
#include "database/ChannelNumberIndex.h"

namespace kavro::cli {
namespace {

constexpr std::size_t kNameColumns = 17;

const char* onOff(bool on) {
    return on ? "on" : "off";
}

}  // namespace

std::string channelHeader() {
    return "     No.  " + padRight("Name", kNameColumns) +
           "Type  CA  Lock Age   SID   PMT Video Audio   PCR TText   AC3 X-PID Lang ECM";
}

std::string channelLine(const ChannelRecord& ch) {
    char head[32];
    std::snprintf(head, sizeof head, "%8d. ", ch.number + 1);
    char tail[160];
    std::snprintf(tail, sizeof tail, "%-5s %-3s %-4s %3d %5u %5u %5u %5u %5u %5u %5u %5u %-4s %s",
                  serviceTypeText(ch.serviceType()), ch.crypted() ? "yes" : "-",
                  ch.locked() ? "yes" : "-", ch.ageLimit(), ch.serviceId(), ch.pmtPid(),
                  ch.videoPid(), ch.audioPid(), ch.pcrPid(), ch.teletextPid(), ch.ac3Pid(),
                  ch.xPid(), ch.audioLanguage().empty() ? "-" : ch.audioLanguage().c_str(),
                  ecmSlotsText(ch).c_str());
    return head + padRight(nameText(ch.name()), kNameColumns) + tail;
}

std::string satelliteLnbText(const SatelliteRecord& sat) {
    char text[160];
    std::snprintf(text, sizeof text, "position %s, LNB %s %u/%u MHz, power %s, 22 kHz %s, 12 V %s",
                  positionText(sat).c_str(), lnbTypeText(sat), sat.lnbLow(), sat.lnbHigh(),
                  onOff(sat.lnbPower()), onOff(sat.tone22k()), onOff(sat.output12V()));
    return text;
}

std::string satelliteSwitchText(const SatelliteRecord& sat) {
    char text[160];
    std::snprintf(text, sizeof text, "DiSEqC %s, positioner %s, chosen %s, grouped %s",
                  diseqcText(sat.diseqcPort()), positionerText(sat.positioner()),
                  sat.chosen() ? "yes" : "no", sat.grouped() ? "yes" : "no");
    return text;
}

std::string satelliteLine(const SatelliteRecord& sat) {
    return satelliteLnbText(sat) + ", " + satelliteSwitchText(sat);
}

std::string transponderLine(const TransponderRecord& tp) {
    char text[128];
    std::snprintf(text, sizeof text, "%s, FEC %s, TID %u", tp.label().c_str(), fecText(tp.fec()),
                  tp.tid());
    return text;
}

void printDatabaseText(std::ostream& out, const ChannelDatabase& db) {
    char version[16];
    std::snprintf(version, sizeof version, "0x%04X", db.dataVersion());
    const std::string date = dateText(db);
    out << "Data version " << version << ", saved " << (date.empty() ? "(never)" : date) << "\n"
        << "Settings counts: " << unsigned(db.groupCount()) << " groups, " << db.satCount()
        << " satellites, " << db.tpCount() << " transponders, " << db.channelCount()
        << " channels\n";

    for (std::size_t s = 0; s < db.satellites.size(); ++s) {
        const SatelliteRecord& sat = db.satellites[s];
        out << "\nSatellite " << s + 1 << ": " << nameText(sat.name()) << "\n  "
            << satelliteLnbText(sat) << "\n  " << satelliteSwitchText(sat) << "\n";
        for (std::size_t t = 0; t < sat.transponders.size(); ++t) {
            const TransponderRecord& tp = sat.transponders[t];
            out << "\n  Transponder " << s + 1 << "." << t + 1 << ": " << transponderLine(tp)
                << " (" << tp.channels.size()
                << (tp.channels.size() == 1 ? " channel" : " channels") << ")\n";
            if (tp.channels.empty()) continue;
            out << channelHeader() << "\n";
            for (const ChannelRecord& ch : tp.channels) out << channelLine(ch) << "\n";
        }
    }

    // Members are resolved by their number, as the writer does, so a reference that names no
    // channel shows as such instead of borrowing whatever stands at its cached position.
    const ChannelNumberIndex index(db);
    for (std::size_t g = 0; g < db.groups.size(); ++g) {
        const GroupRecord& group = db.groups[g];
        out << "\nGroup " << g + 1 << ": " << nameText(group.name()) << " (" << groupKindText(group)
            << ", " << group.refs.size() << (group.refs.size() == 1 ? " member" : " members")
            << ")\n";
        for (std::size_t j = 0; j < group.refs.size(); ++j) {
            char pos[32];
            std::snprintf(pos, sizeof pos, "%6zu. ", j + 1);
            out << pos;
            const auto* at = index.find(group.refs[j].number);
            if (!at) {
                out << "channel number " << group.refs[j].number << ": no such channel\n";
                continue;
            }
            const SatelliteRecord& sat = db.satellites[at->place.satIndex];
            const TransponderRecord& tp = sat.transponders[at->place.tpIndex];
            const ChannelRecord& ch = tp.channels[at->place.chIndex];
            char number[32];
            std::snprintf(number, sizeof number, "%4d. ", ch.number + 1);
            out << number << padRight(nameText(ch.name()), kNameColumns) << " "
                << nameText(sat.name()) << ", " << tp.label() << "\n";
        }
    }
}

}  // namespace kavro::cli
