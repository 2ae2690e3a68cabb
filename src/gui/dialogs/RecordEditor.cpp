#include "gui/dialogs/RecordEditor.h"

#include "document/ChannelDocument.h"
#include "document/commands/AddChannel.h"
#include "document/commands/AddGroup.h"
#include "document/commands/AddSatellite.h"
#include "document/commands/AddTransponder.h"
#include "document/commands/EditChannel.h"
#include "document/commands/EditGroup.h"
#include "document/commands/EditSatellite.h"
#include "document/commands/EditTransponder.h"
#include "gui/dialogs/ChannelDialog.h"
#include "gui/dialogs/GroupDialog.h"
#include "gui/dialogs/SatelliteDialog.h"
#include "gui/dialogs/TransponderDialog.h"
#include "gui/views/ChannelList.h"
#include "gui/views/DatabaseTree.h"

namespace kavro::gui {

namespace {

std::uint16_t index16(std::size_t i) {
    return static_cast<std::uint16_t>(i);
}

bool isHeaderOrRoot(const TreeItemKey& key) {
    return key.subIndex == TreeItemKey::kNone && key.satIndex == TreeItemKey::kHeader;
}

}  // namespace

RecordEditor::RecordEditor(ChannelDocument& document, DatabaseTree* tree, ChannelList* list,
                           QWidget* dialogParent)
    : QObject(dialogParent),
      document_(document),
      tree_(tree),
      list_(list),
      dialogParent_(dialogParent) {}

void RecordEditor::connectViews() {
    if (tree_) {
        connect(tree_, &DatabaseTree::editRequested, this, &RecordEditor::editTreeItem);
        connect(tree_, &DatabaseTree::addRequested, this, &RecordEditor::addTreeItem);
    }
    if (list_) {
        connect(list_, &ChannelList::editRequested, this, &RecordEditor::editChannel);
        connect(list_, &ChannelList::addRequested, this, &RecordEditor::addChannel);
    }
}

// ---- Tree ----------------------------------------------------------------------------------

void RecordEditor::editTreeItem(const TreeItemKey& key) {
    if (isHeaderOrRoot(key)) return;
    if (key.kind == TreeItemKey::SatelliteSide) {
        if (key.subIndex == TreeItemKey::kNone)
            editSatellite(key.satIndex);
        else
            editTransponder(key.satIndex, key.subIndex);
    } else if (key.kind == TreeItemKey::GroupSide) {
        editGroup(key.subIndex);
    }
}

void RecordEditor::addTreeItem(const TreeItemKey& key) {
    if (key.kind == TreeItemKey::SatelliteSide) {
        if (key == TreeItemKey::satellitesHeader())
            addSatellite();
        else if (key.subIndex == TreeItemKey::kNone)
            addTransponder(key.satIndex);
    } else if (key.kind == TreeItemKey::GroupSide && !isHeaderOrRoot(key)) {
        addGroup();
    }
}

void RecordEditor::editSatellite(std::size_t s) {
    const ChannelDatabase& db = document_.database();
    if (s >= db.satellites.size()) return;
    SatelliteDialog dialog(SatelliteForm::forEdit(s, db.satellites[s]), document_.messages(),
                           dialogParent_);
    if (dialog.exec() != QDialog::Accepted) return;
    document_.push(new EditSatellite(document_, s, dialog.form().record));
}

void RecordEditor::editTransponder(std::size_t s, std::size_t t) {
    const ChannelDatabase& db = document_.database();
    if (s >= db.satellites.size()) return;
    auto form = TransponderForm::forEdit(db, s, t);
    if (!form) return;
    TransponderDialog dialog(std::move(*form), document_.messages(), dialogParent_);
    if (dialog.exec() != QDialog::Accepted) return;
    const auto sat = static_cast<std::size_t>(dialog.form().satellite);
    document_.push(new EditTransponder(document_, sat, t, dialog.form().record));
}

void RecordEditor::editGroup(std::size_t g) {
    auto form = GroupForm::forEdit(document_.database(), g);
    if (!form) return;
    GroupDialog dialog(std::move(*form), document_.messages(), dialogParent_);
    if (dialog.exec() != QDialog::Accepted || !dialog.group()) return;
    document_.push(new EditGroup(document_, g, *dialog.group()));
}

void RecordEditor::addSatellite() {
    auto form = SatelliteForm::forAdd(document_.database(), document_.messages());
    if (!form) return;
    SatelliteDialog dialog(std::move(*form), document_.messages(), dialogParent_);
    if (dialog.exec() != QDialog::Accepted) return;
    auto* command = new AddSatellite(document_, dialog.form().record);
    if (!document_.push(command)) return;
    if (tree_) tree_->selectKey(TreeItemKey::satellite(index16(command->position())));
}

void RecordEditor::addTransponder(std::size_t s) {
    const ChannelDatabase& db = document_.database();
    if (s >= db.satellites.size()) return;
    auto form = TransponderForm::forAdd(db, s, document_.messages());
    if (!form) return;
    TransponderDialog dialog(std::move(*form), document_.messages(), dialogParent_);
    if (dialog.exec() != QDialog::Accepted) return;
    const auto sat = static_cast<std::size_t>(dialog.form().satellite);
    auto* command = new AddTransponder(document_, sat, dialog.form().record);
    if (!document_.push(command)) return;
    if (tree_)
        tree_->selectKey(TreeItemKey::transponder(index16(sat), index16(command->position())));
}

void RecordEditor::addGroup() {
    auto form = GroupForm::forAdd(document_.database(), document_.messages());
    if (!form) return;
    GroupDialog dialog(std::move(*form), document_.messages(), dialogParent_);
    if (dialog.exec() != QDialog::Accepted || !dialog.group()) return;
    auto* command = new AddGroup(document_, *dialog.group());
    if (!document_.push(command)) return;
    if (!tree_) return;
    const std::size_t g = command->position();
    const auto& groups = document_.database().groups;
    const int kind = g < groups.size() ? ChannelDatabase::groupKind(groups[g]) : -1;
    tree_->selectKey(TreeItemKey::group(
        kind < 0 ? TreeItemKey::kHeader : static_cast<std::uint16_t>(kind & 0xFFF), index16(g)));
}

// ---- Channel list --------------------------------------------------------------------------

void RecordEditor::editChannel(const ChannelRef& row) {
    if (!treeKey().inSatelliteBranch()) return;
    openChannel(row);
}

void RecordEditor::addChannel() {
    if (!treeKey().inSatelliteBranch()) return;
    openChannel(std::nullopt);
}

void RecordEditor::openChannel(const std::optional<ChannelRef>& row) {
    const TreeItemKey key = treeKey();
    auto form = ChannelForm::open(document_.database(), row, newChannelPlacement(key),
                                  document_.messages());
    if (!form) return;
    ChannelDialog dialog(std::move(*form), document_.messages(), dialogParent_);
    if (dialog.exec() != QDialog::Accepted || !dialog.channel()) return;
    const ChannelForm::Result& result = *dialog.channel();

    ChannelPlace stored = result.place;
    if (result.mode == ChannelForm::Edit) {
        if (!document_.push(new EditChannel(document_, result.place, result.record))) return;
    } else {
        auto* command =
            new AddChannel(document_, result.place.satIndex, result.place.tpIndex, result.record);
        if (!document_.push(command)) return;
        const ChannelRef& added = command->added();
        stored = {added.satIndex, added.tpIndex, added.chIndex};
    }
    if (list_) list_->selectChannel(stored);
}

TreeItemKey RecordEditor::treeKey() const {
    if (tree_) return tree_->currentKey();
    return list_ ? list_->shownKey() : TreeItemKey::none();
}

// The tree's satellite and transponder when one is current; otherwise those of the first
// selected row; otherwise the first ones.
ChannelForm::Placement RecordEditor::newChannelPlacement(const TreeItemKey& key) const {
    ChannelForm::Placement placement;
    if (key.satIndex != TreeItemKey::kHeader) {
        placement.satIndex = key.satIndex;
        if (key.subIndex != TreeItemKey::kNone) placement.tpIndex = key.subIndex;
    }
    if (const auto first = list_ ? list_->firstSelectedChannel() : std::nullopt) {
        if (placement.satIndex < 0) placement.satIndex = first->satIndex;
        if (placement.tpIndex < 0 && placement.satIndex == first->satIndex)
            placement.tpIndex = first->tpIndex;
    }
    return placement;
}

}  // namespace kavro::gui
