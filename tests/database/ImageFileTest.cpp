#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <functional>

#include "DatabaseBuilder.h"
#include "RecordingMessageSink.h"
#include "TemporaryDirectory.h"
#include "database/ByteOrder.h"
#include "database/ImageFile.h"
#include "messages/StringIds.h"

namespace kavro {
namespace {

using namespace image;
namespace fs = std::filesystem;

class ImageFileTest : public ::testing::Test {
protected:
    std::string write(const std::string& name, const IrdImage& bytes) {
        EXPECT_TRUE(test::writeBytes(dir.file(name), bytes));
        return dir.file(name);
    }
    long filesInDir() const {
        return std::distance(fs::directory_iterator(dir.path()), fs::directory_iterator());
    }

    test::TemporaryDirectory dir;
    test::RecordingMessageSink messages;
    const ChannelDatabase previous = test::makeRandomDatabase(21);
    ChannelDatabase db = previous;
};

TEST_F(ImageFileTest, ReadFileRefusesEachFailingCheckWithItsMessageAndKeepsTheDatabase) {
    EXPECT_FALSE(readFile(db, "", messages));
    IrdImage img = test::makeImage(test::makeRandomDatabase(22));
    IrdImage badVersion = img, badMagic = img;
    writeU32(&badVersion[kVersionOffset], 0x8208);
    badMagic[kMagicOffset + 3] = 0x05;
    IrdImage bothBad = badVersion;
    writeU32(&bothBad[kMagicOffset], 0);
    const std::string version =
        "Invalidate File or DATA version is different.\nPlease make sure that it is the good file!";
    const std::string unsupported =
        "The File '%s' is cannot be identified as a supported type.\n"
        "Please make sure that it is the good file!";
    const struct {
        std::string path;
        int id;
        std::string text;  // "%s" stands for the path
    } cases[] = {
        {dir.file("missing.ird"), strings::FileNotFound,
         "%s was not found.\nNo such file or directory"},
        {dir.path().string(), strings::FileAccessDenied, "%s cannot be accessed.\nIs a directory"},
        {write("short.ird", IrdImage(img.begin(), img.begin() + kMinFileSize - 1)),
         strings::UnsupportedFile, unsupported},
        {write("empty.ird", {}), strings::UnsupportedFile, unsupported},
        {write("version.ird", badVersion), strings::WrongDataVersion, version},
        {write("both.ird", bothBad), strings::WrongDataVersion, version},  // version first
        {write("magic.ird", badMagic), strings::UnsupportedFile, unsupported},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        messages.entries.clear();
        EXPECT_FALSE(readFile(db, c.path, messages));
        ASSERT_EQ(messages.ids(), std::vector<int>{c.id});
        std::string text = c.text;
        if (auto at = text.find("%s"); at != std::string::npos) text.replace(at, 2, c.path);
        EXPECT_EQ(messages.entries[0].text, text);
        EXPECT_EQ(db, previous) << "a failed open keeps the database";
    }
    // The shortest file and a longer one are read as the image they start with.
    ChannelDatabase fromImage;
    ASSERT_EQ(readImage(fromImage, &img, messages), 1);
    for (std::size_t size : {kMinFileSize, kSize + 4096}) {
        img.resize(size, 0xEE);
        ASSERT_TRUE(readFile(db, write("file.ird", img), messages)) << size;
        EXPECT_EQ(test::firstDifference(db, fromImage), "");
    }
}

TEST_F(ImageFileTest, WriteFileWritesOneStampedImageOrSaysWhyAndKeepsTheOldFileAndDatabase) {
    const std::string path = dir.file("ChData.ird");
    ASSERT_TRUE(writeFile(db, path, messages, CalendarDate{2026, 12, 25}));
    EXPECT_TRUE(messages.entries.empty());
    ChannelDatabase stamped = previous;
    std::memcpy(&stamped.settings[12], "25 D\xE9\x63 2026", 12);  // with its NUL, nothing more
    EXPECT_TRUE(test::readBytes(path) == test::makeImage(stamped));
    EXPECT_EQ(db, previous) << "the date, counts and links go into the file only";
    EXPECT_EQ(saveDateText({2026, 2, 5}), "05 Fev 2026");
    EXPECT_EQ(saveDateText({1999, 0, 31}), "31     1999");
    EXPECT_EQ(filesInDir(), 1) << "no temporary file left beside it";
    // A name so long that no temporary name beside it can be made: the save fails before
    // anything reaches the existing file (and does so even for a privileged user).
    const IrdImage old(1000, 0x42);
    const std::string longName = write(std::string(250, 'k') + ".ird", old);
    EXPECT_FALSE(writeFile(db, longName, messages));
    // A folder in the way; a database beyond a capacity.
    fs::create_directory(dir.file("folder.ird"));
    EXPECT_FALSE(writeFile(db, dir.file("folder.ird"), messages));
    EXPECT_EQ(db, previous);
    db.satellites.resize(361);
    const ChannelDatabase tooBig = db;
    EXPECT_FALSE(writeFile(db, path, messages));
    EXPECT_EQ(db, tooBig) << "a refused save stamps nothing";
    using namespace strings;
    EXPECT_EQ(messages.ids(),
              (std::vector<int>{FileWriteError, FileWriteError, TooManySatellites}));
    EXPECT_NE(messages.entries[0].text.find(longName), std::string::npos);
    EXPECT_EQ(messages.entries[2].text, "The receiver holds at most 360 satellites.");
    EXPECT_TRUE(test::readBytes(longName) == old);
    EXPECT_TRUE(fs::is_directory(dir.file("folder.ird")));
    EXPECT_TRUE(test::readBytes(path) == test::makeImage(stamped));
    EXPECT_EQ(filesInDir(), 3);
}

// What `run` returns, run as an unprivileged user: root may write anywhere, which would hide
// the refusals a user meets.
std::string asUser(const std::function<std::string()>& run) {
    if (::geteuid() != 0) return run();
    int fds[2];
    if (::pipe(fds) != 0) return "no pipe";
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::close(fds[0]);
        if (::setgid(65534) != 0 || ::setuid(65534) != 0) ::_exit(2);
        const std::string result = run();
        const bool sent = ::write(fds[1], result.data(), result.size()) == ssize_t(result.size());
        ::_exit(sent ? 0 : 3);
    }
    ::close(fds[1]);
    std::string result;
    char buffer[512];
    for (ssize_t n; (n = ::read(fds[0], buffer, sizeof buffer)) > 0;) result.append(buffer, n);
    ::close(fds[0]);
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? result : "the user's run failed";
}

// "saved", or the message the save showed.
std::string saveOutcome(const ChannelDatabase& db, const std::string& path) {
    test::RecordingMessageSink messages;
    if (writeFile(db, path, messages)) return "saved";
    return messages.entries.empty() ? "refused silently" : messages.entries.back().text;
}

std::string writeError(const std::string& path, const std::string& reason) {
    return "An error occurred while writing " + path + ".\n" + reason;
}

TEST_F(ImageFileTest, SaveThroughLinksWritesTheirTargetAndKeepsTheLinks) {
    ChannelDatabase stamped = previous;
    stampSaveDate(stamped.settings, today());
    const std::string real = write("real.ird", IrdImage(1000, 0x42));
    fs::permissions(real, fs::perms(0640));
    fs::create_directory(dir.file("sub"));
    fs::create_symlink("real.ird", dir.file("link.ird"));
    fs::create_symlink("../link.ird", dir.file("sub/chain.ird"));
    fs::create_symlink("made.ird", dir.file("dangling.ird"));
    fs::create_symlink("loop-b.ird", dir.file("loop-a.ird"));
    fs::create_symlink("loop-a.ird", dir.file("loop-b.ird"));

    ASSERT_EQ(saveOutcome(db, dir.file("sub/chain.ird")), "saved");
    EXPECT_TRUE(fs::is_symlink(dir.file("sub/chain.ird")));
    EXPECT_TRUE(fs::is_symlink(dir.file("link.ird")));
    EXPECT_EQ(fs::read_symlink(dir.file("link.ird")), "real.ird");
    EXPECT_TRUE(test::readBytes(real) == test::makeImage(stamped));
    EXPECT_EQ(fs::status(real).permissions(), fs::perms(0640)) << "the file keeps its mode";

    ASSERT_EQ(saveOutcome(db, dir.file("dangling.ird")), "saved");
    EXPECT_TRUE(fs::is_symlink(dir.file("dangling.ird")));
    EXPECT_EQ(test::readBytes(dir.file("made.ird")).size(), kSize);

    EXPECT_EQ(saveOutcome(db, dir.file("loop-a.ird")),
              writeError(dir.file("loop-a.ird"), "Too many levels of symbolic links"));
    // Nothing left beside the targets: 4 links (2 of them looping), 2 files, the folder.
    EXPECT_EQ(filesInDir(), 7);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.file("sub")), fs::directory_iterator()), 1);
}

