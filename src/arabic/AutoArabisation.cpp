#include "arabic/AutoArabisation.h"

#include <string>
#include <string_view>
#include <vector>

#include "arabic/ExtractField.h"
#include "arabic/ReceiverName.h"
#include "database/AsciiCase.h"

namespace kavro {
namespace {

// Names so short that they would be found inside many unrelated names.
constexpr std::string_view kShortNameList = "ESC\nEMI\nEIN\nNTV\nZEN\nCHAM\nOMAN\nARABIYA";
constexpr std::string_view kPtv = "PTV";
constexpr std::string_view kHotbird = "Hotbird";

bool isShortName(std::string_view latin) {
    for (int i = 0;; ++i) {
        std::string_view name = extractField(kShortNameList, i, "\n");
        if (name.empty()) return false;
        if (name == latin) return true;
    }
}

struct Entry {
    std::string_view latinName;
    std::string_view arabicName;
};

}  // namespace

int autoArabisation(ChannelDatabase& db, const ArabicNameList& list) {
    std::vector<Entry> entries;
    entries.reserve(list.size());
    for (const std::string& stored : list) {
        Entry e{extractField(stored, 0, "|"), extractField(stored, 1, "|")};
        if (!e.latinName.empty()) entries.push_back(e);
    }
    if (entries.empty()) return 0;

    int renamed = 0;
    for (SatelliteRecord& sat : db.satellites) {
        bool hotbird = false;
        bool hotbirdKnown = false;
        for (TransponderRecord& tp : sat.transponders) {
            for (ChannelRecord& ch : tp.channels) {
                if (ch.crypted()) continue;
                const std::string name = upperAscii(decodeReceiverName(ch.name()));
                for (const Entry& e : entries) {
                    if (name.find(e.latinName) == std::string::npos) continue;
                    if (e.latinName == kPtv) {
                        if (!hotbirdKnown) {
                            hotbird =
                                decodeReceiverName(sat.name()).find(kHotbird) != std::string::npos;
                            hotbirdKnown = true;
                        }
                        if (!hotbird) continue;
                    }
                    if (isShortName(e.latinName) && name.size() > e.latinName.size()) continue;
                    ch.setServiceId(0xFFFF);
                    encodeReceiverName(e.arabicName, ch.name());
                    ++renamed;
                    break;
                }
            }
        }
    }
    return renamed;
}

}  // namespace kavro
