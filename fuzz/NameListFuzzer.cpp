// Name-list files of any content: the private-profile reader keeps the text it does not
// understand (a second pass changes nothing), finds the first of repeated keys, and the list
// loaded from a file comes back unchanged after being written into it and read again.
#include <algorithm>
#include <map>
#include <string>

#include "FuzzSupport.h"
#include "arabic/ArabicNameList.h"
#include "arabic/PrivateProfileFile.h"
#include "database/AsciiCase.h"

namespace kavro::fuzz {
namespace {

// What private-profile reading cannot give back: a value with blanks at its ends or in one
// pair of quotes loses them, and line breaks inside are written as blanks.
bool survivesProfile(const std::string& value) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
    if (value.empty() || blank(value.front()) || blank(value.back())) return false;
    const bool quoted = value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
                        value.back() == value.front();
    return !quoted && value.find_first_of("\r\n") == std::string::npos;
}

}  // namespace
}  // namespace kavro::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace kavro;
    using namespace kavro::fuzz;
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    PrivateProfileFile ini;
    ini.parse(text);
    const std::string once = ini.text();
    PrivateProfileFile again;
    again.parse(once);
    require(again.text() == once, "a second read and write to change nothing");

    std::map<std::string, std::string> first;
    for (const PrivateProfileFile::Entry& e : ini.entries(kNameListSection))
        first.emplace(upperAscii(e.key), e.value);
    for (const auto& [key, value] : first)
        require(ini.value(kNameListSection, key) == value, "the first of repeated keys to count");

    ArabicNameList list;
    {
        const MemoryFile file({data, size});
        require(loadArabicNameList(list, file.path()) == static_cast<int>(list.size()),
                "the count loaded to be the list's size");
    }
    for (const std::string& entry : list)
        require(!entry.empty() && entry.size() <= kMaxEntryBytes, "entries within their limits");

    // The list written into the same text as a save does, then read back.
    ArabicNameList kept;
    std::copy_if(list.begin(), list.end(), std::back_inserter(kept), survivesProfile);
    std::vector<PrivateProfileFile::Entry> values{{"COUNT", std::to_string(kept.size())}};
    for (std::size_t k = 0; k < kept.size(); ++k)
        values.push_back({"CH" + std::to_string(k), kept[k]});
    ini.setValues(kNameListSection, values);
    const std::string saved = ini.text();
    ArabicNameList reread;
    const MemoryFile file({reinterpret_cast<const std::uint8_t*>(saved.data()), saved.size()});
    loadArabicNameList(reread, file.path());
    require(reread == kept, "the saved list to read back as it was");
    return 0;
}
