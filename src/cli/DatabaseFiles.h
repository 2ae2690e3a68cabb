#pragma once

#include <string>

#include "database/ChannelDatabase.h"
#include "database/ImageReader.h"
#include "messages/MessageSink.h"

namespace kavro::cli {

// Opens `path` as File > Open does: the opener's checks (length, data version, magic) with
// their messages, then the reader. On failure `db` is left as it was.
bool openDatabase(ChannelDatabase& db, const std::string& path, MessageSink& messages,
                  ImageReadReport* report = nullptr);

// Saves as File > Save As does: stamps today's date, renumbers into tree order, writes the
// image through a temporary file, then reads the written file back so that channel numbers
// and group references match the file. A database beyond the receiver's capacities, or a
// failed write, is reported through `messages` and leaves `db` and any file at `path`
// untouched.
bool saveDatabaseAs(ChannelDatabase& db, const std::string& path, MessageSink& messages);

// "6 satellites, 36 transponders, 279 channels, 6 groups" from the list sizes.
std::string databaseSummary(const ChannelDatabase& db);

}  // namespace kavro::cli
