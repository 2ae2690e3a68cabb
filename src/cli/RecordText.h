#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "database/ChannelDatabase.h"

namespace kavro::cli {

// Display texts of record fields for the command line, in UTF-8. Names go through the
// receiver's name decoding first, so every command shows a name the same way.

// The decoded name of a satellite, channel or group field.
std::string nameText(ConstNameField field);
// How the field is coded: "arabic" (0x02), "latin1" (0x05) or "plain".
const char* nameCodingText(ConstNameField field);

// "7.0W", "13.0E".
std::string positionText(const SatelliteRecord& sat);
// "Universal" or "Standard".
const char* lnbTypeText(const SatelliteRecord& sat);
// "OFF", "Mini A", "Mini B", "Port 1" ... "Port 4"; "?" for a value the receiver does not use.
const char* diseqcText(int port);
// "OFF", "DiSEqC 1.2", "USALS"; "?" otherwise.
const char* positionerText(int positioner);

// The selected ECM slots (1..16), in order.
std::vector<int> ecmSlots(const ChannelRecord& ch);
// "1,2" or "-" when none is selected.
std::string ecmSlotsText(const ChannelRecord& ch);

// The date text of the last save, in UTF-8 ("06 Déc 2026").
std::string dateText(const ChannelDatabase& db);

// "predefined" for ALL/TV/RADIO/DATA, "satellite N" (1-based) for a group tied to a
// satellite by its first member, "empty" for an ordinary group without members.
std::string groupKindText(const GroupRecord& group);

// Pads `utf8` with spaces to `columns` characters (counting characters, not bytes).
std::string padRight(std::string_view utf8, std::size_t columns);

}  // namespace kavro::cli
