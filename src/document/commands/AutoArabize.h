#pragma once

#include <filesystem>
#include <utility>
#include <vector>

#include "arabic/ArabicNameList.h"
#include "database/ChannelPlace.h"
#include "document/DocumentCommand.h"

namespace kavro {

// Tools > Auto Arabisation: gives the channels that match the name list their Arabic names
// and service id 0xFFFF, as one step. Nothing is kept when no channel matches.
class AutoArabize : public DocumentCommand {
public:
    AutoArabize(ChannelDocument& document, ArabicNameList list);

    int renamedCount() const { return static_cast<int>(channels_.size()); }

private:
    std::optional<DocumentChange> apply(ChannelDatabase& db) override;
    DocumentChange revert(ChannelDatabase& db) override;
    DocumentChange swap(ChannelDatabase& db);

    ArabicNameList list_;
    // The renamed channels with their other state: the bytes before the renaming while it is
    // done, the renamed bytes while it is undone.
    std::vector<std::pair<ChannelPlace, std::array<std::uint8_t, ChannelRecord::kSize>>> channels_;
    bool done_ = false;
};

// Loads the name list from `listFile` and runs Auto Arabisation on the document as one
// undoable step. Returns how many channels were renamed (0 with an empty or missing list,
// after a message when the file is there but cannot be read).
int autoArabize(ChannelDocument& document, const std::filesystem::path& listFile);
// With the list where the editor keeps it.
int autoArabize(ChannelDocument& document);

}  // namespace kavro
