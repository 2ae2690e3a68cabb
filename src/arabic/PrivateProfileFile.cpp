#include "arabic/PrivateProfileFile.h"

#include <fstream>
#include <iterator>
#include <map>
#include <system_error>

#include "database/AsciiCase.h"
#include "database/ImageFile.h"

namespace kavro {
namespace {

// Nobody writes a name list this big; a bigger file is not ours to load into memory.
constexpr std::uintmax_t kMaxFileBytes = 16u << 20;

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r';
}

std::string_view trim(std::string_view s) {
    while (!s.empty() && isBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back())) s.remove_suffix(1);
    return s;
}

// A line as the reader sees it: without the byte-order mark a hand editor may have put first.
std::string_view content(const std::string& line, bool first) {
    std::string_view s = line;
    if (first && s.substr(0, kUtf8Bom.size()) == kUtf8Bom) s.remove_prefix(kUtf8Bom.size());
    return trim(s);
}

std::optional<std::string_view> sectionName(std::string_view line) {
    if (line.empty() || line.front() != '[') return std::nullopt;
    const std::size_t close = line.find(']');
    if (close == std::string_view::npos) return std::nullopt;
    return trim(line.substr(1, close - 1));
}

struct KeyLine {
    std::string_view key;
    std::string_view value;
};

std::optional<KeyLine> keyLine(std::string_view line) {
    if (line.empty() || line.front() == ';' || line.front() == '[') return std::nullopt;
    const std::size_t eq = line.find('=');
    if (eq == std::string_view::npos) return std::nullopt;
    KeyLine k{trim(line.substr(0, eq)), trim(line.substr(eq + 1))};
    if (k.key.empty()) return std::nullopt;
    return k;
}

std::string unquote(std::string_view value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front())
        value = value.substr(1, value.size() - 2);
    return std::string(value);
}

}  // namespace

PrivateProfileFile::ReadResult PrivateProfileFile::read(const std::filesystem::path& file) {
    lines_.clear();
    newline_ = "\r\n";
    std::error_code ec;
    if (!std::filesystem::exists(file, ec))
        return ec ? ReadResult::Unreadable : ReadResult::Missing;
    if (!std::filesystem::is_regular_file(file, ec) ||
        std::filesystem::file_size(file, ec) > kMaxFileBytes || ec)
        return ReadResult::Unreadable;
    std::ifstream in(file, std::ios::binary);
    if (!in) return ReadResult::Unreadable;
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) return ReadResult::Unreadable;
    parse(text);
    return ReadResult::Read;
}

void PrivateProfileFile::parse(std::string_view text) {
    lines_.clear();
    newline_ = "\r\n";
    const std::size_t firstBreak = text.find('\n');
    if (firstBreak != std::string_view::npos && (firstBreak == 0 || text[firstBreak - 1] != '\r'))
        newline_ = "\n";
    // Only a file whose lines end in CR LF loses the CR before each LF: in a file of bare LFs
    // a CR belongs to its line, and taking it away would change the text on every save.
    const bool crlf = newline_ == "\r\n";
    while (!text.empty()) {
        const std::size_t nl = text.find('\n');
        std::string_view line = text.substr(0, nl);
        if (crlf && nl != std::string_view::npos && !line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        lines_.emplace_back(line);
        if (nl == std::string_view::npos) break;
        text.remove_prefix(nl + 1);
    }
}

std::string PrivateProfileFile::text() const {
    std::string out;
    for (const std::string& line : lines_) {
        out += line;
        out += newline_;
    }
    return out;
}

bool PrivateProfileFile::write(const std::filesystem::path& file, std::string* reason) const {
    const std::string bytes = text();
    return writeFileAtomically(file.string(), reinterpret_cast<const std::uint8_t*>(bytes.data()),
                               bytes.size(), reason);
}

std::optional<PrivateProfileFile::Range> PrivateProfileFile::findSection(
    std::string_view section) const {
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        std::optional<std::string_view> name = sectionName(content(lines_[i], i == 0));
        if (!name || !equalsIgnoringAsciiCase(*name, section)) continue;
        std::size_t end = i + 1;
        while (end < lines_.size() && !sectionName(content(lines_[end], false))) ++end;
        return Range{i + 1, end};
    }
    return std::nullopt;
}

std::optional<std::string> PrivateProfileFile::value(std::string_view section,
                                                     std::string_view key) const {
    std::optional<Range> range = findSection(section);
    if (!range) return std::nullopt;
    for (std::size_t i = range->first; i < range->last; ++i) {
        std::optional<KeyLine> k = keyLine(content(lines_[i], false));
        if (k && equalsIgnoringAsciiCase(k->key, key)) return unquote(k->value);
    }
    return std::nullopt;
}

std::vector<PrivateProfileFile::Entry> PrivateProfileFile::entries(std::string_view section) const {
    std::vector<Entry> out;
    std::optional<Range> range = findSection(section);
    if (!range) return out;
    for (std::size_t i = range->first; i < range->last; ++i) {
        if (std::optional<KeyLine> k = keyLine(content(lines_[i], false)))
            out.push_back({std::string(k->key), unquote(k->value)});
    }
    return out;
}

void PrivateProfileFile::setValue(std::string_view section, std::string_view key,
                                  std::string_view value) {
    setValues(section, {Entry{std::string(key), std::string(value)}});
}

void PrivateProfileFile::setValues(std::string_view section, const std::vector<Entry>& values) {
    if (values.empty()) return;
    const auto line = [](const std::string& key, std::string_view value) {
        std::string text = key + "=";
        for (char c : value) text += (c == '\n' || c == '\r') ? ' ' : c;
        return text;
    };

    std::optional<Range> range = findSection(section);
    if (!range) {
        lines_.push_back("[" + std::string(section) + "]");
        range = Range{lines_.size(), lines_.size()};
    }
    // Where each key of the section stands (the first of a repeated key), as the file spells
    // it, and where new keys go: after the section's last key.
    std::map<std::string, std::size_t> existing;
    std::size_t insertAt = range->first;
    for (std::size_t i = range->first; i < range->last; ++i) {
        std::optional<KeyLine> k = keyLine(content(lines_[i], false));
        if (!k) continue;
        existing.emplace(upperAscii(k->key), i);
        insertAt = i + 1;
    }

    std::vector<Entry> added;  // new keys, in the order they were first given
    std::map<std::string, std::size_t> addedAt;
    for (const Entry& e : values) {
        const std::string folded = upperAscii(e.key);
        if (auto it = existing.find(folded); it != existing.end()) {
            std::string& text = lines_[it->second];
            const std::string spelled(keyLine(content(text, false))->key);  // keep its spelling
            text = line(spelled, e.value);
        } else if (auto at = addedAt.find(folded); at != addedAt.end()) {
            added[at->second].value = e.value;
        } else {
            addedAt.emplace(folded, added.size());
            added.push_back(e);
        }
    }
    std::vector<std::string> newLines;
    newLines.reserve(added.size());
    for (const Entry& e : added) newLines.push_back(line(e.key, e.value));
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(insertAt), newLines.begin(),
                  newLines.end());
}

}  // namespace kavro
