#pragma once

#include <optional>
#include <string>

#include "database/ChannelDatabase.h"
#include "database/ImageReader.h"
#include "messages/MessageSink.h"

namespace kavro {

// A local calendar date (month 1..12).
struct CalendarDate {
    int year;
    int month;
    int day;
};

CalendarDate today();

// "%02d %s %04d" with the receiver's month abbreviations ("Fev", "Avr", "Aut", "D\xE9c" ...),
// Windows-1256 bytes.
std::string saveDateText(const CalendarDate& date);

// Stamps the date text of a settings block (12 bytes, byte 23 zero).
void stampSaveDate(SettingsBlock& settings, const CalendarDate& date);

// Opens a .ird file: length, data version and magic checks with their messages, then the
// reader. Every check comes before the reader, so a failed open leaves `db` untouched.
bool readFile(ChannelDatabase& db, const std::string& path, MessageSink& messages,
              ImageReadReport* report = nullptr);

// Builds the image with the save date stamped into it and writes exactly one image to `path`,
// through a temporary file that replaces the old one only once it is complete. The database is
// not changed, whether the save succeeds, is refused or fails; re-read `path` to see it as saved.
bool writeFile(const ChannelDatabase& db, const std::string& path, MessageSink& messages,
               const std::optional<CalendarDate>& date = std::nullopt);

// Writes bytes to `path` safely (temporary file, then rename). On failure returns false and
// a plain reason, leaving any file already at `path` as it was.
bool writeFileAtomically(const std::string& path, const std::uint8_t* data, std::size_t size,
                         std::string* reason = nullptr);

}  // namespace kavro
