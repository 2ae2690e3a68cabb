#include "StringTable.h"

#include <algorithm>
#include <array>
#include <utility>

#include "StringIds.h"

namespace kavro {
namespace {

using namespace strings;

// Kept sorted by id.
constexpr std::pair<int, std::string_view> kStrings[] = {
    {FileFilter, "Data File (*.IRD)|*.IRD|All files (*.*)|*.*||"},
    {AllFilesFilter, "All files (*.*)|*.*||"},
    {OpeningFile, "Opening file in progress..."},
    {SavingFile, "Saving file in progress..."},
    {UnsupportedFile,
     "The File '%s' is cannot be identified as a supported type.\n"
     "Please make sure that it is the good file!"},
    {WrongDataVersion,
     "Invalidate File or DATA version is different.\nPlease make sure that it is the good file!"},
    {TooManySatellites, "The receiver holds at most %d satellites."},
    {TooManyTransponders, "The receiver holds at most %d transponders."},
    {TooManyChannels, "The receiver holds at most %d channels."},
    {TooManyGroups, "The receiver holds at most %d groups."},
    {TooManyGroupMembers, "A group holds at most %d channels."},
    {FindAllSatellites, "All Satellites"},
    {FindAllTransponders, "All Transponders"},
    {CannotFind, "Cannot find '%s'"},
    {Ready, "Ready"},
    {FailedToOpenDocument, "Failed to open document."},
    {FileNotFound, "%1 was not found."},
    {FileAccessDenied, "%1 cannot be accessed."},
    {FailedToSaveDocument, "Failed to save document."},
    {FileWriteError, "An error occurred while writing %1."},
};

constexpr bool sortedById() {
    for (std::size_t i = 1; i < std::size(kStrings); ++i)
        if (kStrings[i - 1].first >= kStrings[i].first) return false;
    return true;
}
static_assert(sortedById(), "string table must stay sorted by id");

std::string replaceFirst(std::string_view text, std::string_view a, std::string_view b,
                         std::string_view value) {
    auto pa = text.find(a);
    auto pb = text.find(b);
    auto pos = std::min(pa, pb);
    if (pos == std::string_view::npos) return std::string(text);
    std::string out(text.substr(0, pos));
    out += value;
    out += text.substr(pos + 2);
    return out;
}

}  // namespace

std::string_view stringText(int id) {
    auto it = std::lower_bound(std::begin(kStrings), std::end(kStrings), id,
                               [](const auto& entry, int key) { return entry.first < key; });
    if (it == std::end(kStrings) || it->first != id) return {};
    return it->second;
}

std::string formatText(std::string_view text, std::string_view argument) {
    return replaceFirst(text, "%s", "%1", argument);
}

std::string formatText(std::string_view text, long long value) {
    return replaceFirst(text, "%d", "%1", std::to_string(value));
}

std::string_view stringField(int id, int index) {
    std::string_view text = stringText(id);
    for (int i = 0; i < index; ++i) {
        auto nl = text.find('\n');
        if (nl == std::string_view::npos) return {};
        text.remove_prefix(nl + 1);
    }
    return text.substr(0, text.find('\n'));
}

}  // namespace kavro
