#pragma once

#include "arabic/ArabicNameList.h"
#include "database/ChannelDatabase.h"

namespace kavro {

// Gives every uncrypted channel whose name holds the Latin name of a list entry that entry's
// Arabic name (receiver-coded) and service id 0xFFFF. Entries are tried in list order and the
// first match wins; the channel name is upper-cased for the comparison, the entry is not.
// Eight short names ("ESC", "NTV" ...) match only a whole name, and "PTV" only on a satellite
// whose name holds "Hotbird". Entries without a Latin name are skipped, since they would match
// every channel. Returns the number of channels renamed; an empty list changes nothing.
int autoArabisation(ChannelDatabase& db, const ArabicNameList& list);

}  // namespace kavro
