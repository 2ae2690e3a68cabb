#include "database/ImageCheck.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "database/ByteOrder.h"
#include "database/ChannelRecord.h"
#include "database/Crc32Mpeg2.h"
#include "database/GroupRecord.h"
#include "database/ImageReader.h"
#include "database/TransponderRecord.h"

namespace kavro {
namespace {

using namespace image;

// A hostile image can hold ~100,000 dangling references; list the first ones of each kind.
constexpr std::size_t kListLimit = 10;

// The count fields, as offsets into the image.
constexpr std::size_t kImageGroupCountAt = kSettingsOffset + kGroupCountAt;
constexpr std::size_t kImageSatCountAt = kSettingsOffset + kSatCountAt;
constexpr std::size_t kImageTpCountAt = kSettingsOffset + kTpCountAt;
constexpr std::size_t kImageChannelCountAt = kSettingsOffset + kChannelCountAt;

std::string hex(std::uint64_t value, int digits) {
    char text[32];
    std::snprintf(text, sizeof text, "0x%0*llX", digits, static_cast<unsigned long long>(value));
    return text;
}

std::string num(std::size_t value) {
    return std::to_string(value);
}

// Collects the lines of one kind of problem, keeping the first few and counting the rest.
class ProblemList {
public:
    ProblemList(std::vector<std::string>& out, std::string restText)
        : out_(out), restText_(std::move(restText)) {}
    ~ProblemList() {
        if (count_ > kListLimit)
            out_.push_back("... and " + num(count_ - kListLimit) + " more " + restText_);
    }
    void add(const std::string& line) {
        if (++count_ <= kListLimit) out_.push_back(line);
    }

private:
    std::vector<std::string>& out_;
    std::string restText_;
    std::size_t count_ = 0;
};

class Checker {
public:
    Checker(const std::uint8_t* data, std::size_t size, std::size_t fileLength)
        : data_(data), size_(size), fileLength_(fileLength ? fileLength : size) {}

    ImageCheckResult run() {
        checkFile();
        if (size_ < kReadExtent) {
            r_.problems.push_back("The image ends at " + hex(size_, 5) +
                                  ", before the end of the satellite region at " +
                                  hex(kReadExtent, 5) + "; its records and CRCs cannot be checked");
            checkCrcs(0, 0, 0, false);
            return std::move(r_);
        }
        checkCounts();
        checkCrcs(groups_, channels_, transponders_, true);
        checkGroupCounts();
        checkTransponders();
        checkChannels();
        checkGroupSlots();
        noteReader();
        return std::move(r_);
    }

private:
    bool have(std::size_t offset, std::size_t length) const {
        return offset <= size_ && length <= size_ - offset;
    }

    void checkFile() {
        bool accepted = true;
        if (fileLength_ < kMinFileSize) {
            accepted = false;
            r_.problems.push_back("The file is " + num(fileLength_) +
                                  " bytes long, shorter than the " + num(kMinFileSize) +
                                  " bytes (" + hex(kMinFileSize, 5) +
                                  ") of the shortest image the editor opens");
        } else if (fileLength_ != kSize) {
            r_.notes.push_back("The file is " + num(fileLength_) +
                               " bytes long; images written by "
                               "this program are " +
                               num(kSize) + " bytes (" + hex(kSize, 5) + ")");
        }
        if (!have(kVersionOffset, 4)) {
            accepted = false;
            r_.problems.push_back("The file is too short to hold the data version at " +
                                  hex(kVersionOffset, 2));
        } else if (std::uint32_t v = readU32(data_ + kVersionOffset); v != kDataVersion) {
            accepted = false;
            versionOk_ = false;
            r_.problems.push_back("Data version at " + hex(kVersionOffset, 2) + " is " + hex(v, 8) +
                                  ", expected " + hex(kDataVersion, 8));
        } else {
            versionOk_ = true;
        }
        if (!have(kMagicOffset, 4)) {
            accepted = false;
            r_.problems.push_back("The file is too short to hold the magic number at " +
                                  hex(kMagicOffset, 2));
        } else if (std::uint32_t m = readU32(data_ + kMagicOffset); m != kMagic) {
            accepted = false;
            r_.problems.push_back("Magic number at " + hex(kMagicOffset, 2) + " is " + hex(m, 8) +
                                  ", expected " + hex(kMagic, 8));
        }
        r_.fileAccepted = accepted;
    }

