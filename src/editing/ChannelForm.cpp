#include "editing/ChannelForm.h"

#include <cstdio>

#include "arabic/ReceiverName.h"
#include "database/AsciiCase.h"
#include "database/ChannelOperations.h"
#include "messages/DialogValidation.h"
#include "messages/StringIds.h"
#include "messages/StringTable.h"

namespace kavro {

namespace {

std::string transponderItem(std::size_t position, const TransponderRecord& tp) {
    char out[64];
    std::snprintf(out, sizeof out, "%4d. %s", static_cast<int>(position + 1), tp.label().c_str());
    return out;
}

}  // namespace

std::optional<ChannelForm> ChannelForm::open(const ChannelDatabase& db,
                                             const std::optional<ChannelRef>& row,
                                             Placement placement, MessageSink& messages) {
    ChannelForm form;
    form.db_ = &db;
    const ChannelRecord* channel = nullptr;
    if (row) {
        form.place = *row;
        channel = db.findChannel(form.place);
    }
    form.mode = channel ? Edit : Add;
    if (form.mode == Add && db.channelTotal() >= image::kMaxChannels) {
        messages.showMessageNumber(strings::TooManyChannels, image::kMaxChannels);
        return std::nullopt;
    }

    for (std::size_t s = 0; s < db.satellites.size(); ++s)
        form.satelliteItems.push_back(
            satelliteItem(s, decodeReceiverName(db.satellites[s].name())));

    int sat = form.mode == Edit ? form.place.satIndex : placement.satIndex;
    int tp = form.mode == Edit ? form.place.tpIndex : placement.tpIndex;
    if (sat < 0 || static_cast<std::size_t>(sat) >= db.satellites.size()) sat = 0;
    form.satellite = db.satellites.empty() ? -1 : sat;
    form.fillTransponders(form.satellite);
    for (std::size_t i = 0; i < form.transponderIndexes.size(); ++i)
        if (form.transponderIndexes[i] == tp) form.transponder = static_cast<int>(i);

    if (form.mode == Edit) {
        form.stored_ = *channel;
        form.title = formatTitle("   Edit channal n\xB0: %02d", channel->number + 1u);
        form.name = NameBox::open(decodeReceiverName(channel->name()), channel->name());
    } else {
        form.place = ChannelRef{ChannelRecord::kNoNumber, 0, 0, 0};
        form.title = formatTitle("   Add New channal n\xB0: %02d", newChannelNumber(db) + 1u);
        form.name =
            NameBox::open(std::string(stringText(strings::NewItemName)), form.stored_.name());
    }

    const ChannelRecord& r = form.stored_;
    form.videoPidText = std::to_string(r.videoPid());
    form.audioPidText = std::to_string(r.audioPid());
    form.pcrPidText = std::to_string(r.pcrPid());
    form.serviceIdText = std::to_string(r.serviceId());
    form.pmtPidText = std::to_string(r.pmtPid());
    form.teletextPidText = std::to_string(r.teletextPid());
    form.ac3PidText = std::to_string(r.ac3Pid());
    form.xPidText = std::to_string(r.xPid());
    form.type = r.serviceType();
    form.audioLanguage = r.audioLanguage().substr(0, 3);
    form.limitText = std::to_string(r.ageLimit());
    form.crypted = r.crypted();
    form.locked = r.locked();
    for (int i = 0; i < ChannelRecord::kEcmSlots; ++i)
        form.ecmSlots[static_cast<std::size_t>(i)] = r.ecmSlotSelected(i + 1);
    if (form.mode == Add) form.ecmSlots.fill(true);  // a new record's mask is 0
    return form;
}

void ChannelForm::fillTransponders(int s) {
    transponderItems.clear();
    transponderIndexes.clear();
    transponder = -1;
    if (!db_ || s < 0 || static_cast<std::size_t>(s) >= db_->satellites.size()) return;
    // Every transponder of the satellite's own list: the satellite field inside a record is
    // only rewritten on save, so after a reorder it may still name the old position.
    const auto& tps = db_->satellites[static_cast<std::size_t>(s)].transponders;
    for (std::size_t t = 0; t < tps.size(); ++t) {
        transponderItems.push_back(transponderItem(t, tps[t]));
        transponderIndexes.push_back(static_cast<int>(t));
    }
    if (!tps.empty()) transponder = 0;
}

void ChannelForm::chooseSatellite(int s) {
    if (mode != Add) return;
    satellite = s;
    fillTransponders(s);
}

std::optional<ChannelForm::Box> ChannelForm::restoreOriginal(MessageSink& messages) {
    auto bad = firstInvalid(messages);
    name.restore();
    return bad;
}

std::optional<ChannelForm::Box> ChannelForm::firstInvalid(MessageSink& messages) const {
    const std::pair<const std::string*, Box> pids[] = {
        {&videoPidText, Box::VideoPid}, {&audioPidText, Box::AudioPid},
        {&pcrPidText, Box::PcrPid},     {&serviceIdText, Box::ServiceId},
        {&pmtPidText, Box::PmtPid},     {&teletextPidText, Box::TeletextPid},
        {&ac3PidText, Box::Ac3Pid},     {&xPidText, Box::XPid}};
    for (const auto& [text, box] : pids)
        if (!validateUnsigned(*text, 0, 65535, messages)) return box;
    if (!validateInteger(limitText, 0, kMaxAgeLimit, messages)) return Box::Limit;
    return std::nullopt;
}

std::optional<ChannelForm::Result> ChannelForm::accept(MessageSink& messages) const {
    if (!okEnabled() || satellite < 0 ||
        static_cast<std::size_t>(transponder) >= transponderIndexes.size())
        return std::nullopt;
    if (!validate(messages)) return std::nullopt;
    auto box = [](const std::string& text) {
        return static_cast<std::uint16_t>(*parseUnsignedText(text));
    };
    const auto s = static_cast<std::size_t>(satellite);
    const auto t =
        static_cast<std::size_t>(transponderIndexes[static_cast<std::size_t>(transponder)]);

    // Built on the stored record, so receiver bits the dialog does not show survive an edit.
    ChannelRecord r = stored_;
    r.setTransponder(static_cast<int>(t));

    std::uint16_t serviceId = box(serviceIdText);
    bool takeName = true;
    if (containsArabicLetter(name.text) && crypted)
        takeName = messages.showMessage(strings::CryptedRenameQuestion, {},
                                        MessageStyle::OkCancel) == MessageButton::Ok;
    if (takeName) {
        if (mode == Add || name.changed()) encodeReceiverName(name.text, r.name());
        if (!equalsIgnoringAsciiCase(name.text, name.opening)) serviceId = 0xFFFF;
    } else if (mode == Add) {
        encodeReceiverName({}, r.name());
    }

    r.setVideoPid(box(videoPidText));
    r.setAudioPid(box(audioPidText));
    r.setPcrPid(box(pcrPidText));
    r.setServiceId(serviceId);
    r.setPmtPid(box(pmtPidText));
    r.setTeletextPid(box(teletextPidText));
    r.setAc3Pid(box(ac3PidText));
    r.setXPid(box(xPidText));
    r.setServiceType(type);
    r.setAudioLanguage(audioLanguage);
    r.setCrypted(crypted);
    r.setLocked(locked);
    r.setAgeLimit(static_cast<int>(*parseIntegerText(limitText)));
    std::uint16_t selected = 0;
    for (int i = 0; i < ChannelRecord::kEcmSlots; ++i)
        if (ecmSlots[static_cast<std::size_t>(i)]) selected |= static_cast<std::uint16_t>(1u << i);
    r.setEcmMask(static_cast<std::uint16_t>(0xFFFF - selected));

    const ChannelPlace at{static_cast<std::uint16_t>(s), static_cast<std::uint16_t>(t),
                          mode == Edit ? place.chIndex : std::uint16_t{0}};
    return Result{mode, at, r};
}

}  // namespace kavro
