#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "RecordingMessageSink.h"
#include "database/ChannelDatabase.h"
#include "database/ImageReader.h"
#include "database/ImageWriter.h"

namespace kavro::test {

// The plain name of a record as the builder wrote it (up to the first NUL).
template <typename Record>
std::string plainName(const Record& record) {
    auto field = record.name();
    std::string out;
    for (auto b : field) {
        if (b == 0) break;
        out += static_cast<char>(b);
    }
    return out;
}

// The channel names a group shows, each member resolved as the views resolve it
// (findChannel on its cached positions); "?" for a member that does not resolve.
inline std::vector<std::string> memberNames(const ChannelDatabase& db, std::size_t g) {
    std::vector<std::string> names;
    for (ChannelRef ref : db.groups.at(g).refs) {
        const ChannelRecord* ch = db.findChannel(ref);
        names.push_back(ch ? plainName(*ch) : "?");
    }
    return names;
}

// Channel names in tree order.
inline std::vector<std::string> channelNames(const ChannelDatabase& db) {
    std::vector<std::string> names;
    for (const auto& s : db.satellites)
        for (const auto& t : s.transponders)
            for (const auto& c : t.channels) names.push_back(plainName(c));
    return names;
}

inline std::vector<std::string> satelliteNames(const ChannelDatabase& db) {
    std::vector<std::string> names;
    for (const auto& s : db.satellites) names.push_back(plainName(s));
    return names;
}

// Writes the image and reads it back into a fresh database, as a save and its reload do.
inline ChannelDatabase writeAndRead(ChannelDatabase db) {
    auto image = writeImage(db);
    EXPECT_TRUE(image.has_value());
    ChannelDatabase back;
    RecordingMessageSink messages;
    EXPECT_EQ(readImage(back, image ? &*image : nullptr, messages), 1);
    EXPECT_TRUE(messages.entries.empty());
    return back;
}

}  // namespace kavro::test
