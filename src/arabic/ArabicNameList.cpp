#include "arabic/ArabicNameList.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <limits>
#include <optional>
#include <random>
#include <system_error>
#include <utility>

#include "arabic/ExtractField.h"
#include "arabic/PrivateProfileFile.h"
#include "arabic/ProgramDirectory.h"
#include "messages/StringIds.h"

namespace kavro {
namespace fs = std::filesystem;

namespace {

constexpr std::string_view kCountKey = "COUNT";
// The largest file the profile reader loads.
constexpr std::uintmax_t kMaxNameListBytes = 16u << 20;

// An integer value the way the profile reads one: blanks, an optional sign and the digits
// up to the first other character; 0 when there are none. Saturates instead of overflowing.
long long profileInteger(std::string_view text) {
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    constexpr long long kMax = std::numeric_limits<int>::max();
    long long value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') break;
        value = std::min(kMax, value * 10 + (c - '0'));
    }
    return negative ? -value : value;
}

// k for a key "CH<k>" as the list writes it ("CH%d": no sign, no leading zeros).
std::optional<long long> entryIndex(std::string_view key) {
    if (key.size() < 3 || key.size() > 12) return std::nullopt;
    if ((key[0] != 'C' && key[0] != 'c') || (key[1] != 'H' && key[1] != 'h')) return std::nullopt;
    std::string_view digits = key.substr(2);
    if (digits.size() > 1 && digits.front() == '0') return std::nullopt;
    long long k = 0;
    for (char c : digits) {
        if (c < '0' || c > '9') return std::nullopt;
        k = k * 10 + (c - '0');
    }
    return k;
}

std::string entryKey(int k) {
    return "CH" + std::to_string(k);
}

// Whether a file can be created in `dir`: saving writes a temporary file there and renames it.
bool canWriteIn(const fs::path& dir) {
    std::error_code ec;
    if (!fs::is_directory(dir, ec)) return false;
    std::random_device seed;
    const fs::path probe = dir / (".kavro-probe-" + std::to_string(seed()));
    {
        std::ofstream out(probe, std::ios::binary);
        if (!out) return false;
    }
    fs::remove(probe, ec);
    return true;
}

fs::path userConfigDirectory() {
    for (auto [variable, below] :
         {std::pair{"XDG_CONFIG_HOME", "kavro"}, std::pair{"HOME", ".config/kavro"}}) {
        const char* value = std::getenv(variable);
        if (!value || !*value) continue;
        fs::path base(value);
        if (base.is_absolute()) return base / below;
    }
    return {};
}

}  // namespace

ArabicNameEntry ArabicNameEntry::fromStored(std::string_view stored) {
    return {std::string(extractField(stored, 0, "|")), std::string(extractField(stored, 1, "|"))};
}

std::string ArabicNameEntry::stored() const {
    return latinName + "|" + arabicName + "|";
}

ArabicNameListLocation arabicNameListLocation(const fs::path& programDir,
                                              const fs::path& userConfigDir) {
    const fs::path besideProgram = programDir.empty() ? fs::path() : programDir / kNameListFileName;
    if (userConfigDir.empty() || (!programDir.empty() && canWriteIn(programDir)))
        return {besideProgram, besideProgram};
    const fs::path userFile = userConfigDir / kNameListFileName;
    std::error_code ec;
    if (fs::exists(userFile, ec) || besideProgram.empty()) return {userFile, userFile};
    return {besideProgram, userFile};
}

ArabicNameListLocation arabicNameListLocation() {
    return arabicNameListLocation(programDirectory(), userConfigDirectory());
}

