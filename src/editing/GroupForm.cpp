#include "editing/GroupForm.h"

#include <algorithm>
#include <cstdio>
#include <set>
#include <utility>

#include "arabic/ReceiverName.h"
#include "database/AsciiCase.h"
#include "editing/ChannelTypeIcon.h"
#include "messages/StringIds.h"
#include "messages/StringTable.h"

namespace kavro {

namespace {

constexpr std::size_t kSatelliteNameCut = 10;

std::string formatted(const char* pattern, int number, const std::string& text = {}) {
    char out[96];
    std::snprintf(out, sizeof out, pattern, number, text.c_str());
    return out;
}

// Whether a channel of satellite `s` belongs in the edited group's candidate list.
bool listed(int kind, const ChannelRecord& channel, std::size_t s, std::size_t groupSatellite,
            const std::string& satelliteName, const std::string& groupName) {
    switch (kind) {
        case ChannelDatabase::GroupAll:
            return true;
        case ChannelDatabase::GroupTv:
            return channel.serviceType() == ChannelRecord::Tv;
        case ChannelDatabase::GroupRadio:
            return channel.serviceType() == ChannelRecord::Radio;
        case ChannelDatabase::GroupData:
            return channel.serviceType() == ChannelRecord::Data;
        default:
            if (channel.serviceType() == ChannelRecord::Data) return false;
            return s == groupSatellite ||
                   equalsIgnoringAsciiCase(satelliteName.substr(0, kSatelliteNameCut), groupName);
    }
}

}  // namespace

std::string suggestedGroupName(const std::string& satelliteName) {
    std::string name = satelliteName.substr(0, kSatelliteNameCut);
    name = name.substr(0, name.find(':'));
    while (!name.empty() && name.back() == ' ') name.pop_back();
    return name;
}

std::optional<GroupForm> GroupForm::forEdit(const ChannelDatabase& db, std::size_t g) {
    if (g >= db.groups.size()) return std::nullopt;
    const GroupRecord& group = db.groups[g];
    GroupForm form;
    form.db_ = &db;
    form.mode = Edit;
    form.groupIndex = g;
    form.title = formatTitle("   Edit group n\xB0 : %02d", g + 1);
    form.name = NameBox::open(decodeReceiverName(group.name()), group.name());
    form.members_ = group.refs;
    form.stored_.header = group.header;
    form.kind_ = ChannelDatabase::groupKind(group);
    form.listSatellites();
    return form;
}

std::optional<GroupForm> GroupForm::forAdd(const ChannelDatabase& db, MessageSink& messages) {
    if (db.groups.size() >= image::kMaxGroups) {
        messages.showMessageNumber(strings::TooManyGroups, image::kMaxGroups);
        return std::nullopt;
    }
    GroupForm form;
    form.db_ = &db;
    form.mode = Add;
    form.groupIndex = db.groups.size();
    form.title = formatTitle("   Add new group n\xB0 : %02d ", db.groups.size() + 1);
    GroupRecord blank;
    form.name = NameBox::open(std::string(stringText(strings::NewItemName)), blank.name());
    form.listSatellites();
    return form;
}

// The satellite list of the dialog, with the first satellite chosen, and the candidates.
void GroupForm::listSatellites() {
    for (std::size_t s = 0; s < db_->satellites.size(); ++s)
        satelliteItems.push_back(satelliteItem(s, decodeReceiverName(db_->satellites[s].name())));
    satellite = db_->satellites.empty() ? -1 : 0;
    fill();
}

void GroupForm::chooseSatellite(int s) {
    if (mode != Add) return;
    satellite = s;
    fill();
}

void GroupForm::fill() {
    rows.clear();
    const ChannelDatabase& db = *db_;
    std::size_t first = 0, last = db.satellites.size();
    if (mode == Add) {
        if (satellite < 0 || static_cast<std::size_t>(satellite) >= db.satellites.size()) return;
        first = static_cast<std::size_t>(satellite);
        last = first + 1;
        name.text = suggestedGroupName(decodeReceiverName(db.satellites[first].name()));
    }
    const std::size_t groupSatellite = members_.empty() ? 0 : members_.front().satIndex;
    int nextOrder = static_cast<int>(members_.size());
    bool alternate = false;
    std::optional<std::size_t> previousSatellite;

    for (std::size_t s = first; s < last; ++s) {
        const SatelliteRecord& sat = db.satellites[s];
        const std::string satName = decodeReceiverName(sat.name());
        for (std::size_t t = 0; t < sat.transponders.size(); ++t) {
            const TransponderRecord& tp = sat.transponders[t];
            for (std::size_t k = 0; k < tp.channels.size(); ++k) {
                const ChannelRecord& ch = tp.channels[k];
                if (mode == Edit && !listed(kind_, ch, s, groupSatellite, satName, name.opening))
                    continue;
                Row row;
                row.channel = {ch.number, static_cast<std::uint16_t>(k),
                               static_cast<std::uint16_t>(t), static_cast<std::uint16_t>(s)};
                auto member =
                    std::find_if(members_.begin(), members_.end(),
                                 [&](const ChannelRef& m) { return m.number == ch.number; });
                row.checked = member != members_.end();
                row.order =
                    row.checked ? static_cast<int>(member - members_.begin()) + 1 : ++nextOrder;
                if (row.checked) row.textColour = kCheckedText;
                if (previousSatellite && *previousSatellite != s) alternate = !alternate;
                previousSatellite = s;
                row.background = alternate ? kNextSatelliteBackground : kFirstSatelliteBackground;
                row.typeText = formatted("%4d", static_cast<int>(rows.size()) + 1);
                row.icon = channelTypeIcon(ch);
                row.orderText = formatted("%4d", row.order);
                row.satelliteText = formatted("%3d. %s", static_cast<int>(s) + 1, satName);
                row.transponderText = tp.label();
                row.channelText =
                    formatted("%4d. %s", ch.number + 1, decodeReceiverName(ch.name()));
                rows.push_back(std::move(row));
            }
        }
    }
    std::stable_sort(rows.begin(), rows.end(),
                     [](const Row& a, const Row& b) { return a.order < b.order; });
}

void GroupForm::setChecked(std::size_t row, bool on) {
    if (row >= rows.size()) return;
    rows[row].checked = on;
    rows[row].textColour = on ? kCheckedText : kUncheckedText;
}

std::optional<GroupRecord> GroupForm::accept(MessageSink& messages) const {
    if (name.empty()) return std::nullopt;

    // Each entry goes in at its Order: a member keeps its place in the group (every place, if
    // the group lists it twice), a newly checked channel follows the members. Members the list
    // does not show (a satellite group may hold channels of other satellites) are kept where
    // they were rather than dropped unseen.
    std::vector<std::pair<int, ChannelRef>> entries;
    std::set<std::uint16_t> shown;
    for (const Row& row : rows) shown.insert(row.channel.number);
    for (const Row& row : rows) {
        if (!row.checked) continue;
        bool member = false;
        for (std::size_t p = 0; p < members_.size(); ++p) {
            if (members_[p].number != row.channel.number) continue;
            entries.emplace_back(static_cast<int>(p) + 1, row.channel);
            member = true;
        }
        if (!member) entries.emplace_back(row.order, row.channel);
    }
    for (std::size_t p = 0; p < members_.size(); ++p)
        if (!shown.count(members_[p].number))
            entries.emplace_back(static_cast<int>(p) + 1, members_[p]);
    std::stable_sort(entries.begin(), entries.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });

    if (entries.size() > image::kMaxGroupMembers) {
        messages.showMessageNumber(strings::TooManyGroupMembers, image::kMaxGroupMembers);
        return std::nullopt;
    }
    GroupRecord group;
    if (mode == Edit && !name.changed())
        std::copy(stored_.name().begin(), stored_.name().end(), group.name().begin());
    else
        encodeReceiverName(name.text, group.name());
    for (const auto& entry : entries) group.refs.push_back(entry.second);
    group.syncCount();
    return group;
}

}  // namespace kavro