    std::size_t countWithin(std::size_t count, std::size_t capacity, const char* field,
                            const char* records) {
        if (count <= capacity) return count;
        r_.problems.push_back(std::string(field) + " " + num(count) + " exceeds the capacity of " +
                              num(capacity) + " " + records + "; only the first " + num(capacity) +
                              " are read");
        return capacity;
    }

    void checkCounts() {
        satCount_ = countWithin(readU16(data_ + kImageSatCountAt), kMaxSatellites, "satCount",
                                "satellites");
        transponders_ = countWithin(readU16(data_ + kImageTpCountAt), kMaxTransponders, "tpCount",
                                    "transponders");
        channels_ = countWithin(readU16(data_ + kImageChannelCountAt), kMaxChannels, "channelCount",
                                "channels");
        groups_ = countWithin(data_[kImageGroupCountAt], kMaxGroups, "groupCount", "groups");
    }

    void checkCrcs(std::size_t groups, std::size_t channels, std::size_t transponders,
                   bool reportProblems) {
        for (const ImageCrc& crc : imageCrcLayout(groups, channels, transponders)) {
            ImageCrcCheck check{crc};
            const std::string range =
                crc.length == 0 ? std::string("empty")
                                : hex(crc.start, 5) + "-" + hex(crc.start + crc.length - 1, 5);
            const std::string what = std::string("CRC of the ") + crc.region +
                                     (crc.usedPartOnly ? " (used part, " : " (whole region, ") +
                                     range + ") at " + hex(crc.storedAt, 5);
            if (have(crc.start, crc.length) && have(crc.storedAt, 4)) {
                check.checked = true;
                check.expected = crc32Mpeg2(data_ + crc.start, crc.length);
                check.stored = readU32(data_ + crc.storedAt);
                if (check.stored != check.expected && reportProblems)
                    r_.problems.push_back(what + ": stored " + hex(check.stored, 8) +
                                          ", expected " + hex(check.expected, 8));
            } else if (reportProblems) {
                r_.problems.push_back(what + " lies beyond the end of the image");
            }
            r_.crcs.push_back(check);
        }
    }

    const std::uint8_t* groupSlot(std::size_t g) const {
        return data_ + kGroupRegion + g * kGroupSlotSize;
    }

    std::size_t groupCount(std::size_t g) const {
        return std::min<std::size_t>(readU16(groupSlot(g) + 10), kMaxGroupMembers);
    }

    void checkGroupCounts() {
        for (std::size_t g = 0; g < groups_; ++g) {
            const std::size_t count = readU16(groupSlot(g) + 10);
            if (count > kMaxGroupMembers)
                r_.problems.push_back("Group at position " + num(g) + " has count " + num(count) +
                                      ", more than its " + num(kMaxGroupMembers) +
                                      " slots; only the first " + num(kMaxGroupMembers) +
                                      " are read");
        }
    }

    void checkTransponders() {
        tpKept_.assign(transponders_, false);
        ProblemList list(r_.problems, "transponders name a satellite out of range");
        for (std::size_t t = 0; t < transponders_; ++t) {
            const auto s = static_cast<std::size_t>(
                TransponderRecord::fromBytes(data_ + kTransponderRegion + t * 16).satellite());
            if (s < satCount_) {
                tpKept_[t] = true;
                continue;
            }
            list.add("Transponder at position " + num(t) + " names satellite " + num(s) +
                     ", but satCount is " + num(satCount_) + ": it is dropped with its channels");
        }
    }

