#include "database/ImageFile.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <random>

#include "database/ByteOrder.h"
#include "database/ImageWriter.h"
#include "database/LocalTime.h"
#include "messages/StringIds.h"

#if defined(__unix__) || defined(__APPLE__)
#include <fcntl.h>
#include <unistd.h>
#define KAVRO_POSIX_FILES 1
#endif

namespace kavro {
namespace fs = std::filesystem;

namespace {

// clang-format off
constexpr const char* kMonths[13] = {"   ", "Jan", "Fev", "Mar", "Avr", "Mai", "Jun",
                                     "Jul", "Aut", "Sep", "Oct", "Nov", "D\xE9" "c"};
// clang-format on

void reportOpenError(const std::string& path, MessageSink& messages) {
    std::error_code ec;
    if (!fs::exists(path, ec))
        messages.showMessage(strings::FileNotFound, path);
    else if (!fs::is_regular_file(path, ec))
        messages.showMessage(strings::FileAccessDenied, path);
    else
        messages.showMessage(strings::FailedToOpenDocument);
}

std::string tempNameBeside(const fs::path& target) {
    std::random_device rd;
    char suffix[32];
    std::snprintf(suffix, sizeof suffix, ".%08x.tmp", rd());
    fs::path tmp = target;
    tmp += suffix;
    return tmp.string();
}

}  // namespace

CalendarDate today() {
    const std::tm local = localTimeNow();
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

std::string saveDateText(const CalendarDate& date) {
    const int month = date.month >= 0 && date.month <= 12 ? date.month : 0;
    char text[32];
    std::snprintf(text, sizeof text, "%02d %s %04d", date.day, kMonths[month], date.year);
    return text;
}

void stampSaveDate(SettingsBlock& settings, const CalendarDate& date) {
    writeFixedText(&settings[image::kDateTextAt], image::kDateTextWidth, saveDateText(date));
    settings[image::kDateTextAt + image::kDateTextWidth - 1] = 0;
}

bool readFile(ChannelDatabase& db, const std::string& path, MessageSink& messages,
              ImageReadReport* report) {
    if (path.empty()) return false;
    // Only plain files: a folder cannot be read, and a pipe or device would block the open.
    std::error_code ec;
    if (fs::exists(path, ec) && !fs::is_regular_file(path, ec)) {
        reportOpenError(path, messages);
        return false;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        reportOpenError(path, messages);
        return false;
    }
    in.seekg(0, std::ios::end);
    const std::streamoff length = in.tellg();
    if (length < 0) {
        messages.showMessage(strings::FailedToOpenDocument);
        return false;
    }
    if (static_cast<std::size_t>(length) < image::kMinFileSize) {
        messages.showMessage(strings::UnsupportedFile, path);
        return false;
    }
    // Nothing past one image is ever looked at, so a huge file costs no more than a normal one.
    const auto toRead =
        static_cast<std::streamsize>(std::min<std::streamoff>(length, image::kSize));
    IrdImage buffer;
    try {
        buffer.resize(static_cast<std::size_t>(toRead));
    } catch (const std::bad_alloc&) {
        return false;
    }
    in.seekg(0);
    in.read(reinterpret_cast<char*>(buffer.data()), toRead);
    if (in.gcount() != toRead) {
        messages.showMessage(strings::FailedToOpenDocument);
        return false;
    }
    in.close();

    if (readU32(buffer.data() + image::kVersionOffset) != image::kDataVersion) {
        messages.showMessage(strings::WrongDataVersion);
        return false;
    }
    if (readU32(buffer.data() + image::kMagicOffset) == image::kMagic &&
        readImage(db, &buffer, messages, report))
        return true;
    messages.showMessage(strings::UnsupportedFile, path);
    return false;
}

bool writeFileAtomically(const std::string& path, const std::uint8_t* data, std::size_t size,
                         std::string* reason) {
    auto fail = [&](const std::string& why) {
        if (reason) *reason = why;
        return false;
    };
    const fs::path target(path);
    std::error_code ec;
    if (fs::is_directory(target, ec)) return fail("it is a folder");
    const std::string tmp = tempNameBeside(target);

#ifdef KAVRO_POSIX_FILES
    int fd = ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) return fail(std::strerror(errno));
    std::size_t done = 0;
    while (done < size) {
        ssize_t n = ::write(fd, data + done, size - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            const std::string why = std::strerror(n < 0 ? errno : ENOSPC);
            ::close(fd);
            ::unlink(tmp.c_str());
            return fail(why);
        }
        done += static_cast<std::size_t>(n);
    }
    if (::fsync(fd) != 0 || ::close(fd) != 0) {
        const std::string why = std::strerror(errno);
        ::unlink(tmp.c_str());
        return fail(why);
    }
#else
    {
        std::ofstream out(tmp, std::ios::binary | std::ios::trunc);
        if (!out) return fail("the file cannot be created");
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
        out.close();
        if (!out) {
            fs::remove(tmp, ec);
            return fail("the disk may be full");
        }
    }
#endif
    // Keep the permissions of the file being replaced.
    if (fs::exists(target, ec)) {
        auto perms = fs::status(target, ec).permissions();
        if (!ec) fs::permissions(tmp, perms, ec);
    }
    fs::rename(tmp, target, ec);
    if (ec) {
        std::error_code ignored;
        fs::remove(tmp, ignored);
        return fail(ec.message());
    }
    return true;
}

bool writeFile(const ChannelDatabase& db, const std::string& path, MessageSink& messages,
               const std::optional<CalendarDate>& date) {
    if (path.empty()) return false;
    if (auto exceeded = findCapacityExceeded(db)) {
        messages.showMessageNumber(exceeded->stringId, static_cast<long long>(exceeded->limit));
        return false;
    }
    SettingsBlock settings = db.settings;
    stampSaveDate(settings, date ? *date : today());
    std::optional<IrdImage> image = writeImage(db, settings);
    if (!image) return false;
    std::string reason;
    if (!writeFileAtomically(path, image->data(), image->size(), &reason)) {
        messages.showMessage(strings::FileWriteError, path + ": " + reason);
        return false;
    }
    return true;
}

}  // namespace kavro
