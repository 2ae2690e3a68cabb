#pragma once

#include "database/ChannelPlace.h"

namespace kavro::gui {

class ChannelList;
class DatabaseTree;

// Shows a found channel: its transponder selected in the tree (expanded and scrolled to), that
// transponder's channels in the list, and the channel's row selected and scrolled into view.
// False, with nothing changed, when the tree shows no such transponder.
bool showFoundChannel(DatabaseTree& tree, ChannelList& list, const ChannelPlace& place);

}  // namespace kavro::gui
