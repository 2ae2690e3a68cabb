#include "database/ChannelOperations.h"

#include <algorithm>
#include <tuple>
#include <unordered_set>

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

std::vector<ChannelPlace> findRowChannels(const ChannelDatabase& db,
                                          const std::vector<ChannelRef>& rows) {
    std::vector<ChannelPlace> places;
    std::unordered_set<std::uint64_t> taken;
    auto key = [](std::size_t s, std::size_t t, std::size_t k) {
        return (std::uint64_t{s} << 40) | (std::uint64_t{t} << 20) | k;
    };
    for (const ChannelRef& row : rows) {
        if (row.satIndex >= db.satellites.size()) continue;
        const auto& tps = db.satellites[row.satIndex].transponders;
        if (row.tpIndex >= tps.size()) continue;
        const auto& channels = tps[row.tpIndex].channels;
        for (std::size_t k = 0; k < channels.size(); ++k) {
            if (channels[k].number != row.number) continue;
            if (!taken.insert(key(row.satIndex, row.tpIndex, k)).second) continue;
            places.push_back({row.satIndex, row.tpIndex, static_cast<std::uint16_t>(k)});
            break;
        }
    }
    return places;
}

int deleteChannelsAt(ChannelDatabase& db, const std::vector<ChannelPlace>& places) {
    std::vector<std::uint32_t> carried(0x10000, 0), left(0x10000, 0);
    for (const auto& sat : db.satellites)
        for (const auto& tp : sat.transponders)
            for (const auto& ch : tp.channels) ++carried[ch.number];
    std::vector<ChannelPlace> sorted;
    for (const ChannelPlace& p : places)
        if (db.channelAt(p)) sorted.push_back(p);
    std::sort(sorted.begin(), sorted.end(), [](const ChannelPlace& a, const ChannelPlace& b) {
        return std::tie(a.satIndex, a.tpIndex, a.chIndex) <
               std::tie(b.satIndex, b.tpIndex, b.chIndex);
    });
    sorted.erase(std::unique(sorted.begin(), sorted.end()), sorted.end());
    if (sorted.empty()) return 0;
    // From the back, so the places still to be erased do not move.
    for (auto it = sorted.rbegin(); it != sorted.rend(); ++it) {
        auto& channels = db.satellites[it->satIndex].transponders[it->tpIndex].channels;
        ++left[channels[it->chIndex].number];
        channels.erase(channels.begin() + it->chIndex);
    }
    const auto deleted = static_cast<int>(sorted.size());
    db.setChannelCount(static_cast<std::uint16_t>(std::max(0, db.channelCount() - deleted)));
    removeReferencesToDeletedChannels(db, carried, left);
    db.relinkGroups();
    return deleted;
}

int deleteChannels(ChannelDatabase& db, const std::vector<ChannelRef>& rows) {
    return deleteChannelsAt(db, findRowChannels(db, rows));
}

// One pass over every group gives what removeReferencesToDeletedChannel per channel would.
void removeReferencesToDeletedChannels(ChannelDatabase& db,
                                       const std::vector<std::uint32_t>& carried,
                                       const std::vector<std::uint32_t>& left) {
    std::vector<std::uint32_t> taken(carried.size(), 0);  // per group, for shared numbers
    std::vector<std::uint16_t> touched;
    for (GroupRecord& g : db.groups) {
        std::size_t kept = 0;
        for (const ChannelRef& ref : g.refs) {
            const std::uint16_t n = ref.number;
            bool goes = false;
            if (left[n] == carried[n] && left[n] > 0) {
                goes = true;
            } else if (taken[n] < left[n]) {
                if (taken[n]++ == 0) touched.push_back(n);
                goes = true;
            }
            if (!goes) g.refs[kept++] = ref;
        }
        g.refs.resize(kept);
        g.syncCount();
        for (std::uint16_t n : touched) taken[n] = 0;
        touched.clear();
    }
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
