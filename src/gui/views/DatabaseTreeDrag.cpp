#include "gui/views/DatabaseTreeDrag.h"

#include "document/ChannelDocument.h"
#include "document/commands/MoveGroup.h"
#include "document/commands/MoveSatellite.h"
#include "document/commands/MoveTransponder.h"
#include "gui/views/DatabaseTreeItem.h"

namespace kavro::gui {
namespace {

const QString& mimeType() {
    static const QString type = QStringLiteral("application/x-kavro-tree-item");
    return type;
}

bool exists(const ChannelDatabase& db, const TreeItemKey& key) {
    if (isSatelliteKey(key)) return key.satIndex < db.satellites.size();
    if (isTransponderKey(key))
        return key.satIndex < db.satellites.size() &&
               key.subIndex < db.satellites[key.satIndex].transponders.size();
    if (isGroupKey(key)) return key.subIndex < db.groups.size();
    return false;
}

}  // namespace

std::unique_ptr<QMimeData> makeTreeDragData(const TreeItemKey& dragged) {
    auto data = std::make_unique<QMimeData>();
    data->setData(mimeType(), QByteArray::number(dragged.pack()));
    return data;
}

std::optional<TreeItemKey> treeDragKey(const QMimeData* data) {
    if (!data || !data->hasFormat(mimeType())) return std::nullopt;
    bool ok = false;
    const std::uint32_t packed = data->data(mimeType()).toUInt(&ok);
    if (!ok) return std::nullopt;
    return TreeItemKey::unpack(packed);
}

bool isDraggable(const ChannelDatabase& db, const TreeItemKey& key) {
    if (!exists(db, key)) return false;
    return !isGroupKey(key) ||
           !ChannelDatabase::isPredefined(ChannelDatabase::groupKind(db.groups[key.subIndex]));
}

bool isDropTarget(const ChannelDatabase& db, const TreeItemKey& dragged,
                  const TreeItemKey& target) {
    if (!isDraggable(db, dragged) || !exists(db, target)) return false;
    if (isSatelliteKey(dragged))
        return isSatelliteKey(target) && target.satIndex != dragged.satIndex;
    if (isTransponderKey(dragged))
        return isTransponderKey(target) && target.satIndex == dragged.satIndex &&
               target.subIndex != dragged.subIndex;
    return isGroupKey(target) && target.subIndex != dragged.subIndex;
}

std::unique_ptr<DocumentCommand> makeDropCommand(ChannelDocument& document,
                                                 const TreeItemKey& dragged,
                                                 const TreeItemKey& target) {
    if (!isDropTarget(document.database(), dragged, target)) return nullptr;
    if (isSatelliteKey(dragged))
        return std::make_unique<MoveSatellite>(document, dragged.satIndex, target.satIndex);
    if (isTransponderKey(dragged))
        return std::make_unique<MoveTransponder>(document, dragged.satIndex, dragged.subIndex,
                                                 target.subIndex);
    return std::make_unique<MoveGroup>(document, dragged.subIndex, target.subIndex);
}

}  // namespace kavro::gui
