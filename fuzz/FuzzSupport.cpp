#include "FuzzSupport.h"

#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace kavro::fuzz {

std::span<const std::uint8_t> FuzzInput::take(std::size_t count) {
    const std::size_t n = std::min(count, left());
    std::span<const std::uint8_t> out(data_ + at_, n);
    at_ += n;
    return out;
}

MemoryFile::MemoryFile(std::span<const std::uint8_t> bytes) {
    fd_ = ::memfd_create("kavro-fuzz", MFD_CLOEXEC);
    require(fd_ >= 0, "a memory file can be made");
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd_, bytes.data() + done, bytes.size() - done);
        require(n > 0, "a memory file can be written");
        done += static_cast<std::size_t>(n);
    }
    path_ = "/proc/self/fd/" + std::to_string(fd_);
}

MemoryFile::~MemoryFile() {
    if (fd_ >= 0) ::close(fd_);
}

void require(bool condition, std::string_view what) {
    if (condition) return;
    std::fprintf(stderr, "\nFuzz finding: expected %.*s\n", static_cast<int>(what.size()),
                 what.data());
    std::abort();
}

std::vector<std::string> inputFiles(const std::string& path) {
    namespace fs = std::filesystem;
    std::vector<std::string> files;
    std::error_code ec;
    if (fs::is_directory(path, ec)) {
        for (const auto& entry : fs::directory_iterator(path, ec))
            if (entry.is_regular_file()) files.push_back(entry.path().string());
        std::sort(files.begin(), files.end());
    } else if (fs::exists(path, ec)) {
        files.push_back(path);
    }
    return files;
}

std::vector<std::uint8_t> readInput(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace kavro::fuzz
