#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "database/ChannelDatabase.h"

namespace kavro {

// What the reload after a save changed in the database: channel numbers, the transponder and
// satellite fields the writer rewrites, the counts and save date, and the group references
// (linked to the new numbers, stale ones left out). Records stay where they are, so the
// change is kept per position and can be reverted and made again exactly; that is how the
// history survives a save.
class SaveRenumbering {
public:
    // Nothing when the two databases differ in anything but those fields (then the history
    // cannot be kept).
    static std::optional<SaveRenumbering> between(const ChannelDatabase& before,
                                                  const ChannelDatabase& after);

    bool empty() const { return before_ == after_; }
    void revert(ChannelDatabase& db) const { before_.applyTo(db); }
    void reapply(ChannelDatabase& db) const { after_.applyTo(db); }

private:
    struct Fields {
        std::array<std::uint8_t, image::kSettingsSize> settings{};
        // Tree order: per transponder its first two bytes and index; per channel its first
        // two bytes and number.
        std::vector<std::uint32_t> transponders;
        std::vector<std::uint32_t> channels;
        std::vector<GroupRecord> groups;

        static Fields of(const ChannelDatabase& db);
        void applyTo(ChannelDatabase& db) const;
        friend bool operator==(const Fields&, const Fields&) = default;
    };
    Fields before_;
    Fields after_;
};

}  // namespace kavro
