#include "document/DocumentCommand.h"

#include <QCoreApplication>

#include "document/ChannelDocument.h"
#include "document/SaveRenumbering.h"

namespace kavro {

DocumentCommand::DocumentCommand(ChannelDocument& document, const char* text)
    : document_(document), sourceText_(text) {
    retranslate();
}

void DocumentCommand::retranslate() {
    setText(QCoreApplication::translate("DocumentCommand", sourceText_));
}

void DocumentCommand::redo() {
    ChannelDatabase& db = document_.databaseForCommand();
    for (auto it = savesBefore_.rbegin(); it != savesBefore_.rend(); ++it) (*it)->revert(db);

    settingsBefore_ = db.settings;
    startupBefore_ = db.startupChannels;
    const std::vector<GroupRecord> groups = db.groups;

    std::optional<DocumentChange> change = apply(db);
    applied_ = change.has_value();
    document_.lastRunApplied_ = applied_;
    if (!applied_) {
        // Only a first run can fail: a redo meets the database the first run changed.
        setObsolete(!everApplied_);
        return;
    }
    everApplied_ = true;

    groupListBefore_.reset();
    groupsBefore_.clear();
    if (groups.size() != db.groups.size()) {
        groupListBefore_ = groups;
    } else {
        for (std::size_t g = 0; g < groups.size(); ++g)
            if (!(groups[g] == db.groups[g])) groupsBefore_.emplace_back(g, groups[g]);
    }

    for (const auto& save : savesAfter_) save->reapply(db);
    document_.announce(*change);
}

void DocumentCommand::undo() {
    if (!applied_) return;
    ChannelDatabase& db = document_.databaseForCommand();
    for (auto it = savesAfter_.rbegin(); it != savesAfter_.rend(); ++it) (*it)->revert(db);

    DocumentChange change = revert(db);
    db.settings = settingsBefore_;
    db.startupChannels = startupBefore_;
    if (groupListBefore_) {
        db.groups = *groupListBefore_;
        change.what |= DocumentChange::Groups;
        change.group = -1;
    } else {
        for (const auto& [g, group] : groupsBefore_) db.groups[g] = group;
    }

    for (const auto& save : savesBefore_) save->reapply(db);
    document_.announce(change);
}

void DocumentCommand::appendSaveAfter(std::shared_ptr<const SaveRenumbering> renumbering) {
    savesAfter_.push_back(std::move(renumbering));
}

void DocumentCommand::appendSaveBefore(std::shared_ptr<const SaveRenumbering> renumbering) {
    savesBefore_.push_back(std::move(renumbering));
}

}  // namespace kavro
