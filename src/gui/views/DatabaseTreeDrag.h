#pragma once

#include <QMimeData>
#include <memory>
#include <optional>

#include "database/ChannelDatabase.h"
#include "editing/TreeItemKey.h"

namespace kavro {
class ChannelDocument;
class DocumentCommand;
}  // namespace kavro

namespace kavro::gui {

// Drag and drop in the database tree reorders siblings only: satellites among satellites, the
// transponders of one satellite among themselves, groups among groups. The rules work on keys
// and the database, so a drop is judged by what the database holds now, not by stale items.

// The drag data: the dragged item's key under the tree's own format.
std::unique_ptr<QMimeData> makeTreeDragData(const TreeItemKey& dragged);
std::optional<TreeItemKey> treeDragKey(const QMimeData* data);

// A satellite, a transponder or a group that is not predefined, within the database's lists.
bool isDraggable(const ChannelDatabase& db, const TreeItemKey& key);
// `target` is another sibling of the draggable `dragged` (predefined groups may be targets).
bool isDropTarget(const ChannelDatabase& db, const TreeItemKey& dragged, const TreeItemKey& target);

// The move that carries out a valid drop; null for an invalid one. The dragged item ends at the
// target's position.
std::unique_ptr<DocumentCommand> makeDropCommand(ChannelDocument& document,
                                                 const TreeItemKey& dragged,
                                                 const TreeItemKey& target);

}  // namespace kavro::gui
