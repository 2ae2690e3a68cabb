#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kavro {

// A private-profile (INI) text as the name-list file uses it: "[Section]" lines and
// "key=value" lines; comments (";"), blank lines and anything else are kept exactly as they
// stand, so a file edited by hand survives a save. Section and key names compare without
// regard to the case of ASCII letters; values are bytes, never converted. When a section or
// key appears twice, the first one counts, for reading and writing alike.
class PrivateProfileFile {
public:
    enum class ReadResult { Read, Missing, Unreadable };

    struct Entry {
        std::string key;
        std::string value;
    };

    // Replaces the content with the file's. A missing file reads as empty.
    ReadResult read(const std::filesystem::path& file);
    void parse(std::string_view text);

    // The whole text, every line ended the way the file ended its lines (CR LF for a new file).
    std::string text() const;
    // Writes the text through a temporary file, so a failure leaves the old file whole.
    bool write(const std::filesystem::path& file, std::string* reason = nullptr) const;

    // The value of `key` in `section`, without the blanks around it and without one pair of
    // enclosing quotes; nothing when there is no such key.
    std::optional<std::string> value(std::string_view section, std::string_view key) const;
    // Every key of `section` with its value, in file order.
    std::vector<Entry> entries(std::string_view section) const;

    // Replaces the value of `key` in `section`; a new key goes after the section's last key,
    // a new section at the end of the text. Line breaks in `value` become spaces, since they
    // would end the line.
    void setValue(std::string_view section, std::string_view key, std::string_view value);
    // The same for many keys in one pass, in order (a key given twice ends with its last
    // value); a file with many keys is not scanned once per key.
    void setValues(std::string_view section, const std::vector<Entry>& values);

private:
    // The section [first, last) lines of the first section named `section`; the header is
    // line `first - 1`. Nothing when there is no such section.
    struct Range {
        std::size_t first;
        std::size_t last;
    };
    std::optional<Range> findSection(std::string_view section) const;

    std::vector<std::string> lines_;
    std::string newline_ = "\r\n";
};

}  // namespace kavro
