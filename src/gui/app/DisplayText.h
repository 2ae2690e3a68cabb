#pragma once

#include <QString>
#include <string>
#include <string_view>

#include "database/ChannelDatabase.h"

namespace kavro::gui {

// Text inside the core is Windows-1256; the window shows and takes Unicode.
QString fromWindows1256(std::string_view text);
std::string toWindows1256(const QString& text);

// A numbered string of the string table, as the user reads it.
QString stringText(int id);
// One "\n"-field of a numbered string (status prompt 0, tooltip 1, ...).
QString stringField(int id, int index);

// Names as the receiver's coding displays them (Arabic decoded into reading order).
QString displayName(const SatelliteRecord& satellite);
QString displayName(const ChannelRecord& channel);
QString displayName(const GroupRecord& group);

// "%*d. %s": a number padded to `width` and a name.
QString numberedLabel(int number, int width, const QString& name);

// "%3d. %s": position + 1 and the satellite's name (tree items, the list's Satellite column).
QString satelliteLabel(std::size_t s, const SatelliteRecord& satellite);
// "%3d. %s": position + 1 and "%5d %s %5d" (frequency, polarisation, symbol rate).
QString transponderLabel(std::size_t t, const TransponderRecord& transponder);
// "%2d. %s": position + 1 and the group's name.
QString groupLabel(std::size_t g, const GroupRecord& group);

// A numbered entry of the receiver's data ("  1. Nilesat 7.0W") as a list box shows it: in a
// right-to-left window it keeps its left-to-right reading, the number first.
QString ownDirection(const QString& entry);

// True when the stored name is in the receiver's Arabic coding (first byte 2).
bool hasArabicName(const ChannelRecord& channel);

}  // namespace kavro::gui
