#include "database/TreeOperations.h"

#include <algorithm>

#include "database/ChannelNumberIndex.h"
#include "database/IrdImage.h"
#include "database/ListOrder.h"
#include "messages/StringIds.h"

namespace kavro {
namespace {

// Reports the limit when `over` holds.
bool refuse(bool over, std::size_t limit, int stringId, MessageSink& messages) {
    if (over) messages.showMessageNumber(stringId, static_cast<long long>(limit));
    return over;
}

// Removes every reference whose number names a channel for which `leaving` holds. A reference
// is judged by the channel it names now, not by the positions it cached, which may be stale.
template <typename Pred>
void removeReferencesTo(ChannelDatabase& db, Pred leaving) {
    ChannelNumberIndex index(db);
    for (GroupRecord& g : db.groups) {
        std::erase_if(g.refs, [&](const ChannelRef& r) {
            const auto* pos = index.find(r.number);
            return pos && leaving(pos->place);
        });
        g.syncCount();
    }
}

// The satellite field of a transponder is the satellite's position; keep it in step with the
// list, as the writer will, so lists filtered by it stay right until the next save.
void renumberSatelliteFields(ChannelDatabase& db) {
    for (std::size_t s = 0; s < db.satellites.size(); ++s)
        for (TransponderRecord& tp : db.satellites[s].transponders)
            tp.setSatellite(static_cast<int>(s));
}

}  // namespace

std::optional<std::size_t> appendSatellite(ChannelDatabase& db, const SatelliteRecord& satellite,
                                           MessageSink& messages) {
    if (refuse(db.satellites.size() >= image::kMaxSatellites, image::kMaxSatellites,
               strings::TooManySatellites, messages))
        return std::nullopt;
    SatelliteRecord added;
    added.bytes = satellite.bytes;
    db.satellites.push_back(std::move(added));
    if (db.satCount() < 0xFFFF) db.setSatCount(db.satCount() + 1);
    return db.satellites.size() - 1;
}

bool replaceSatellite(ChannelDatabase& db, std::size_t s, const SatelliteRecord& satellite) {
    if (s >= db.satellites.size()) return false;
    db.satellites[s].bytes = satellite.bytes;
    return true;
}

bool deleteSatellite(ChannelDatabase& db, std::size_t s) {
    if (s >= db.satellites.size()) return false;
    std::vector<bool> leaving(db.satellites.size(), false);
    leaving[s] = true;
    return deleteSatellites(db, leaving) == 1;
}

int deleteSatellites(ChannelDatabase& db, const std::vector<bool>& leaving) {
    if (leaving.size() != db.satellites.size()) return 0;
    std::vector<std::size_t> order;
    for (std::size_t s = 0; s < leaving.size(); ++s)
        if (!leaving[s]) order.push_back(s);
    const auto deleted = static_cast<int>(leaving.size() - order.size());
    if (deleted == 0) return 0;
    // One pass over the references and one relink, however many satellites go.
    removeReferencesTo(db, [&](const ChannelPlace& p) { return leaving[p.satIndex]; });
    reorderSatellites(db, order);
    return deleted;
}

bool reorderSatellites(ChannelDatabase& db, const std::vector<std::size_t>& order) {
    if (!isListOrder(order, db.satellites.size())) return false;
    applyListOrder(db.satellites, order);
    renumberSatelliteFields(db);
    db.relinkGroups();
    return true;
}

std::optional<std::size_t> appendTransponder(ChannelDatabase& db, std::size_t s,
                                             const TransponderRecord& transponder,
                                             MessageSink& messages) {
    if (s >= db.satellites.size()) return std::nullopt;
    if (refuse(db.transponderTotal() >= image::kMaxTransponders, image::kMaxTransponders,
               strings::TooManyTransponders, messages))
        return std::nullopt;
    TransponderRecord added;
    added.bytes = transponder.bytes;
    added.index = transponder.index;
    added.setSatellite(static_cast<int>(s));
    auto& tps = db.satellites[s].transponders;
    tps.push_back(std::move(added));
    if (db.tpCount() < 0xFFFF) db.setTpCount(db.tpCount() + 1);
    return tps.size() - 1;
}

bool replaceTransponder(ChannelDatabase& db, std::size_t s, std::size_t t,
                        const TransponderRecord& transponder) {
    if (s >= db.satellites.size() || t >= db.satellites[s].transponders.size()) return false;
    TransponderRecord& stored = db.satellites[s].transponders[t];
    stored.bytes = transponder.bytes;
    stored.index = transponder.index;
    return true;
}

bool deleteTransponder(ChannelDatabase& db, std::size_t s, std::size_t t) {
    if (s >= db.satellites.size() || t >= db.satellites[s].transponders.size()) return false;
    removeReferencesTo(db,
                       [s, t](const ChannelPlace& p) { return p.satIndex == s && p.tpIndex == t; });
    std::vector<std::size_t> order;
    for (std::size_t i = 0; i < db.satellites[s].transponders.size(); ++i)
        if (i != t) order.push_back(i);
    return reorderTransponders(db, s, order);
}

bool reorderTransponders(ChannelDatabase& db, std::size_t s,
                         const std::vector<std::size_t>& order) {
    if (s >= db.satellites.size() || !isListOrder(order, db.satellites[s].transponders.size()))
        return false;
    applyListOrder(db.satellites[s].transponders, order);
    db.relinkGroups();
    return true;
}

std::optional<std::size_t> appendGroup(ChannelDatabase& db, const GroupRecord& group,
                                       MessageSink& messages) {
    if (refuse(db.groups.size() >= image::kMaxGroups, image::kMaxGroups, strings::TooManyGroups,
               messages) ||
        refuse(group.refs.size() > image::kMaxGroupMembers, image::kMaxGroupMembers,
               strings::TooManyGroupMembers, messages))
        return std::nullopt;
    db.groups.push_back(group);
    db.groups.back().syncCount();
    std::size_t g = db.groups.size() - 1;
    db.relinkGroups(static_cast<std::uint16_t>(g));
    if (db.groupCount() < 0xFF) db.setGroupCount(db.groupCount() + 1);
    return g;
}

bool replaceGroup(ChannelDatabase& db, std::size_t g, const GroupRecord& group,
                  MessageSink& messages) {
    if (g >= db.groups.size()) return false;
    if (refuse(group.refs.size() > image::kMaxGroupMembers, image::kMaxGroupMembers,
               strings::TooManyGroupMembers, messages))
        return false;
    db.groups[g] = group;
    db.groups[g].syncCount();
    db.relinkGroups(static_cast<std::uint16_t>(g));
    return true;
}

bool deleteGroup(ChannelDatabase& db, std::size_t g) {
    if (g >= db.groups.size()) return false;
    if (ChannelDatabase::isPredefined(ChannelDatabase::groupKind(db.groups[g]))) return false;
    db.groups.erase(db.groups.begin() + static_cast<std::ptrdiff_t>(g));
    return true;
}

bool reorderGroups(ChannelDatabase& db, const std::vector<std::size_t>& order) {
    if (!isListOrder(order, db.groups.size())) return false;
    applyListOrder(db.groups, order);
    return true;
}

}  // namespace kavro
