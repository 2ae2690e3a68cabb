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
// reader. Every check comes before the reader, so a failed open leaves `db` untouched. A file
// that cannot be opened is reported with the system's reason after the message.
bool readFile(ChannelDatabase& db, const std::string& path, MessageSink& messages,
              ImageReadReport* report = nullptr);

// Builds the image with the save date stamped into it and writes exactly one image to `path`
// as writeFileAtomically does. The database is not changed, whether the save succeeds, is
// refused or fails; re-read `path` to see it as saved.
bool writeFile(const ChannelDatabase& db, const std::string& path, MessageSink& messages,
               const std::optional<CalendarDate>& date = std::nullopt);

// The file a save to `path` replaces: symbolic links are followed (the links stay, their
// target gets the new data; it need not exist yet). Nothing, with the reason, when the path
// names something other than a regular file or nothing: a folder, a device, a fifo, a socket
// or a loop of links.
std::optional<std::string> saveTarget(const std::string& path, std::string* reason = nullptr);

// Writes bytes to the save target of `path` safely: a temporary file beside it, flushed to the
// disk, renamed over the target, and the folder synced, so a crash or a power cut leaves the
// old file or the new one, never a mix. The new file keeps the old one's permissions. A file
// with several hard links is replaced by a new file under this name alone; its other names
// keep the old data. An existing target the user may not write is refused. On failure returns
// false and the system's reason, leaving any file already at `path` as it was.
bool writeFileAtomically(const std::string& path, const std::uint8_t* data, std::size_t size,
                         std::string* reason = nullptr);

}  // namespace kavro
