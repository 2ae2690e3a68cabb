#include "database/ChannelDatabase.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "database/AsciiCase.h"
#include "database/ByteOrder.h"
#include "database/ChannelNumberIndex.h"

namespace kavro {

namespace {
// Any fixed digit makes a valid default; the receiver's manuals document "0000".
constexpr char kDefaultPasswordDigit = '0';
}  // namespace

void ChannelDatabase::clear() {
    settings.fill(0);
    writeU32(&settings[0], image::kDataVersion);
    settings[32] = 0x2A;             // UHF channel 21
    writeU16(&settings[34], 0x200);  // age limit 4
    settings[36] = 0x10;             // PAL-BG
    std::memset(&settings[24], kDefaultPasswordDigit, 4);
    startupChannels.fill(0);
    satellites.clear();
    groups.clear();
}

std::uint32_t ChannelDatabase::dataVersion() const {
    return readU32(&settings[0]);
}
std::uint16_t ChannelDatabase::satCount() const {
    return readU16(&settings[image::kSatCountAt]);
}
void ChannelDatabase::setSatCount(std::uint16_t n) {
    writeU16(&settings[image::kSatCountAt], n);
}
std::uint16_t ChannelDatabase::tpCount() const {
    return readU16(&settings[image::kTpCountAt]);
}
void ChannelDatabase::setTpCount(std::uint16_t n) {
    writeU16(&settings[image::kTpCountAt], n);
}
std::uint16_t ChannelDatabase::channelCount() const {
    return readU16(&settings[image::kChannelCountAt]);
}
void ChannelDatabase::setChannelCount(std::uint16_t n) {
    writeU16(&settings[image::kChannelCountAt], n);
}

std::string ChannelDatabase::dateText() const {
    return readFixedText(&settings[image::kDateTextAt], image::kDateTextWidth);
}

void ChannelDatabase::setDateText(std::string_view text) {
    writeFixedText(&settings[image::kDateTextAt], image::kDateTextWidth, text);
}

const ChannelRecord* ChannelDatabase::channelAt(const ChannelPlace& place) const {
    if (place.satIndex >= satellites.size()) return nullptr;
    const auto& tps = satellites[place.satIndex].transponders;
    if (place.tpIndex >= tps.size() || place.chIndex >= tps[place.tpIndex].channels.size())
        return nullptr;
    return &tps[place.tpIndex].channels[place.chIndex];
}

ChannelRecord* ChannelDatabase::channelAt(const ChannelPlace& place) {
    return const_cast<ChannelRecord*>(std::as_const(*this).channelAt(place));
}

const ChannelRecord* ChannelDatabase::findChannel(ChannelRef& ref) const {
    if (ref.satIndex >= satellites.size()) return nullptr;
    const auto& tps = satellites[ref.satIndex].transponders;
    if (ref.tpIndex >= tps.size()) return nullptr;
    const auto& channels = tps[ref.tpIndex].channels;
    if (ref.chIndex < channels.size()) {
        const ChannelRecord& ch = channels[ref.chIndex];
        ref.number = ch.number;
        return &ch;
    }
    for (std::size_t k = 0; k < channels.size(); ++k) {
        if (channels[k].number == ref.number) {
            ref.chIndex = static_cast<std::uint16_t>(k);
            return &channels[k];
        }
    }
    return nullptr;
}

ChannelRecord* ChannelDatabase::findChannel(ChannelRef& ref) {
    return const_cast<ChannelRecord*>(std::as_const(*this).findChannel(ref));
}

int ChannelDatabase::removeReferences(std::uint16_t number, std::uint16_t groupIndex) {
    int removed = 0;
    for (std::size_t g = 0; g < groups.size(); ++g) {
        if (groupIndex < groups.size() && g != groupIndex) continue;
        auto& refs = groups[g].refs;
        auto it = std::find_if(refs.begin(), refs.end(),
                               [number](const ChannelRef& r) { return r.number == number; });
        if (it != refs.end()) {
            refs.erase(it);
            ++removed;
        }
        groups[g].syncCount();
    }
    return removed;
}

void ChannelDatabase::relinkGroups(std::uint16_t groupIndex) {
    ChannelNumberIndex index(*this);
    for (std::size_t g = 0; g < groups.size(); ++g) {
        if (groupIndex < groups.size() && g != groupIndex) continue;
        for (ChannelRef& ref : groups[g].refs) {
            if (const auto* pos = index.find(ref.number)) {
                ref.satIndex = pos->place.satIndex;
                ref.tpIndex = pos->place.tpIndex;
                ref.chIndex = pos->place.chIndex;
            }
        }
    }
}

int ChannelDatabase::groupKind(const GroupRecord& group) {
    static constexpr std::string_view kNames[] = {"ALL", "TV", "RADIO", "DATA"};
    auto field = group.name();
    std::string_view name(reinterpret_cast<const char*>(field.data()), field.size());
    name = name.substr(0, name.find('\0'));
    for (int i = 0; i < 4; ++i)
        if (equalsIgnoringAsciiCase(name, kNames[i])) return -1 - i;
    return group.refs.empty() ? kNoGroupKind : group.refs.front().satIndex;
}

std::size_t ChannelDatabase::transponderTotal() const {
    std::size_t n = 0;
    for (const auto& s : satellites) n += s.transponders.size();
    return n;
}

std::size_t ChannelDatabase::channelTotal() const {
    std::size_t n = 0;
    for (const auto& s : satellites)
        for (const auto& t : s.transponders) n += t.channels.size();
    return n;
}

std::uint16_t ChannelDatabase::nextFreeChannelNumber() const {
    int next = 0;
    for (const auto& s : satellites)
        for (const auto& t : s.transponders)
            for (const auto& c : t.channels)
                if (c.number != ChannelRecord::kNoNumber) next = std::max(next, c.number + 1);
    return static_cast<std::uint16_t>(std::min(next, 0xFFFE));
}

}  // namespace kavro
