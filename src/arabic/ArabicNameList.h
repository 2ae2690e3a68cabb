#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "messages/MessageSink.h"

namespace kavro {

// The user's Latin/Arabic name pairs, in file order. Each entry is held in its stored form
// "latinName|arabicName|", Windows-1256 bytes exactly as typed.
using ArabicNameList = std::vector<std::string>;

// One entry taken apart (and put together again) at the vertical bars.
struct ArabicNameEntry {
    static constexpr std::size_t kLatinNameLimit = 15;  // characters the dialog accepts
    static constexpr std::size_t kArabicNameLimit = 14;

    std::string latinName;
    std::string arabicName;

    // An entry without any "|" is all Latin name.
    static ArabicNameEntry fromStored(std::string_view stored);
    std::string stored() const;  // "latin|arabic|"
};

// Where the list lives. Beside the program, like its language files, as long as that file
// can be written there (a program unpacked into a folder of its own). An installed program
// cannot write beside itself, so each user then keeps the list in
// $XDG_CONFIG_HOME/kavro/Channel.Ini, or ~/.config/kavro/Channel.Ini without that variable;
// while that file does not exist yet, the list beside the program (if any) is read and the
// first save copies it over. Relative variables are ignored: nothing here depends on the
// working directory.
struct ArabicNameListLocation {
    std::filesystem::path readPath;   // the file loading reads
    std::filesystem::path writePath;  // the file saving writes
};
ArabicNameListLocation arabicNameListLocation();
// The same rule with the directories given, for tests and for callers that know better.
ArabicNameListLocation arabicNameListLocation(const std::filesystem::path& programDir,
                                              const std::filesystem::path& userConfigDir);

inline constexpr std::string_view kNameListFileName = "Channel.Ini";
inline constexpr std::string_view kNameListSection = "Channel";
// At most this many bytes of one stored entry are read.
inline constexpr std::size_t kMaxEntryBytes = 1023;

// Empties `list` and fills it with the non-empty entries CH0 .. CH(COUNT-1) of the file; a
// missing file, section or COUNT gives an empty list. Returns the size of the list.
int loadArabicNameList(ArabicNameList& list, const std::filesystem::path& file);
int loadArabicNameList(ArabicNameList& list);
// The same, for callers that edit the list: a file that is there but cannot be read is
// reported through `messages` with the reason and gives -1, since taking it for an empty list
// and saving would throw its entries away.
int loadArabicNameList(ArabicNameList& list, const std::filesystem::path& file,
                       MessageSink& messages);

// Why `file` is there but cannot be read as a list, in the system's words ("Permission
// denied", "Is a directory"); nothing when it can be read or does not exist.
std::optional<std::string> nameListReadProblem(const std::filesystem::path& file);

// Writes the non-empty entries as CH0, CH1, ... and COUNT, keeping everything else in the file
// (other sections and keys, comments, CH keys beyond the new COUNT). When `file` does not
// exist yet and `seed` does, the seed's text is the starting point. A `file` that exists but
// cannot be read is never replaced. Returns the number of entries written, or -1 after telling
// `messages` why the file could not be written.
int saveArabicNameList(const ArabicNameList& list, const std::filesystem::path& file,
                       MessageSink& messages, const std::filesystem::path& seed = {});
int saveArabicNameList(const ArabicNameList& list, MessageSink& messages);

}  // namespace kavro
