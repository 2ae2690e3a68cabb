#pragma once

#include "database/ChannelDatabase.h"

namespace kavro {

// Clears `db` and fills it with the bundled demo database: a handful of real satellites at
// their real orbital positions (one of them a C-band satellite on a Standard LNB), their
// transponders, a few hundred TV, radio and data services with Latin, Latin-1 and
// Arabic-coded names, and the groups "ALL", "TV", "RADIO", "DATA" plus two favourites.
//
// The result looks exactly like a database just read from an image: every channel's `number`
// is its position in tree order, transponders carry their image positions, the records' index
// fields agree with the tree, group references are linked and the four counts match. It is
// the same on every run.
void buildDemoDatabase(ChannelDatabase& db);

}  // namespace kavro
