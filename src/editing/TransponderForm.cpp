#include "editing/TransponderForm.h"

#include "arabic/ReceiverName.h"
#include "editing/NameBox.h"
#include "messages/DialogValidation.h"
#include "messages/StringIds.h"

namespace kavro {

std::optional<TransponderForm> TransponderForm::opened(const ChannelDatabase& db, std::size_t sat) {
    if (db.satellites.empty()) return std::nullopt;
    TransponderForm form;
    for (std::size_t s = 0; s < db.satellites.size(); ++s)
        form.satelliteItems.push_back(
            satelliteItem(s, decodeReceiverName(db.satellites[s].name())));
    form.satellite = sat < db.satellites.size() ? static_cast<int>(sat) : 0;
    return form;
}

std::optional<TransponderForm> TransponderForm::forEdit(const ChannelDatabase& db, std::size_t sat,
                                                        std::size_t tp) {
    auto form = opened(db, sat);
    if (!form) return std::nullopt;
    const auto& tps = db.satellites[static_cast<std::size_t>(form->satellite)].transponders;
    if (tp >= tps.size()) return std::nullopt;
    form->mode = Edit;
    form->tpIndex = tp;
    form->record = tps[tp];
    form->title = formatTitle("   Edit TP n\xB0 : %02d", tp + 1);
    const TransponderRecord& r = form->record;
    form->frequencyText = std::to_string(r.frequency());
    form->symbolRateText = std::to_string(r.symbolRate());
    form->tidText = std::to_string(r.tid());
    const auto n = r.name();
    for (std::uint8_t c : n) {
        if (c == 0) break;
        form->name += static_cast<char>(c);
    }
    form->polarisation = r.polarisation();
    form->fec = r.fec() < static_cast<int>(kFecs.size()) ? r.fec() : -1;
    return form;
}

std::optional<TransponderForm> TransponderForm::forAdd(const ChannelDatabase& db, std::size_t sat,
                                                       MessageSink& messages) {
    auto form = opened(db, sat);
    if (!form) return std::nullopt;
    if (db.transponderTotal() >= image::kMaxTransponders) {
        messages.showMessageNumber(strings::TooManyTransponders, image::kMaxTransponders);
        return std::nullopt;
    }
    const auto& tps = db.satellites[static_cast<std::size_t>(form->satellite)].transponders;
    form->mode = Add;
    form->tpIndex = tps.size();
    form->title = formatTitle("   Add New TP n\xB0 : %02d", tps.size() + 1);
    form->frequencyText = std::to_string(kMinFrequency);
    form->symbolRateText = "27500";
    form->tidText = "0";
    form->polarisation = TransponderRecord::PolV;
    form->fec = TransponderRecord::FecAuto;
    return form;
}

std::optional<TransponderForm::Box> TransponderForm::firstInvalid(MessageSink& messages) const {
    if (!validateUnsigned(frequencyText, kMinFrequency, kMaxFrequency, messages))
        return Box::Frequency;
    if (!validateUnsigned(symbolRateText, 1, 65535, messages)) return Box::SymbolRate;
    if (!validateUnsigned(tidText, 0, 0xFFFFFFFFu, messages)) return Box::Tid;
    if (!validateMaxChars(name, kNameLength, messages)) return Box::Name;
    return std::nullopt;
}

bool TransponderForm::accept(MessageSink& messages) {
    if (satellite < 0 || static_cast<std::size_t>(satellite) >= satelliteItems.size()) return false;
    if (!validate(messages)) return false;
    // Validated above, so every box holds a number in range.
    record.setSatellite(satellite);
    record.setFrequency(static_cast<std::uint16_t>(*parseUnsignedText(frequencyText)));
    record.setPolarisation(polarisation);
    record.setSymbolRate(static_cast<std::uint16_t>(*parseUnsignedText(symbolRateText)));
    if (fec >= 0) record.setFec(fec);  // no choice made: the stored code stays, not 15
    record.setTid(static_cast<std::uint32_t>(*parseUnsignedText(tidText)));
    record.setName(name.size() > 0 ? static_cast<std::uint8_t>(name[0]) : 0,
                   name.size() > 1 ? static_cast<std::uint8_t>(name[1]) : 0);
    return true;
}

}  // namespace kavro
