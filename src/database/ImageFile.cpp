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
#include "messages/StringTable.h"

#if defined(__unix__) || defined(__APPLE__)
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#define KAVRO_POSIX_FILES 1
#endif

namespace kavro {
namespace fs = std::filesystem;

namespace {

// clang-format off
constexpr const char* kMonths[13] = {"   ", "Jan", "Fev", "Mar", "Avr", "Mai", "Jun",
                                     "Jul", "Aut", "Sep", "Oct", "Nov", "D\xE9\x63"};
// clang-format on

std::string systemReason(int error) {
    return std::strerror(error);
}

// What a path that is neither a regular file nor missing names, as the reason a save or an
// open refuses it.
std::string notAFileReason(fs::file_type type) {
    switch (type) {
        case fs::file_type::directory:
            return systemReason(EISDIR);
        case fs::file_type::block:
        case fs::file_type::character:
            return "Is a device, not a file";
        case fs::file_type::fifo:
            return "Is a named pipe, not a file";
        case fs::file_type::socket:
            return "Is a socket, not a file";
        default:
            return "Not a regular file";
    }
}

void reportOpenError(const std::string& path, int error, MessageSink& messages) {
    const std::string reason = systemReason(error);
    if (error == ENOENT || error == ENOTDIR)
        messages.showMessage(strings::FileNotFound, withReason(path, reason));
    else if (error == EACCES || error == EPERM)
        messages.showMessage(strings::FileAccessDenied, withReason(path, reason));
    else
        messages.showMessage(strings::FailedToOpenDocument, withReason({}, reason));
}

std::string tempNameBeside(const fs::path& target) {
    std::random_device rd;
    char suffix[32];
    std::snprintf(suffix, sizeof suffix, ".%08x.tmp", rd());
    fs::path tmp = target;
    tmp += suffix;
    return tmp.string();
}

#ifdef KAVRO_POSIX_FILES
// After a rename the new name lives in the folder's own data; without this a power cut can
// bring back the old file, or no file at all. Not every file system can sync a folder, and the
// file itself is already in place, so a failure here is not a failed save.
void syncFolderOf(const fs::path& file) {
    fs::path folder = file.parent_path();
    if (folder.empty()) folder = ".";
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}
#endif

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
    // Only plain files: a folder cannot be read, and a fifo or a device would block the open
    // or the read (checked again on the open file, in case it changed in between).
    std::error_code ec;
    const fs::file_status status = fs::status(path, ec);
    if (!ec && fs::exists(status) && !fs::is_regular_file(status)) {
        messages.showMessage(strings::FileAccessDenied,
                             withReason(path, notAFileReason(status.type())));
        return false;
    }
    IrdImage buffer;
#ifdef KAVRO_POSIX_FILES
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0) {
        reportOpenError(path, errno, messages);
        return false;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        const int error = errno;
        ::close(fd);
        messages.showMessage(strings::FileAccessDenied,
                             withReason(path, S_ISDIR(info.st_mode) ? systemReason(EISDIR)
                                              : error != 0          ? systemReason(error)
                                                                    : "Not a regular file"));
        return false;
    }
    const auto length = static_cast<std::uint64_t>(info.st_size);
    if (length < image::kMinFileSize) {
        ::close(fd);
        messages.showMessage(strings::UnsupportedFile, path);
        return false;
    }
    // Nothing past one image is ever looked at, so a huge file costs no more than a normal one.
    const auto toRead = static_cast<std::size_t>(std::min<std::uint64_t>(length, image::kSize));
    try {
        buffer.resize(toRead);
    } catch (const std::bad_alloc&) {
        ::close(fd);
        return false;
    }
    std::size_t done = 0;
    int readError = 0;
    while (done < toRead) {
        const ssize_t n = ::read(fd, buffer.data() + done, toRead - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            readError = n < 0 ? errno : 0;
            break;
        }
        done += static_cast<std::size_t>(n);
    }
    ::close(fd);
    if (done != toRead) {
        // The file shrank under us, or the disk failed.
        messages.showMessage(strings::FailedToOpenDocument,
                             withReason({}, readError ? systemReason(readError) : ""));
        return false;
    }
#else
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        reportOpenError(path, errno ? errno : ENOENT, messages);
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
    const auto toRead =
        static_cast<std::streamsize>(std::min<std::streamoff>(length, image::kSize));
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
#endif

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

std::optional<std::string> saveTarget(const std::string& path, std::string* reason) {
    auto fail = [&](const std::string& why) -> std::optional<std::string> {
        if (reason) *reason = why;
        return std::nullopt;
    };
    if (path.empty()) return fail(systemReason(ENOENT));
    // Follow links by hand: the link itself must stay, and its target may not exist yet.
    constexpr int kMaxLinks = 40;
    fs::path target(path);
    for (int links = 0;; ++links) {
        std::error_code ec;
        const fs::file_status status = fs::symlink_status(target, ec);
        if (status.type() == fs::file_type::not_found) return target.string();
        if (ec) return fail(ec.message());
        if (status.type() == fs::file_type::regular) return target.string();
        if (status.type() != fs::file_type::symlink) return fail(notAFileReason(status.type()));
        if (links == kMaxLinks) return fail(systemReason(ELOOP));
        const fs::path next = fs::read_symlink(target, ec);
        if (ec) return fail(ec.message());
        target = next.is_absolute() ? next : target.parent_path() / next;
    }
}

bool writeFileAtomically(const std::string& path, const std::uint8_t* data, std::size_t size,
                         std::string* reason) {
    auto fail = [&](const std::string& why) {
        if (reason) *reason = why;
        return false;
    };
    std::string why;
    const std::optional<std::string> resolved = saveTarget(path, &why);
    if (!resolved) return fail(why);
    const fs::path target(*resolved);
    const std::string tmp = tempNameBeside(target);

#ifdef KAVRO_POSIX_FILES
    // A file the user may not write is not replaced behind their back, even though the
    // folder would allow the rename.
    struct stat old {};
    const bool replacing = ::stat(target.c_str(), &old) == 0;
    if (replacing && ::access(target.c_str(), W_OK) != 0) return fail(systemReason(errno));

    int fd = ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) return fail(systemReason(errno));
    auto abandon = [&](int error) {
        ::close(fd);
        ::unlink(tmp.c_str());
        return fail(systemReason(error));
    };
    if (replacing) {
        // The new file takes the old one's place with its permissions and, where allowed, its
        // owner (a save by root keeps a user's file theirs).
        if (::fchmod(fd, old.st_mode & 07777) != 0) return abandon(errno);
        // Only a privileged user may give a file away; for anyone else it stays theirs.
        [[maybe_unused]] const int owned = ::fchown(fd, old.st_uid, old.st_gid);
    }
    std::size_t done = 0;
    while (done < size) {
        const ssize_t n = ::write(fd, data + done, size - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return abandon(n < 0 ? errno : ENOSPC);
        done += static_cast<std::size_t>(n);
    }
    if (::fsync(fd) != 0) return abandon(errno);
    if (::close(fd) != 0) {
        const int error = errno;
        ::unlink(tmp.c_str());
        return fail(systemReason(error));
    }
    if (::rename(tmp.c_str(), target.c_str()) != 0) {
        const int error = errno;
        ::unlink(tmp.c_str());
        return fail(systemReason(error));
    }
    syncFolderOf(target);
    return true;
#else
    std::error_code ec;
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
#endif
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
        messages.showMessage(strings::FileWriteError, withReason(path, reason));
        return false;
    }
    return true;
}

}  // namespace kavro
