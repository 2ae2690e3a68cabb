#include "cli/DatabaseJson.h"

#include "cli/RecordText.h"
#include "database/ChannelNumberIndex.h"

namespace kavro::cli {

void writeSatelliteFields(JsonWriter& json, const SatelliteRecord& sat) {
    json.field("name", nameText(sat.name()));
    json.field("nameCoding", nameCodingText(sat.name()));
    json.field("position", sat.positionDegrees(), 1);
    json.field("hemisphere", sat.west() ? "W" : "E");
    json.field("positionText", positionText(sat));
    json.key("lnb");
    json.beginObject();
    json.field("type", lnbTypeText(sat));
    json.field("lowMHz", sat.lnbLow());
    json.field("highMHz", sat.lnbHigh());
    json.field("power", sat.lnbPower());
    json.field("tone22kHz", sat.tone22k());
    json.field("output12V", sat.output12V());
    json.endObject();
    json.field("diseqcPort", sat.diseqcPort());
    json.field("diseqc", diseqcText(sat.diseqcPort()));
    json.field("positionerCode", sat.positioner());
    json.field("positioner", positionerText(sat.positioner()));
    json.field("chosen", sat.chosen());
    json.field("grouped", sat.grouped());
}

void writeTransponderFields(JsonWriter& json, const TransponderRecord& tp) {
    json.field("imagePosition", tp.index);
    json.field("frequencyMHz", tp.frequency());
    json.field("polarisation", tp.polarisationText());
    json.field("symbolRateKsps", tp.symbolRate());
    json.field("fecCode", tp.fec());
    json.field("fec", fecText(tp.fec()));
    json.field("tid", tp.tid());
    json.field("label", tp.label());
}

void writeChannelJson(JsonWriter& json, const ChannelRecord& ch) {
    json.beginObject();
    json.field("number", ch.number);
    json.field("name", nameText(ch.name()));
    json.field("nameCoding", nameCodingText(ch.name()));
    json.field("type", serviceTypeText(ch.serviceType()));
    json.field("typeCode", ch.serviceType());
    json.field("crypted", ch.crypted());
    json.field("locked", ch.locked());
    json.field("ageLimit", ch.ageLimit());
    json.field("serviceId", ch.serviceId());
    json.key("pids");
    json.beginObject();
    json.field("pmt", ch.pmtPid());
    json.field("video", ch.videoPid());
    json.field("audio", ch.audioPid());
    json.field("pcr", ch.pcrPid());
    json.field("teletext", ch.teletextPid());
    json.field("ac3", ch.ac3Pid());
    json.field("x", ch.xPid());
    json.endObject();
    json.field("audioLanguage", ch.audioLanguage());
    json.key("ecmSlots");
    json.beginArray(true);
    for (int slot : ecmSlots(ch)) json.value(slot);
    json.endArray();
    json.endObject();
}

void writeDatabaseJson(JsonWriter& json, const ChannelDatabase& db) {
    json.beginObject();
    json.field("dataVersion", db.dataVersion());
    json.field("dateText", dateText(db));
    json.key("settingsCounts");
    json.beginObject();
    json.field("groups", db.groupCount());
    json.field("satellites", db.satCount());
    json.field("transponders", db.tpCount());
    json.field("channels", db.channelCount());
    json.endObject();

    json.key("satellites");
    json.beginArray();
    for (std::size_t s = 0; s < db.satellites.size(); ++s) {
        const SatelliteRecord& sat = db.satellites[s];
        json.beginObject();
        json.field("index", s);
        writeSatelliteFields(json, sat);
        json.key("transponders");
        json.beginArray();
        for (std::size_t t = 0; t < sat.transponders.size(); ++t) {
            const TransponderRecord& tp = sat.transponders[t];
            json.beginObject();
            json.field("index", t);
            writeTransponderFields(json, tp);
            json.key("channels");
            json.beginArray();
            for (const ChannelRecord& ch : tp.channels) writeChannelJson(json, ch);
            json.endArray();
            json.endObject();
        }
        json.endArray();
        json.endObject();
    }
    json.endArray();

    const ChannelNumberIndex index(db);
    json.key("groups");
    json.beginArray();
    for (std::size_t g = 0; g < db.groups.size(); ++g) {
        const GroupRecord& group = db.groups[g];
        json.beginObject();
        json.field("index", g);
        json.field("name", nameText(group.name()));
        json.field("nameCoding", nameCodingText(group.name()));
        json.field("kind", groupKindText(group));
        json.field("count", group.count());
        json.key("members");
        json.beginArray();
        for (const ChannelRef& ref : group.refs) {
            json.beginObject();
            json.field("number", ref.number);
            if (const auto* at = index.find(ref.number)) {
                json.field("name", nameText(db.channelAt(at->place)->name()));
                json.field("satellite", at->place.satIndex);
                json.field("transponder", at->place.tpIndex);
                json.field("channel", at->place.chIndex);
            } else {
                json.key("name");
                json.null();
            }
            json.endObject();
        }
        json.endArray();
        json.endObject();
    }
    json.endArray();
    json.endObject();
}

}  // namespace kavro::cli