// A save never replaces a folder, a fifo or a socket with a file, and an open never blocks on
// a fifo.
TEST_F(ImageFileTest, SaveAndOpenRefuseWhatIsNotAFile) {
    const std::string fifo = dir.file("fifo.ird");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
    const std::string socketPath = dir.file("socket.ird");
    const int sock = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, socketPath.c_str(), sizeof address.sun_path - 1);
    ASSERT_EQ(::bind(sock, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    const std::string folder = dir.file("folder.ird");
    fs::create_directory(folder);

    EXPECT_EQ(saveOutcome(db, fifo), writeError(fifo, "Is a named pipe, not a file"));
    EXPECT_EQ(saveOutcome(db, socketPath), writeError(socketPath, "Is a socket, not a file"));
    EXPECT_EQ(saveOutcome(db, folder), writeError(folder, "Is a directory"));
    EXPECT_FALSE(readFile(db, fifo, messages));
    EXPECT_EQ(messages.entries.back().text,
              fifo + " cannot be accessed.\nIs a named pipe, not a file");
    ::close(sock);

    EXPECT_TRUE(fs::is_fifo(fifo));
    EXPECT_TRUE(fs::is_socket(socketPath));
    EXPECT_TRUE(fs::is_empty(folder));
    EXPECT_EQ(filesInDir(), 3);
    EXPECT_EQ(db, previous);
}

TEST_F(ImageFileTest, SaveRefusesADeviceNodeAndLeavesItAlone) {
    const std::string node = dir.file("null.ird");
    if (::mknod(node.c_str(), S_IFCHR | 0666, makedev(1, 3)) != 0)
        GTEST_SKIP() << "no permission to make a device node: " << std::strerror(errno);
    EXPECT_EQ(saveOutcome(db, node), writeError(node, "Is a device, not a file"));
    struct stat info {};
    ASSERT_EQ(::lstat(node.c_str(), &info), 0);
    EXPECT_TRUE(S_ISCHR(info.st_mode));
    EXPECT_EQ(info.st_rdev, makedev(1, 3));
    EXPECT_EQ(filesInDir(), 1);
}

// The old file stays whole and the message names the system's reason.
TEST_F(ImageFileTest, SaveWhereTheUserMayNotWriteKeepsTheOldFileAndSaysWhy) {
    const IrdImage old(1000, 0x42);
    fs::create_directory(dir.file("locked"));
    const std::string inLocked = dir.file("locked/ChData.ird");
    ASSERT_TRUE(test::writeBytes(inLocked, old));
    fs::permissions(inLocked, fs::perms(0666));  // only the folder stands in the way
    fs::permissions(dir.file("locked"), fs::perms(0555));
    fs::permissions(dir.path(), fs::perms(0777));
    const std::string readOnly = write("read-only.ird", old);
    fs::permissions(readOnly, fs::perms(0444));
    const std::string unreadable = write("unreadable.ird", test::makeImage(previous));
    fs::permissions(unreadable, fs::perms(0));

    EXPECT_EQ(asUser([&] { return saveOutcome(db, inLocked); }),
              writeError(inLocked, "Permission denied"));
    EXPECT_EQ(asUser([&] { return saveOutcome(db, readOnly); }),
              writeError(readOnly, "Permission denied"));
    EXPECT_EQ(asUser([&] {
                  ChannelDatabase read;
                  test::RecordingMessageSink m;
                  return readFile(read, unreadable, m) ? "read" : m.entries.back().text;
              }),
              unreadable + " cannot be accessed.\nPermission denied");
    EXPECT_TRUE(test::readBytes(inLocked) == old);
    EXPECT_TRUE(test::readBytes(readOnly) == old);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.file("locked")), fs::directory_iterator()),
              1);
    EXPECT_EQ(filesInDir(), 3);
    fs::permissions(dir.file("locked"), fs::perms(0755));
}

}  // namespace
}  // namespace kavro
