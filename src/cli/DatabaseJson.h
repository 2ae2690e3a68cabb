#pragma once

#include "cli/JsonWriter.h"
#include "database/ChannelDatabase.h"

namespace kavro::cli {

// JSON objects of the records, with every interpreted field; names decoded to UTF-8.
// Each writes one value (an object) where the writer stands.
void writeSatelliteFields(JsonWriter& json, const SatelliteRecord& sat);  // without transponders
void writeTransponderFields(JsonWriter& json, const TransponderRecord& tp);  // without channels
void writeChannelJson(JsonWriter& json, const ChannelRecord& ch);

// The whole database: settings counts, satellites with transponders and channels, groups with
// their members (each resolved by its channel number).
void writeDatabaseJson(JsonWriter& json, const ChannelDatabase& db);

}  // namespace kavro::cli
