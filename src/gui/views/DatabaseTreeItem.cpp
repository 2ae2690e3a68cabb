#include "gui/views/DatabaseTreeItem.h"

#include <algorithm>

#include "gui/app/Icons.h"

namespace kavro::gui {
namespace {

const QIcon& iconFor(DatabaseTreeItem::Image image) {
    static const QIcon icons[] = {
        treeIcon(QStringLiteral("file")),      treeIcon(QStringLiteral("satellites")),
        treeIcon(QStringLiteral("satellite")), treeIcon(QStringLiteral("transponder")),
        treeIcon(QStringLiteral("groups")),    treeIcon(QStringLiteral("group"))};
    return icons[static_cast<int>(image)];
}

}  // namespace

DatabaseTreeItem::Identity DatabaseTreeItem::identityOf(const SatelliteRecord& satellite) {
    return satellite.bytes;
}

DatabaseTreeItem::Identity DatabaseTreeItem::identityOf(const TransponderRecord& transponder) {
    // The satellite field changes whenever its satellite moves; the rest says which it is.
    TransponderRecord copy;
    copy.bytes = transponder.bytes;
    copy.setSatellite(0);
    Identity identity{};
    std::copy(copy.bytes.begin(), copy.bytes.end(), identity.begin());
    return identity;
}

DatabaseTreeItem::Identity DatabaseTreeItem::identityOf(const GroupRecord& group) {
    // The name alone: the member count changes with every channel added or removed.
    Identity identity{};
    std::copy_n(group.header.begin(), GroupRecord::kNameWidth, identity.begin());
    return identity;
}

DatabaseTreeItem::DatabaseTreeItem(QString label, TreeItemKey key, Image image,
                                   const Identity& identity)
    : QTreeWidgetItem(kType),
      label_(std::move(label)),
      key_(key),
      image_(image),
      identity_(identity) {}

void DatabaseTreeItem::reset(QString label, TreeItemKey key, const Identity& identity) {
    key_ = key;
    identity_ = identity;
    setLabel(std::move(label));
}

void DatabaseTreeItem::setLabel(QString label) {
    label_ = std::move(label);
    emitDataChanged();
}

QVariant DatabaseTreeItem::data(int column, int role) const {
    if (column != 0) return {};
    switch (role) {
        case Qt::DisplayRole:
        case Qt::ToolTipRole:
            return label_;
        case Qt::DecorationRole:
            return iconFor(image_);
        default:
            return QTreeWidgetItem::data(column, role);
    }
}

void DatabaseTreeItem::setData(int column, int role, const QVariant& value) {
    // Labels come from the database; in-place editing is not offered.
    if (column == 0 && (role == Qt::DisplayRole || role == Qt::EditRole)) {
        setLabel(value.toString());
        return;
    }
    QTreeWidgetItem::setData(column, role, value);
}

TreeItemKey keyOf(const QTreeWidgetItem* item) {
    if (!item || item->type() != DatabaseTreeItem::kType) return TreeItemKey::none();
    return static_cast<const DatabaseTreeItem*>(item)->key();
}

}  // namespace kavro::gui
