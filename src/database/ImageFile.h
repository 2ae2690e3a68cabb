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

// Stamps `dateText` (12 bytes, byte 23 zero) of the settings block.
void stampSaveDate(ChannelDatabase& db, const CalendarDate& date);

// Opens a .ird file: length, data version and magic checks with their messages, then the
// reader. Every check comes before the reader, so a failed open leaves `db` untouched.
bool readFile(ChannelDatabase& db, const std::string& path, MessageSink& messages,
              ImageReadReport* report = nullptr);

// Stamps the save date, builds the image and writes exactly one image to `path`, through a
// temporary file that replaces the old one only once it is complete.
bool writeFile(ChannelDatabase& db, const std::string& path, MessageSink& messages,
               const std::optional<CalendarDate>& date = std::nullopt);

// Writes bytes to `path` safely (temporary file, then rename). On failure returns false and
// a plain reason, leaving any file already at `path` as it was.
bool writeFileAtomically(const std::string& path, const std::uint8_t* data, std::size_t size,
                         std::string* reason = nullptr);

}  // namespace kavro
