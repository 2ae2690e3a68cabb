#pragma once

#include <QTreeWidgetItem>
#include <array>
#include <cstdint>

#include "database/ChannelDatabase.h"
#include "editing/TreeItemKey.h"

namespace kavro::gui {

// One item of the database tree: its label, its key and what it stands for in the database.
// The label and the icon are served from members instead of per-item role data, which keeps
// filling thousands of items cheap.
class DatabaseTreeItem final : public QTreeWidgetItem {
public:
    static constexpr int kType = QTreeWidgetItem::UserType + 1;
    enum class Image { File, Satellites, Satellite, Transponder, Groups, Group };

    // The record bytes that identify a satellite, transponder or group when its position
    // changes under it (undo of a move, a delete before it), so the view can follow it.
    using Identity = std::array<std::uint8_t, SatelliteRecord::kSize>;
    static Identity identityOf(const SatelliteRecord& satellite);
    static Identity identityOf(const TransponderRecord& transponder);
    static Identity identityOf(const GroupRecord& group);

    DatabaseTreeItem(QString label, TreeItemKey key, Image image, const Identity& identity = {});

    const TreeItemKey& key() const { return key_; }
    const Identity& identity() const { return identity_; }
    // Changes what the item shows and stands for, and repaints it.
    void reset(QString label, TreeItemKey key, const Identity& identity);
    void setLabel(QString label);

    QVariant data(int column, int role) const override;
    void setData(int column, int role, const QVariant& value) override;

private:
    QString label_;
    TreeItemKey key_;
    Image image_;
    Identity identity_;
};

// The key of a tree item; none() for null or foreign items.
TreeItemKey keyOf(const QTreeWidgetItem* item);

// Which of the items a key names (the headers and the root are none of these).
constexpr bool isSatelliteKey(const TreeItemKey& key) {
    return key.kind == TreeItemKey::SatelliteSide && key.satIndex != TreeItemKey::kHeader &&
           key.subIndex == TreeItemKey::kNone;
}
constexpr bool isTransponderKey(const TreeItemKey& key) {
    return key.kind == TreeItemKey::SatelliteSide && key.satIndex != TreeItemKey::kHeader &&
           key.subIndex != TreeItemKey::kNone;
}
constexpr bool isGroupKey(const TreeItemKey& key) {
    return key.kind == TreeItemKey::GroupSide && key.subIndex != TreeItemKey::kNone;
}

}  // namespace kavro::gui
