#pragma once

// Ids of the numbered string table. The numbers are the program's own and stay stable, so
// translations and scripts can refer to them. Texts live in StringTable.cpp.
namespace kavro::strings {

inline constexpr int FileFilter = 1910;       // "Data File (*.IRD)|*.IRD|All files (*.*)|*.*||"
inline constexpr int AllFilesFilter = 1911;   // "All files (*.*)|*.*||"
inline constexpr int OpeningFile = 2080;      // "Opening file in progress..."
inline constexpr int SavingFile = 2081;       // "Saving file in progress..."
inline constexpr int UnsupportedFile = 2082;  // path of the file
inline constexpr int WrongDataVersion = 2087;
inline constexpr int Ready = 57345;

// Arabic name list.
inline constexpr int ArabicListColumns = 2100;  // the three column titles, "\n"-fields
inline constexpr int LatinNameExists = 2101;    // 1-based row of the same Latin name

// Capacity limits: a database beyond the receiver's fixed regions is refused.
inline constexpr int TooManySatellites = 2300;  // limit
inline constexpr int TooManyTransponders = 2301;
inline constexpr int TooManyChannels = 2302;
inline constexpr int TooManyGroups = 2303;
inline constexpr int TooManyGroupMembers = 2304;

// Receiver link: serial port, upload and download.
inline constexpr int CannotOpenPort = 2500;  // port name
inline constexpr int OutOfMemory = 2501;
inline constexpr int CallCountdown = 2502;  // seconds remaining
inline constexpr int UploadHeaderDone = 2503;
inline constexpr int UploadDone = 2504;
inline constexpr int UploadFailed = 2505;
inline constexpr int CannotWriteToList = 2506;
inline constexpr int ImageTooLong = 2507;  // announced image length
inline constexpr int DownloadHeaderDone = 2508;
inline constexpr int DownloadDone = 2509;
inline constexpr int DownloadFailed = 2510;
inline constexpr int CannotReadFromList = 2511;
inline constexpr int ReceiverSilent = 2512;      // seconds of silence
inline constexpr int ImageTooShort = 2513;       // announced image length
inline constexpr int ReceiverEndedEarly = 2514;  // bytes sent, image size (joined)
inline constexpr int TransferCancelled = 2515;

// Edit dialogs.
inline constexpr int NewItemName = 2640;  // "New", the name an add dialog proposes
inline constexpr int CryptedRenameQuestion = 2641;

// Find.
inline constexpr int FindAllSatellites = 2700;    // "All Satellites"
inline constexpr int FindAllTransponders = 2701;  // "All Transponders"
inline constexpr int CannotFind = 2702;           // search text

// File errors (the platform's file-error report).
inline constexpr int FailedToOpenDocument = 61440;
inline constexpr int FileNotFound = 61441;      // path
inline constexpr int FileAccessDenied = 61442;  // path
inline constexpr int FailedToSaveDocument = 61443;
inline constexpr int FileWriteError = 61444;  // path + reason

// Dialog field validation (the framework's standard texts). Two-value texts take their
// arguments joined with joinArguments (StringTable.h).
inline constexpr int EnterInteger = 61712;
inline constexpr int EnterIntegerBetween = 61714;    // minimum, maximum
inline constexpr int EnterNoMoreCharacters = 61716;  // limit
inline constexpr int EnterPositiveInteger = 61719;

// Main window: document template, tree headers, questions, status-bar panes.
inline constexpr int DocumentTemplate =
    128;  // "\n"-fields: title, -, default name, -, extension ...
inline constexpr int SatellitesHeader = 1907;
inline constexpr int GroupsHeader = 1908;
inline constexpr int RealizedBy = 2004;  // credit text
inline constexpr int RemoveSatelliteQuestion = 2022;
inline constexpr int RemoveTransponderQuestion = 2032;
inline constexpr int RemoveGroupQuestion = 2053;
inline constexpr int RemoveChannelQuestion = 2060;
inline constexpr int RemoveChannelsQuestion = 2061;
inline constexpr int ChannelListColumns = 2062;  // the twelve column titles, "\n"-fields
inline constexpr int SelectionPane = 59144;      // placeholder that sizes the pane
inline constexpr int CountPane = 59145;
inline constexpr int ClockPane = 59146;

// Commands: "status-bar prompt\ntooltip", under the command's own id.
inline constexpr int CmdEdit = 301;
inline constexpr int CmdAdd = 302;
inline constexpr int CmdDelete = 303;
inline constexpr int CmdFindNext = 400;
inline constexpr int CmdAutoArabisation = 410;
inline constexpr int CmdRemoveData = 411;
inline constexpr int CmdRemoveCBand = 412;
inline constexpr int CmdUpload = 413;
inline constexpr int CmdDownload = 414;
inline constexpr int CmdSort = 415;
inline constexpr int CmdArabicChannels = 416;
inline constexpr int CmdParameters = 421;
inline constexpr int CmdLanguage = 422;
inline constexpr int CmdOpen = 57601;
inline constexpr int CmdSave = 57603;
inline constexpr int CmdSaveAs = 57604;
inline constexpr int CmdFind = 57636;
inline constexpr int CmdReadAgain = 57640;
inline constexpr int CmdSelectAll = 57642;
inline constexpr int CmdAbout = 57664;
inline constexpr int CmdExit = 57665;
inline constexpr int CmdToolBar = 59392;
inline constexpr int CmdStatusBar = 59393;

}  // namespace kavro::strings