int loadArabicNameList(ArabicNameList& list, const fs::path& file) {
    list.clear();
    PrivateProfileFile ini;
    if (file.empty() || ini.read(file) != PrivateProfileFile::ReadResult::Read) return 0;
    const long long count = profileInteger(ini.value(kNameListSection, kCountKey).value_or(""));
    if (count <= 0) return 0;

    // Visit only the CH keys the file holds, in key order, rather than asking for each of
    // CH0 .. CH(COUNT-1): COUNT may be anything in a damaged or hand-edited file.
    std::vector<std::pair<long long, std::string>> found;
    for (PrivateProfileFile::Entry& e : ini.entries(kNameListSection)) {
        std::optional<long long> k = entryIndex(e.key);
        if (k && *k < count) found.emplace_back(*k, std::move(e.value));
    }
    // Stable, so that of two keys with one index the first in the file counts, as a lookup
    // by name would find it.
    std::stable_sort(found.begin(), found.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t i = 0; i < found.size(); ++i) {
        if (i > 0 && found[i].first == found[i - 1].first) continue;
        std::string& value = found[i].second;
        if (value.size() > kMaxEntryBytes) value.resize(kMaxEntryBytes);
        if (!value.empty()) list.push_back(std::move(value));
    }
    return static_cast<int>(list.size());
}

int loadArabicNameList(ArabicNameList& list) {
    return loadArabicNameList(list, arabicNameListLocation().readPath);
}

int loadArabicNameList(ArabicNameList& list, const fs::path& file, MessageSink& messages) {
    if (const std::optional<std::string> problem = nameListReadProblem(file)) {
        list.clear();
        messages.showMessage(strings::FileAccessDenied, file.string() + " (" + *problem + ")");
        return -1;
    }
    return loadArabicNameList(list, file);
}

std::optional<std::string> nameListReadProblem(const fs::path& file) {
    if (file.empty()) return std::nullopt;
    PrivateProfileFile ini;
    if (ini.read(file) != PrivateProfileFile::ReadResult::Unreadable) return std::nullopt;
    std::error_code ec;
    const fs::file_status status = fs::status(file, ec);
    if (ec) return ec.message();
    if (fs::is_directory(status)) return std::make_error_code(std::errc::is_a_directory).message();
    if (!fs::is_regular_file(status)) return std::string("not a regular file");
    errno = 0;
    if (std::FILE* f = std::fopen(file.c_str(), "rb"))
        std::fclose(f);
    else
        return std::generic_category().message(errno);
    if (fs::file_size(file, ec) > kMaxNameListBytes)
        return std::make_error_code(std::errc::file_too_large).message();
    return std::make_error_code(std::errc::io_error).message();
}

int saveArabicNameList(const ArabicNameList& list, const fs::path& file, MessageSink& messages,
                       const fs::path& seed) {
    PrivateProfileFile ini;
    switch (ini.read(file)) {
        case PrivateProfileFile::ReadResult::Read:
            break;
        case PrivateProfileFile::ReadResult::Unreadable:
            // Writing now would throw away the entries and whatever else the file holds.
            messages.showMessage(
                strings::FileAccessDenied,
                file.string() + " (" + nameListReadProblem(file).value_or("cannot be read") + ")");
            return -1;
        case PrivateProfileFile::ReadResult::Missing:
            if (!seed.empty() && seed != file &&
                ini.read(seed) != PrivateProfileFile::ReadResult::Read)
                ini.parse("");
            break;
    }

    // COUNT goes first, so that in a new file it stands before the entries.
    std::vector<PrivateProfileFile::Entry> values{{std::string(kCountKey), "0"}};
    int k = 0;
    for (const std::string& entry : list) {
        if (entry.empty()) continue;
        values.push_back({entryKey(k), entry});
        ++k;
    }
    values.push_back({std::string(kCountKey), std::to_string(k)});
    ini.setValues(kNameListSection, values);

    if (file.empty()) {
        messages.showMessage(strings::FileWriteError,
                             std::string(kNameListFileName) + ": no folder to keep it in");
        return -1;
    }
    std::error_code ec;
    if (file.has_parent_path()) fs::create_directories(file.parent_path(), ec);
    std::string reason;
    if (!ini.write(file, &reason)) {
        messages.showMessage(strings::FileWriteError, file.string() + ": " + reason);
        return -1;
    }
    return k;
}

int saveArabicNameList(const ArabicNameList& list, MessageSink& messages) {
    const ArabicNameListLocation where = arabicNameListLocation();
    return saveArabicNameList(list, where.writePath, messages, where.readPath);
}

}  // namespace kavro
