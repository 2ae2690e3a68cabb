#pragma once

#include <ostream>
#include <string>

#include "database/ChannelDatabase.h"

namespace kavro::cli {

// The column titles of channelLine, aligned with it.
std::string channelHeader();
// One channel as a table row: number + 1 and name (as the channel list shows them), type,
// crypted, locked, age limit, SID, every PID, audio language and ECM slots.
std::string channelLine(const ChannelRecord& ch);

// "position 7.0W, LNB Universal 9750/10600 MHz, power on, 22 kHz off, 12 V off".
std::string satelliteLnbText(const SatelliteRecord& sat);
// "DiSEqC Port 1, positioner OFF, chosen no, grouped no".
std::string satelliteSwitchText(const SatelliteRecord& sat);
// Both of the above on one line: every satellite field but the name.
std::string satelliteLine(const SatelliteRecord& sat);
// "10719 V 27500, FEC 3/4, TID 1100" — every transponder field.
std::string transponderLine(const TransponderRecord& tp);

// The whole database as readable text: counts of the settings block, then every satellite
// with its transponders and channels, then every group with its members.
void printDatabaseText(std::ostream& out, const ChannelDatabase& db);

}  // namespace kavro::cli
