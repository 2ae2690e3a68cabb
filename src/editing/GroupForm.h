#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "database/ChannelDatabase.h"
#include "editing/NameBox.h"
#include "messages/MessageSink.h"

namespace kavro {

// The group dialog without its window: the name, and the candidate channels with check boxes,
// members first in group order. OK builds a new GroupRecord from the checked rows in "Order";
// the caller stores it (replaceGroup, appendGroup).
class GroupForm {
public:
    enum Mode { Add, Edit };

    // Per-row colours of the list (Windows colour values 0x00BBGGRR).
    static constexpr std::uint32_t kFirstSatelliteBackground = 0xE9ECD8;
    static constexpr std::uint32_t kNextSatelliteBackground = 0xD8E9EC;
    static constexpr std::uint32_t kCheckedText = 0x008000;
    static constexpr std::uint32_t kUncheckedText = 0x0000F0;
    // Column titles, "\n"-separated.
    static constexpr const char* kColumnTitles = "Type\nOrder\nSatellites\nTP\nChannel\n";

    struct Row {
        std::string typeText;         // "%4d": the row's number in fill order
        int icon = 0;                 // channelTypeIcon
        int order = 0;                // the "Order" column
        std::string orderText;        // "%4d"
        std::string satelliteText;    // "%3d. %s"
        std::string transponderText;  // "%5d %s %5d"
        std::string channelText;      // "%4d. %s" with number + 1
        ChannelRef channel;           // number and list positions of the listed channel
        bool checked = false;
        std::uint32_t background = kFirstSatelliteBackground;
        std::optional<std::uint32_t> textColour;  // set once the box has been checked or not
    };

    // Nothing when `g` is not a group.
    static std::optional<GroupForm> forEdit(const ChannelDatabase& db, std::size_t g);
    // Refused with TooManyGroups when the receiver's groups are all taken.
    static std::optional<GroupForm> forAdd(const ChannelDatabase& db, MessageSink& messages);

    Mode mode = Edit;
    std::size_t groupIndex = 0;
    std::string title;
    NameBox name;
    std::vector<std::string> satelliteItems;
    int satellite = -1;
    bool satelliteEnabled() const { return mode == Add; }

    // The candidate list, sorted by Order (members first). A view may show it sorted by
    // another column; OK always goes by Order.
    std::vector<Row> rows;

    // Add mode: another satellite picked; the list is rebuilt (check marks are lost) and the
    // name becomes the satellite's suggestion.
    void chooseSatellite(int s);
    void setChecked(std::size_t row, bool on);

    bool okEnabled() const { return !name.empty(); }
    bool listEnabled() const { return !name.empty(); }
    bool originalEnabled() const { return name.empty() || name.changed(); }
    void restoreOriginal() { name.restore(); }

    // OK: the new group record, or nothing when the name is empty or after TooManyGroupMembers
    // when more channels are checked than a group holds. An edited name left exactly as it
    // opened keeps its stored bytes.
    std::optional<GroupRecord> accept(MessageSink& messages) const;

private:
    void listSatellites();
    void fill();

    const ChannelDatabase* db_ = nullptr;
    std::vector<ChannelRef> members_;  // the edited group's references
    GroupRecord stored_;               // the edited group's header (its name bytes)
    int kind_ = 0;                     // the edited group's kind
};

// The group name proposed for a satellite: its decoded name cut to 10 characters, then cut
// before its first ":", then without trailing blanks.
std::string suggestedGroupName(const std::string& satelliteName);

}  // namespace kavro
