#pragma once

#include "database/ChannelDatabase.h"

namespace kavro {

// The whole-database tools of the Tools menu. None asks anything; the caller marks the
// document modified. The counts in the settings block are left alone (the writer recomputes
// them).

// Remove Data: deletes every DATA service, with every group reference naming it. The other
// channels keep their numbers; the group references are re-linked to the positions the
// channels moved to. Returns the number of channels removed.
int removeDataChannels(ChannelDatabase& db);

// Remove C Band: deletes every satellite whose LNB has neither oscillator at its Universal
// value (lnbLow not 9750 and lnbHigh not 10600), with its transponders and channels and every
// group reference naming one of those channels; a satellite with either value stays. The rest
// keep their order and the references are re-linked. Returns the number of satellites removed.
int removeCBand(ChannelDatabase& db);

// Sort: renumbers the channels 0, 1, 2 ... in satellite, transponder, channel order, and every
// group reference with them, judged by the number it held before (a group that lists a channel
// twice still lists it twice). A reference that named no channel is given a number no channel
// has, so it cannot come to name a renumbered one. Nothing moves and the cached positions stay.
void renumberChannels(ChannelDatabase& db);

}  // namespace kavro
