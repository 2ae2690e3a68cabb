#include "database/ChannelOperations.h"

#include <algorithm>

#include "database/IrdImage.h"
#include "database/ListOrder.h"
#include "messages/StringIds.h"

namespace kavro {
namespace {

int channelsNumbered(const ChannelDatabase& db, std::uint16_t number) {
    int n = 0;
    for (const auto& sat : db.satellites)
        for (const auto& tp : sat.transponders)
            for (const auto& ch : tp.channels) n += ch.number == number;
    return n;
}

// Removes the channel at `place`, assumed valid, with the references naming it.
void eraseChannel(ChannelDatabase& db, const ChannelPlace& place) {
    auto& channels = db.satellites[place.satIndex].transponders[place.tpIndex].channels;
    removeReferencesToDeletedChannel(db, channels[place.chIndex].number);
    channels.erase(channels.begin() + place.chIndex);
    if (db.channelCount() > 0) db.setChannelCount(db.channelCount() - 1);
}

}  // namespace

std::uint16_t newChannelNumber(const ChannelDatabase& db) {
    constexpr int kNone = ChannelRecord::kNoNumber;
    std::vector<bool> held(0x10000, false);
    for (const auto& sat : db.satellites)
        for (const auto& tp : sat.transponders)
            for (const auto& ch : tp.channels) held[ch.number] = true;
    int next = db.nextFreeChannelNumber();
    for (const auto& g : db.groups)
        for (const auto& ref : g.refs) {
            held[ref.number] = true;
            if (ref.number != kNone) next = std::max(next, ref.number + 1);
        }
    if (next < kNone && !held[static_cast<std::size_t>(next)])
        return static_cast<std::uint16_t>(next);
    // The numbers ran up to the top (many adds without a save): take the lowest one that
    // neither a channel nor a reference holds. One exists, since the lists are far smaller.
    auto it = std::find(held.begin(), held.end() - 1, false);
    return static_cast<std::uint16_t>(it - held.begin());
}

std::optional<ChannelRef> addChannel(ChannelDatabase& db, std::size_t s, std::size_t t,
                                     const ChannelRecord& channel, MessageSink& messages) {
    if (s >= db.satellites.size() || t >= db.satellites[s].transponders.size()) return std::nullopt;
    if (db.channelTotal() >= image::kMaxChannels) {
        messages.showMessageNumber(strings::TooManyChannels, image::kMaxChannels);
        return std::nullopt;
    }
    ChannelRecord stored = channel;
    stored.number = newChannelNumber(db);
    auto& channels = db.satellites[s].transponders[t].channels;
    channels.push_back(stored);
    if (db.channelCount() < 0xFFFF) db.setChannelCount(db.channelCount() + 1);
    return ChannelRef{stored.number, static_cast<std::uint16_t>(channels.size() - 1),
                      static_cast<std::uint16_t>(t), static_cast<std::uint16_t>(s)};
}

bool replaceChannel(ChannelDatabase& db, const ChannelPlace& place, const ChannelRecord& channel) {
    ChannelRecord* stored = db.channelAt(place);
    if (!stored) return false;
    stored->bytes = channel.bytes;
    return true;
}

bool deleteChannel(ChannelDatabase& db, const ChannelPlace& place) {
    if (!db.channelAt(place)) return false;
    eraseChannel(db, place);
    db.relinkGroups();
    return true;
}

int deleteChannels(ChannelDatabase& db, const std::vector<ChannelRef>& rows) {
    int deleted = 0;
    for (ChannelRef row : rows) {
        row.chIndex = 0xFFFF;  // look it up by number
        if (!db.findChannel(row)) continue;
        eraseChannel(db, {row.satIndex, row.tpIndex, row.chIndex});
        ++deleted;
    }
    if (deleted > 0) db.relinkGroups();
    return deleted;
}

int removeReferencesToDeletedChannel(ChannelDatabase& db, std::uint16_t number) {
    if (channelsNumbered(db, number) > 1) return db.removeReferences(number);
    int removed = 0;
    for (auto& g : db.groups) {
        auto end = std::remove_if(g.refs.begin(), g.refs.end(),
                                  [number](const ChannelRef& r) { return r.number == number; });
        removed += static_cast<int>(g.refs.end() - end);
        g.refs.erase(end, g.refs.end());
        g.syncCount();
    }
    return removed;
}

MembershipChange toggleGroupMember(ChannelDatabase& db, std::size_t g, ChannelRef channel,
                                   MessageSink& messages) {
    if (g >= db.groups.size() || !db.findChannel(channel)) return MembershipChange::None;
    auto& refs = db.groups[g].refs;
    bool member = std::any_of(refs.begin(), refs.end(),
                              [&](const ChannelRef& r) { return r.number == channel.number; });
    if (member) {
        db.removeReferences(channel.number, static_cast<std::uint16_t>(g));
        return MembershipChange::Removed;
    }
    if (refs.size() >= image::kMaxGroupMembers) {
        messages.showMessageNumber(strings::TooManyGroupMembers, image::kMaxGroupMembers);
        return MembershipChange::None;
    }
    refs.push_back(channel);
    db.groups[g].syncCount();
    return MembershipChange::Added;
}

bool reorderGroupMembers(ChannelDatabase& db, std::size_t g,
                         const std::vector<std::size_t>& order) {
    if (g >= db.groups.size() || !isListOrder(order, db.groups[g].refs.size())) return false;
    applyListOrder(db.groups[g].refs, order);
    db.groups[g].syncCount();
    return true;
}

}  // namespace kavro
