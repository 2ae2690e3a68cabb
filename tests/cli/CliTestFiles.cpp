#include "CliTestFiles.h"

#include <gtest/gtest.h>

#include "DatabaseBuilder.h"
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

}  // namespace kavro::test
