#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// Shared pieces of the fuzz harnesses: reading structured values from the fuzzer's bytes,
// files the code under test can open by name, and the check that ends a run with a report.
namespace kavro::fuzz {

// The fuzzer's bytes, read front to back; reads past the end give zeros.
class FuzzInput {
public:
    FuzzInput(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    bool empty() const { return at_ >= size_; }
    std::size_t left() const { return empty() ? 0 : size_ - at_; }
    std::uint8_t byte() { return empty() ? 0 : data_[at_++]; }
    std::uint16_t u16() { return static_cast<std::uint16_t>(byte() << 8 | byte()); }
    std::uint32_t u24() { return static_cast<std::uint32_t>(u16()) << 8 | byte(); }
    // Up to `count` bytes.
    std::span<const std::uint8_t> take(std::size_t count);
    std::span<const std::uint8_t> rest() { return take(left()); }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t at_ = 0;
};

// A file in memory with a path the program can open like any other (/proc/self/fd/N); gone
// when the object is.
class MemoryFile {
public:
    explicit MemoryFile(std::span<const std::uint8_t> bytes);
    ~MemoryFile();
    MemoryFile(const MemoryFile&) = delete;
    MemoryFile& operator=(const MemoryFile&) = delete;
    const std::string& path() const { return path_; }

private:
    int fd_ = -1;
    std::string path_;
};

// Ends the run as a finding when `condition` is false: prints what was expected and aborts,
// which the fuzzer (or the replay test) reports with the input that did it.
void require(bool condition, std::string_view what);

// Files of a directory, or the file itself, in name order.
std::vector<std::string> inputFiles(const std::string& path);
std::vector<std::uint8_t> readInput(const std::string& path);

}  // namespace kavro::fuzz

// The harness every fuzz program defines, as libFuzzer calls it.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);
