#include "editing/SatelliteForm.h"

#include <charconv>
#include <cmath>
#include <cstdio>

#include "arabic/ReceiverName.h"
#include "messages/DialogValidation.h"
#include "messages/StringIds.h"
#include "messages/StringTable.h"

namespace kavro {

namespace {

int listPosition(int value, std::size_t items) {
    return value >= 0 && static_cast<std::size_t>(value) < items ? value : -1;
}

std::string positionText(double degrees) {
    char out[32];
    std::snprintf(out, sizeof out, "%02.1f", degrees);
    return out;
}

}  // namespace

SatelliteForm SatelliteForm::forEdit(std::size_t index, const SatelliteRecord& stored) {
    SatelliteForm form;
    form.mode = Edit;
    form.index = index;
    form.record = stored;
    form.title = formatTitle("   Edit satellite n\xB0 : %02d", index + 1);
    form.name = NameBox::open(decodeReceiverName(stored.name()), stored.name());
    form.loadFromRecord();
    return form;
}

std::optional<SatelliteForm> SatelliteForm::forAdd(const ChannelDatabase& db,
                                                   MessageSink& messages) {
    if (db.satellites.size() >= image::kMaxSatellites) {
        messages.showMessageNumber(strings::TooManySatellites, image::kMaxSatellites);
        return std::nullopt;
    }
    SatelliteForm form;
    form.mode = Add;
    form.index = db.satellites.size();
    form.title = formatTitle("   Add New satellite n\xB0 : %02d", db.satCount() + 1u);
    form.name = NameBox::open(std::string(stringText(strings::NewItemName)), form.record.name());
    form.lnbType = 1;
    form.lnbLowText = std::to_string(SatelliteRecord::kUniversalLow);
    form.lnbHighText = std::to_string(SatelliteRecord::kUniversalHigh);
    form.positionText = "0.0";
    form.power = true;
    return form;
}

void SatelliteForm::loadFromRecord() {
    lnbType = record.universalLnb() ? 1 : 0;
    lnbLowText = std::to_string(record.lnbLow());
    lnbHighText = std::to_string(record.lnbHigh());
    diseqc = listPosition(record.diseqcPort(), kDiseqcPorts.size());
    positioner = listPosition(record.positioner(), kPositioners.size());
    positionText = kavro::positionText(record.positionDegrees());
    eastWest = record.west() ? 1 : 0;
    tone22k = record.tone22k();
    output12V = record.output12V();
    power = record.lnbPower();
    chosen = record.chosen();
    grouped = record.grouped();
}

void SatelliteForm::chooseLnbType(int type) {
    lnbType = type;
    if (type == 0) {
        lnbLowText = "0";
        lnbHighText = std::to_string(SatelliteRecord::kStandardHigh);
    } else {
        lnbLowText = std::to_string(SatelliteRecord::kUniversalLow);
        lnbHighText = std::to_string(SatelliteRecord::kUniversalHigh);
    }
}

std::optional<SatelliteForm::Box> SatelliteForm::restoreOriginal(MessageSink& messages) {
    auto bad = firstInvalid(messages);
    name.restore();
    return bad;
}

std::optional<SatelliteForm::Box> SatelliteForm::firstInvalid(MessageSink& messages) const {
    if (!validateUnsigned(lnbLowText, 0, 65535, messages)) return Box::LnbLow;
    if (!validateUnsigned(lnbHighText, 0, 65535, messages)) return Box::LnbHigh;
    return std::nullopt;
}

bool SatelliteForm::accept(MessageSink& messages) {
    if (name.empty()) return false;
    auto low = validateUnsigned(lnbLowText, 0, 65535, messages);
    if (!low) return false;
    auto high = validateUnsigned(lnbHighText, 0, 65535, messages);
    if (!high) return false;

    if (mode == Add || name.changed()) encodeReceiverName(name.text, record.name());
    record.setUniversalLnb(lnbType == 1);
    // A list left without a choice (the stored value matches no item) keeps the stored value
    // rather than writing -1 into the record.
    if (positioner >= 0) record.setPositioner(positioner);
    if (diseqc >= 0) record.setDiseqcPort(diseqc);
    record.setLnbHigh(static_cast<std::uint16_t>(*high));
    record.setLnbLow(static_cast<std::uint16_t>(*low));
    record.setWest(eastWest == 1);
    record.setPosition(storedPosition(leadingDecimal(positionText), eastWest == 1));
    record.setOutput12V(output12V);
    record.setTone22k(tone22k);
    record.setChosen(chosen);
    record.setLnbPower(power);
    record.setGrouped(grouped);
    return true;
}

double leadingDecimal(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    const std::size_t start = i;
    auto digitsAt = [&](std::size_t& k) {
        std::size_t from = k;
        while (k < text.size() && text[k] >= '0' && text[k] <= '9') ++k;
        return k - from;
    };
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    std::size_t digits = digitsAt(i);
    if (i < text.size() && text[i] == '.') {
        ++i;
        digits += digitsAt(i);
    }
    if (digits == 0) return 0.0;
    std::size_t end = i;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t k = i + 1;
        if (k < text.size() && (text[k] == '+' || text[k] == '-')) ++k;
        if (digitsAt(k) > 0) end = k;
    }
    std::string_view number = text.substr(start, end - start);
    if (number.front() == '+') number.remove_prefix(1);
    double value = 0.0;
    auto [p, ec] = std::from_chars(number.data(), number.data() + number.size(), value);
    // Beyond what a double holds: no sensible position, treat like "not a number".
    if (ec != std::errc() || !std::isfinite(value)) return 0.0;
    return value;
}

std::uint16_t storedPosition(double degrees, bool west) {
    double tenths = std::fmod(std::round(degrees * 10.0), 65536.0);
    if (!std::isfinite(tenths)) tenths = 0.0;
    if (tenths < 0) tenths += 65536.0;
    auto t = static_cast<std::uint16_t>(static_cast<std::uint32_t>(tenths) & 0xFFFF);
    return west ? static_cast<std::uint16_t>(0x10000u - t) : t;
}

}  // namespace kavro
