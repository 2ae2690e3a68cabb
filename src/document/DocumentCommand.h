#pragma once

#include <QString>
#include <QUndoCommand>
#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include "database/ChannelDatabase.h"
#include "document/DocumentChange.h"

namespace kavro {

class ChannelDocument;
class SaveRenumbering;

// One undoable change of the document. A command changes the database in apply() and puts
// back its own records in revert(); the settings block, the start-up channels and every group
// that apply() changed are kept by this base and put back exactly on undo, so commands only
// deal with satellites, transponders and channels. A command never touches widgets: the
// document announces what changed.
class DocumentCommand : public QUndoCommand {
public:
    void redo() final;
    void undo() final;

    // False when the first redo changed nothing (out of range, refused): the stack drops it.
    bool applied() const { return applied_; }

    // A save that happened right after this command renumbered the database: the renumbering
    // belongs to this command's result from now on.
    void appendSaveAfter(std::shared_ptr<const SaveRenumbering> renumbering);
    // A save that happened right before this command (which was then undone): it is reverted
    // before the command is redone, so the command meets the database it was made for.
    void appendSaveBefore(std::shared_ptr<const SaveRenumbering> renumbering);

    // The step's name (as the Edit menu shows it) again in the interface language.
    void retranslate();

protected:
    // `text`: the step's name in English, marked with QT_TRANSLATE_NOOP("DocumentCommand", ...).
    DocumentCommand(ChannelDocument& document, const char* text);

    // Makes the change; returns what changed, or nothing when nothing could be changed.
    virtual std::optional<DocumentChange> apply(ChannelDatabase& db) = 0;
    // Puts back the satellites, transponders and channels apply() changed, in the state after
    // apply(); returns what changed.
    virtual DocumentChange revert(ChannelDatabase& db) = 0;

private:
    ChannelDocument& document_;
    const char* sourceText_;
    bool applied_ = false;
    bool everApplied_ = false;

    std::array<std::uint8_t, image::kSettingsSize> settingsBefore_{};
    std::array<std::uint16_t, image::kMaxGroups> startupBefore_{};
    // Either the whole group list (when apply() changed its size) or the groups it changed.
    std::optional<std::vector<GroupRecord>> groupListBefore_;
    std::vector<std::pair<std::size_t, GroupRecord>> groupsBefore_;

    std::vector<std::shared_ptr<const SaveRenumbering>> savesBefore_;
    std::vector<std::shared_ptr<const SaveRenumbering>> savesAfter_;
};

}  // namespace kavro
