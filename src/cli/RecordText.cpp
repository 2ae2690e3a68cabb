#include "cli/RecordText.h"

#include <cstdio>

#include "arabic/ReceiverName.h"
#include "arabic/Windows1256.h"

namespace kavro::cli {

std::string nameText(ConstNameField field) {
    return windows1256ToUtf8(decodeReceiverName(field));
}

const char* nameCodingText(ConstNameField field) {
    if (field.empty()) return "plain";
    if (field[0] == kArabicNameMarker) return "arabic";
    if (field[0] == kLatinNameMarker) return "latin1";
    return "plain";
}

std::string positionText(const SatelliteRecord& sat) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f%c", sat.positionDegrees(), sat.west() ? 'W' : 'E');
    return text;
}

const char* lnbTypeText(const SatelliteRecord& sat) {
    return sat.universalLnb() ? "Universal" : "Standard";
}

const char* diseqcText(int port) {
    static const char* const kTexts[] = {"OFF",    "Mini A", "Mini B", "Port 1",
                                         "Port 2", "Port 3", "Port 4"};
    return port >= 0 && port < 7 ? kTexts[port] : "?";
}

const char* positionerText(int positioner) {
    static const char* const kTexts[] = {"OFF", "DiSEqC 1.2", "USALS"};
    return positioner >= 0 && positioner < 3 ? kTexts[positioner] : "?";
}

std::vector<int> ecmSlots(const ChannelRecord& ch) {
    std::vector<int> slots;
    for (int slot = 1; slot <= ChannelRecord::kEcmSlots; ++slot)
        if (ch.ecmSlotSelected(slot)) slots.push_back(slot);
    return slots;
}

std::string ecmSlotsText(const ChannelRecord& ch) {
    std::string text;
    for (int slot : ecmSlots(ch)) {
        if (!text.empty()) text += ',';
        text += std::to_string(slot);
    }
    return text.empty() ? "-" : text;
}

std::string dateText(const ChannelDatabase& db) { return windows1256ToUtf8(db.dateText()); }

std::string groupKindText(const GroupRecord& group) {
    const int kind = ChannelDatabase::groupKind(group);
    if (ChannelDatabase::isPredefined(kind)) return "predefined";
    if (kind == ChannelDatabase::kNoGroupKind && group.refs.empty()) return "empty";
    return "satellite " + std::to_string(kind + 1);
}

std::string padRight(std::string_view utf8, std::size_t columns) {
    std::size_t chars = 0;
    for (unsigned char c : utf8)
        if ((c & 0xC0) != 0x80) ++chars;
    std::string out(utf8);
    if (chars < columns) out.append(columns - chars, ' ');
    return out;
}

}  // namespace kavro::cli
