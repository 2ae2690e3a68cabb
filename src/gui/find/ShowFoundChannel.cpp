#include "gui/find/ShowFoundChannel.h"

#include "gui/views/ChannelList.h"
#include "gui/views/DatabaseTree.h"

namespace kavro::gui {

bool showFoundChannel(DatabaseTree& tree, ChannelList& list, const ChannelPlace& place) {
    if (!tree.selectTransponderItem(place.satIndex, place.tpIndex)) return false;
    // The window refills the list when the tree's item changes; a list not tied to the tree
    // this way is brought to the transponder here.
    const TreeItemKey key = TreeItemKey::transponder(place.satIndex, place.tpIndex);
    if (!(list.shownKey() == key)) list.showKey(key);
    return list.selectChannel(place);
}

}  // namespace kavro::gui