    void checkChannels() {
        chKept_.assign(channels_, false);
        ProblemList outOfRange(r_.problems, "channels name a transponder out of range");
        ProblemList onDropped(r_.problems, "channels name a dropped transponder");
        for (std::size_t c = 0; c < channels_; ++c) {
            const auto t = static_cast<std::size_t>(
                ChannelRecord::fromBytes(data_ + kChannelRegion + c * 44).transponder());
            if (t >= transponders_) {
                outOfRange.add("Channel " + num(c) + " names transponder " + num(t) +
                               ", but tpCount is " + num(transponders_) + ": it is dropped");
            } else if (!tpKept_[t]) {
                onDropped.add("Channel " + num(c) + " names transponder " + num(t) +
                              ", which is dropped: the channel is dropped too");
            } else {
                chKept_[c] = true;
            }
        }
    }

    void checkGroupSlots() {
        ProblemList list(r_.problems, "group slots name a channel out of range");
        for (std::size_t g = 0; g < groups_; ++g) {
            const std::uint8_t* slots = groupSlot(g) + GroupRecord::kHeaderSize;
            const std::size_t count = groupCount(g);
            for (std::size_t j = 0; j < count; ++j) {
                const std::size_t c = readU16(slots + 2 * j);
                if (c >= channels_)
                    list.add("Group at position " + num(g) + ", slot " + num(j) +
                             ", names channel " + num(c) + ", but channelCount is " +
                             num(channels_));
            }
        }
    }

    // What the editor would load: the reader runs on a copy of the part it reads.
    void noteReader() {
        if (!versionOk_) return;
        IrdImage copy(data_, data_ + kReadExtent);
        ChannelDatabase db;
        SilentMessageSink silent;
        ImageReadReport report;
        if (!readImage(db, &copy, silent, &report)) return;
        r_.notes.push_back("The editor reads " + num(db.satellites.size()) + " satellites, " +
                           num(db.transponderTotal()) + " transponders, " + num(db.channelTotal()) +
                           " channels and " + num(db.groups.size()) + " groups");
        if (report.unlinkedReferences > 0)
            r_.notes.push_back(num(static_cast<std::size_t>(report.unlinkedReferences)) +
                               " group references name no channel that is read; a save leaves "
                               "them out");
    }

    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t fileLength_;
    bool versionOk_ = false;
    std::size_t satCount_ = 0, transponders_ = 0, channels_ = 0, groups_ = 0;
    std::vector<bool> tpKept_, chKept_;
    ImageCheckResult r_;
};

}  // namespace

ImageCheckResult checkImage(const std::uint8_t* data, std::size_t size, std::size_t fileLength) {
    if (data == nullptr) size = 0;
    static const std::uint8_t kNothing = 0;
    return Checker(data ? data : &kNothing, size, fileLength).run();
}

ImageCheckResult checkImageFile(const std::string& path) {
    namespace fs = std::filesystem;
    auto failure = [&](const std::string& why) {
        ImageCheckResult r;
        r.problems.push_back("Cannot read '" + path + "': " + why);
        return r;
    };
    if (path.empty()) return failure("no file name given");
    std::error_code ec;
    const fs::file_status status = fs::status(path, ec);
    if (ec || !fs::exists(status)) return failure("the file does not exist");
    if (!fs::is_regular_file(status)) return failure("it is not a regular file");
    const std::uintmax_t length = fs::file_size(path, ec);
    if (ec) return failure(ec.message());

    std::ifstream in(path, std::ios::binary);
    if (!in) return failure(std::strerror(errno));
    IrdImage bytes(static_cast<std::size_t>(std::min<std::uintmax_t>(length, image::kSize)));
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (static_cast<std::size_t>(in.gcount()) != bytes.size())
        return failure("the file could not be read to its end");
    // A length of 0 means "the bytes are the whole file"; an empty file is exactly that.
    return checkImage(bytes.data(), bytes.size(), static_cast<std::size_t>(length));
}

}  // namespace kavro
