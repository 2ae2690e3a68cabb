#include "CliTestFiles.h"

#include <gtest/gtest.h>

#include "DatabaseBuilder.h"
#include "RecordingMessageSink.h"
#include "database/ImageFile.h"
#include "editing/DemoDatabase.h"

namespace kavro::test {

IrdImage demoImage() {
    ChannelDatabase db;
    buildDemoDatabase(db);
    return makeImage(db);
}

void writeImageFile(const std::string& path, const IrdImage& image) {
    ASSERT_TRUE(writeBytes(path, image)) << path;
}

ChannelDatabase readDatabase(const std::string& path) {
    ChannelDatabase db;
    RecordingMessageSink messages;
    EXPECT_TRUE(readFile(db, path, messages)) << path;
    return db;
}

}  // namespace kavro::test
