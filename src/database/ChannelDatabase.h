#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "database/ChannelPlace.h"
#include "database/GroupRecord.h"
#include "database/IrdImage.h"
#include "database/SatelliteRecord.h"

namespace kavro {

// The one in-memory receiver database: settings block, start-up channels, satellites (with
// their transponders and channels) and groups. Cleared and refilled, never replaced.
class ChannelDatabase {
public:
    static constexpr std::uint16_t kAllGroups = 0xFFFF;
    static constexpr int kNoGroupKind = 4095;  // an ordinary group without references
    enum PredefinedGroup : int { GroupAll = -1, GroupTv = -2, GroupRadio = -3, GroupData = -4 };

    ChannelDatabase() { clear(); }

    SettingsBlock settings{};
    std::array<std::uint16_t, image::kMaxGroups> startupChannels{};
    std::vector<SatelliteRecord> satellites;
    std::vector<GroupRecord> groups;

    // Default settings (data version, UHF 21, age 4, PAL-BG, password "0000"), no records.
    void clear();

    // Counts held in the settings block: those of the last read or write, raised by adds.
    std::uint32_t dataVersion() const;
    std::uint8_t groupCount() const { return settings[image::kGroupCountAt]; }
    void setGroupCount(std::uint8_t n) { settings[image::kGroupCountAt] = n; }
    std::uint16_t satCount() const;
    void setSatCount(std::uint16_t n);
    std::uint16_t tpCount() const;
    void setTpCount(std::uint16_t n);
    std::uint16_t channelCount() const;
    void setChannelCount(std::uint16_t n);
    // The date text of the last save (12 bytes, up to the first NUL).
    std::string dateText() const;
    void setDateText(std::string_view text);

    // The channel at `place`; nothing when the place is out of range (a stale view).
    ChannelRecord* channelAt(const ChannelPlace& place);
    const ChannelRecord* channelAt(const ChannelPlace& place) const;

    // Resolves a reference; trusts `chIndex` when it lies inside the list (and takes over the
    // number found there), else searches the transponder by number and fixes `chIndex`.
    ChannelRecord* findChannel(ChannelRef& ref);
    const ChannelRecord* findChannel(ChannelRef& ref) const;

    // Removes the first reference to `number` from each group (or only `groupIndex`).
    int removeReferences(std::uint16_t number, std::uint16_t groupIndex = kAllGroups);

    // Recomputes the list positions of the references from the channel numbers.
    void relinkGroups(std::uint16_t groupIndex = kAllGroups);

    // -1..-4 for "ALL", "TV", "RADIO", "DATA" (any case); else the satIndex of the first
    // reference, or 4095 when there is none.
    static int groupKind(const GroupRecord& group);
    static bool isPredefined(int kind) { return kind >= GroupData && kind <= GroupAll; }

    // List sizes across the whole tree.
    std::size_t transponderTotal() const;
    std::size_t channelTotal() const;
    // Highest channel number in use plus one (0 when there are no channels); new channels
    // get numbers from here so they never collide with a channel still present.
    std::uint16_t nextFreeChannelNumber() const;

    friend bool operator==(const ChannelDatabase&, const ChannelDatabase&) = default;
};

}  // namespace kavro
