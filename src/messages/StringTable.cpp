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
    {DocumentTemplate, "Kavro Channel Editor\n\nChData\n\n.ird\nirdfile\nKavro Channel Data"},
    {CmdEdit, "Edit selected item.\nEdit"},
    {CmdAdd, "Add new item.\nAdd"},
    {CmdDelete, "Delete selected item.\nDelete"},
    {CmdFindNext,
     "The following occurrence of the text specified in preceding research Seeks.\nFind Next"},
    {CmdAutoArabisation, "Rename Arabic channals.\nAuto Arabisation"},
    {CmdRemoveData, "Remove DATA channals.\nRemove DATA"},
    {CmdRemoveCBand, "Remove the C Band satellite.\nRemove C Band"},
    {CmdUpload, "Read the data from the receiver.\nUpload"},
    {CmdDownload, "Send the data to the receiver.\nDownload"},
    {CmdSort, "Channals list Sorting.\nSort"},
    {CmdArabicChannels, "Edit the list of Arabic channals.\nArabic channals"},
    {CmdParameters, "View Parameters.\nParameters"},
    {CmdLanguage, "Toggle language.\nLanguage"},
    {SatellitesHeader, "Satellites"},
    {GroupsHeader, "Groups"},
    {FileFilter, "Data File (*.IRD)|*.IRD|All files (*.*)|*.*||"},
    {AllFilesFilter, "All files (*.*)|*.*||"},
    {RealizedBy, " - <Realized by : %s>"},
    {RemoveSatelliteQuestion, "Do you want to remove this satellite?"},
    {RemoveTransponderQuestion, "Do you want to remove this transpondeur?"},
    {RemoveGroupQuestion, "Do you want to remove this group?"},
    {RemoveChannelQuestion, "Do you want to remove this channal?"},
    {RemoveChannelsQuestion, "Do you want to remove these channals?"},
    {ChannelListColumns,
     "Type\nChannal\nSatellite\nTP\nV-PID\nA-PID\nPCR\nSID\nPMT\nTText\nAC3-PID\nAudio Lang"},
    {OpeningFile, "Opening file in progress..."},
    {SavingFile, "Saving file in progress..."},
    {UnsupportedFile,
     "The File '%s' is cannot be identified as a supported type.\n"
     "Please make sure that it is the good file!"},
    {WrongDataVersion,
     "Invalidate File or DATA version is different.\nPlease make sure that it is the good file!"},
    {ArabicListColumns, "n\xB0\nLatin Name\nArabic Name\n"},
    {LatinNameExists,
     "This channel name already exist at the position %d.\n\nAre sure to change it?"},
    {TooManySatellites, "The receiver holds at most %d satellites."},
    {TooManyTransponders, "The receiver holds at most %d transponders."},
    {TooManyChannels, "The receiver holds at most %d channels."},
    {TooManyGroups, "The receiver holds at most %d groups."},
    {TooManyGroupMembers, "A group holds at most %d channels."},
    {CannotOpenPort, "Cannot open the port '%s'."},
    {OutOfMemory, "Out of memory."},
    {CallCountdown, "Remainder : %d Sec."},
    {UploadHeaderDone, "Successful to Upload Header."},
    {UploadDone, "Successful to Upload data."},
    {UploadFailed,
     "Failed to Upload data.\nWant r\xE9"
     "essayer another time!"},
    {CannotWriteToList, "Cannot write data to list."},
    {ImageTooLong,
     "The receiver announced an image of %d bytes, far more than a receiver database holds.\n"
     "Nothing was received."},
    {DownloadHeaderDone, "Successful to Download Header."},
    {DownloadDone, "Successful to Download data."},
    {DownloadFailed,
     "Failed to Download data.\nWant r\xE9"
     "essayer another time!"},
    {CannotReadFromList, "Cannot read data from list."},
    {ReceiverSilent, "The receiver stopped answering: nothing arrived for %d s."},
    {ImageTooShort,
     "The receiver announced an image of %d bytes, too short for a receiver database.\n"
     "Nothing was received."},
    {ReceiverEndedEarly, "The receiver ended the transfer after %1 of %2 bytes."},
    {TransferCancelled, "The transfer was cancelled."},
    {NewItemName, "New"},
    {CryptedRenameQuestion, "This channal is Crypted! are you sure to rename it?"},
    {FindAllSatellites, "All Satellites"},
    {FindAllTransponders, "All Transponders"},
    {CannotFind, "Cannot find '%s'"},
    {Ready, "Ready"},
    {CmdOpen, "Open an existing document.\nOpen"},
    {CmdSave, "Save the active document.\nSave"},
    {CmdSaveAs, "Save the active document with a new name.\nSave As"},
    {CmdFind, "Find the specified text.\nFind"},
    {CmdReadAgain, "Read again the file.\nRead again the file"},
    {CmdSelectAll, "Select the entire document.\nSelect All"},
    {CmdAbout, "Display program information, version number and copyright.\nAbout"},
    {CmdExit, "Quit the application; prompts to save documents.\nExit"},
    {SelectionPane, " Sel (0000,0000) "},
    {CountPane, " Tot: 0000/0000 "},
    {ClockPane, "  0000/00/00 - 00:00  "},
    {CmdToolBar, "Show or hide the toolbar.\nToggle ToolBar"},
    {CmdStatusBar, "Show or hide the status bar.\nToggle StatusBar"},
    {FailedToOpenDocument, "Failed to open document."},
    {FileNotFound, "%1 was not found."},
    {FileAccessDenied, "%1 cannot be accessed."},
    {FailedToSaveDocument, "Failed to save document."},
    {FileWriteError, "An error occurred while writing %1."},
    {EnterInteger, "Please enter an integer."},
    {EnterIntegerBetween, "Please enter an integer between %1 and %2."},
    {EnterNoMoreCharacters, "Please enter no more than %1 characters."},
    {EnterPositiveInteger, "Please enter a positive integer."},
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
    if (const auto at = argument.find(kReasonSeparator); at != std::string_view::npos)
        return formatText(text, argument.substr(0, at)) + "\n" +
               std::string(argument.substr(at + 1));
    if (argument.find(kArgumentSeparator) == std::string_view::npos)
        return replaceFirst(text, "%s", "%1", argument);
    // Joined arguments fill "%1", "%2" ... in order.
    std::string out(text);
    char marker[3] = {'%', '1', 0};
    for (std::size_t start = 0; marker[1] <= '9'; ++marker[1]) {
        std::size_t end = argument.find(kArgumentSeparator, start);
        std::string_view part = argument.substr(
            start, end == std::string_view::npos ? std::string_view::npos : end - start);
        if (auto pos = out.find(marker); pos != std::string::npos) out.replace(pos, 2, part);
        if (end == std::string_view::npos) break;
        start = end + 1;
    }
    return out;
}

std::string joinArguments(std::initializer_list<std::string_view> arguments) {
    std::string out;
    bool first = true;
    for (std::string_view a : arguments) {
        if (!first) out += kArgumentSeparator;
        out += a;
        first = false;
    }
    return out;
}

std::string withReason(std::string_view argument, std::string_view reason) {
    std::string out(argument);
    if (!reason.empty()) {
        out += kReasonSeparator;
        out += reason;
    }
    return out;
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
