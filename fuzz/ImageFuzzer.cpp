// Hostile image files: the opener's checks and the reader (through a real file), the image
// check, then the writer on whatever was read. What the writer makes of any readable file must
// pass the image check, and reading it back and writing again must give the same image.
#include <algorithm>
#include <optional>

#include "DatabaseBuilder.h"
#include "FuzzSupport.h"
#include "database/ImageCheck.h"
#include "database/ImageFile.h"
#include "database/ImageReader.h"
#include "database/ImageWriter.h"
#include "editing/DemoDatabase.h"
#include "messages/MessageSink.h"

namespace kavro::fuzz {
namespace {

// Below this size an input is a list of changes to a sound image rather than a file: small
// inputs then reach the records, counts and references instead of failing the length check.
constexpr std::size_t kPatchInputLimit = 4096;

const std::vector<IrdImage>& baseImages() {
    static const std::vector<IrdImage> images = [] {
        ChannelDatabase demo;
        buildDemoDatabase(demo);
        test::RandomShape wide;
        wide.maxSatellites = 40;
        return std::vector<IrdImage>{test::makeImage(demo),
                                     test::makeImage(test::makeRandomDatabase(5)),
                                     test::makeImage(test::makeRandomDatabase(6, wide))};
    }();
    return images;
}

// [base][cut: 3 bytes, 0 = none] then (offset: 3 bytes, length, bytes) ... with offsets taken
// modulo the image size.
IrdImage patchedImage(FuzzInput in) {
    IrdImage image = baseImages()[in.byte() % baseImages().size()];
    const std::uint32_t cut = in.u24();
    while (!in.empty()) {
        const std::size_t at = in.u24() % image.size();
        const std::span<const std::uint8_t> bytes = in.take(in.byte());
        std::copy_n(bytes.begin(), std::min(bytes.size(), image.size() - at), image.begin() + at);
    }
    if (cut > 0 && cut < image.size()) image.resize(cut);
    return image;
}

std::string problemsOf(const ImageCheckResult& check) {
    std::string text;
    for (const std::string& p : check.problems) text += "\n  " + p;
    return text;
}

}  // namespace
}  // namespace kavro::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace kavro;
    using namespace kavro::fuzz;
    const IrdImage file =
        size < kPatchInputLimit ? patchedImage(FuzzInput(data, size)) : IrdImage(data, data + size);

    SilentMessageSink messages;
    ChannelDatabase db;
    bool opened = false;
    {
        const MemoryFile onDisk(file);
        opened = readFile(db, onDisk.path(), messages);
    }
    const ImageCheckResult check =
        checkImage(file.data(), std::min(file.size(), image::kSize), file.size());
    require(opened == check.fileAccepted, "the opener and the image check to agree on the file");
    if (!opened) {
        require(db == ChannelDatabase{}, "a refused file to leave the database as it was");
        return 0;
    }

    const std::optional<IrdImage> written = writeImage(db);
    require(written.has_value(), "whatever the reader kept to fit the image");
    const ImageCheckResult again = checkImage(*written);
    require(again.ok() && again.fileAccepted,
            "the written image to pass the image check:" + problemsOf(again));

    ChannelDatabase reread;
    require(readImage(reread, &*written, messages) == 1, "the written image to read back");
    const std::optional<IrdImage> rewritten = writeImage(reread);
    require(rewritten && *rewritten == *written, "writing what was read back to change nothing");
    return 0;
}
