#include <filesystem>
#include <iostream>
#include <optional>
#include <system_error>

#include "arabic/ArabicNameList.h"
#include "arabic/ArabicNameListModel.h"
#include "arabic/Windows1256.h"
#include "cli/CliMessageSink.h"
#include "cli/Command.h"
#include "cli/CommandArgs.h"

namespace kavro::cli {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kName = "names";

// The file to read and the file to write: --list names both; otherwise the editor's own list.
struct ListFiles {
    fs::path read;
    fs::path write;
};

ListFiles listFiles(const ArgParser& parser) {
    if (auto path = parser.value("list")) return {*path, *path};
    const ArabicNameListLocation where = arabicNameListLocation();
    return {where.readPath, where.writePath};
}

// Loads the list; false (after saying why) when the file is there but cannot be read, so that
// add and del never save a list that lost the file's entries.
bool loadList(const ListFiles& files, ArabicNameList& list) {
    std::error_code ec;
    if (!files.read.empty() && fs::exists(files.read, ec) && !fs::is_regular_file(files.read, ec)) {
        std::cerr << "kavro-cli: the name list " << files.read.string() << " is not a file.\n";
        return false;
    }
    CliMessageSink messages;
    return loadArabicNameList(list, files.read, messages) >= 0;
}

bool saveList(const ListFiles& files, const ArabicNameList& list) {
    CliMessageSink messages;
    if (saveArabicNameList(list, files.write, messages, files.read) < 0) {
        std::cerr << "kavro-cli: the name list was not saved.\n";
        return false;
    }
    return true;
}

std::string entryText(const ArabicNameListModel::Row& row) {
    return windows1256ToUtf8(row.latinName) + "|" + windows1256ToUtf8(row.arabicName);
}

int list(const ArgParser& parser) {
    if (parser.positional().size() > 1)
        return usageError(kName, "unexpected argument '" + parser.positional()[1] + "'");
    const ListFiles files = listFiles(parser);
    ArabicNameList entries;
    if (!loadList(files, entries)) return ExitFailed;
    // Which file was read goes to stderr, so that standard output holds the entries alone.
    std::error_code ec;
    if (files.read.empty() || !fs::exists(files.read, ec))
        std::cerr << "kavro-cli: note: there is no name list at "
                  << (files.read.empty() ? std::string("(no location)") : files.read.string())
                  << " yet\n";
    else
        std::cerr << "kavro-cli: " << entries.size()
                  << (entries.size() == 1 ? " entry" : " entries") << " from "
                  << files.read.string() << "\n";
    CliMessageSink messages;
    ArabicNameListModel model(messages);
    model.reset(entries);
    for (const auto& row : model.rows()) std::cout << entryText(row) << "\n";
    return ExitOk;
}

// A name as the dialog's edit field would hold it, in Windows-1256; nothing (after a usage
// error) when it cannot be one.
std::optional<std::string> nameArgument(const std::string& utf8, const char* what,
                                        std::size_t limit, int& status) {
    const auto fail = [&](const std::string& message) {
        status = usageError(kName, message);
        return std::nullopt;
    };
    if (utf8.empty()) return fail(std::string(what) + " is empty");
    const std::string ansi = utf8ToWindows1256(utf8);
    if (windows1256ToUtf8(ansi) != utf8)
        return fail(std::string(what) + " '" + utf8 +
                    "' holds characters Windows-1256 cannot hold");
    if (ansi.find_first_of("|\r\n") != std::string::npos)
        return fail(std::string(what) + " must not hold '|' or a line break");
    if (ansi.size() > limit)
        return fail(std::string(what) + " '" + utf8 + "' is longer than " + std::to_string(limit) +
                    " characters");
    return ansi;
}

// Answers the "already exists, change it?" question from --replace, and remembers it came.
class ReplaceAnswer : public CliMessageSink {
public:
    explicit ReplaceAnswer(bool replace) : replace_(replace) {}
    MessageButton showMessageNumber(int, long long value, MessageStyle) override {
        askedAbout = value;
        return replace_ ? MessageButton::Yes : MessageButton::No;
    }
    std::optional<long long> askedAbout;

private:
    bool replace_;
};

int add(const ArgParser& parser) {
    const auto& pos = parser.positional();
    if (pos.size() < 2) return usageError(kName, "missing LATIN");
    if (pos.size() < 3) return usageError(kName, "missing ARABIC");
    if (pos.size() > 3) return usageError(kName, "unexpected argument '" + pos[3] + "'");
    int status = ExitOk;
    const auto latin = nameArgument(pos[1], "LATIN", ArabicNameEntry::kLatinNameLimit, status);
    if (!latin) return status;
    const auto arabic = nameArgument(pos[2], "ARABIC", ArabicNameEntry::kArabicNameLimit, status);
    if (!arabic) return status;

    const ListFiles files = listFiles(parser);
    ArabicNameList entries;
    if (!loadList(files, entries)) return ExitFailed;
    ReplaceAnswer answer(parser.flag("replace"));
    ArabicNameListModel model(answer);
    model.reset(entries);
    if (!model.add(*latin, *arabic)) {
        std::cerr << "kavro-cli: '" << pos[1] << "' is already in the list at position "
                  << answer.askedAbout.value_or(0) << "; add --replace to change that entry.\n";
        return ExitFailed;
    }
    if (!saveList(files, model.list())) return ExitFailed;
    const std::size_t row = *model.selection();
    std::cout << (answer.askedAbout ? "Changed " : "Added ") << row + 1 << ": "
              << entryText(model.rows()[row]) << "\n";
    return ExitOk;
}

// The row `key` names: the first with this Latin name (capitals or not), else a 1-based
// position.
std::optional<std::size_t> findRow(const ArabicNameListModel& model, const std::string& key) {
    const std::string latin = utf8ToWindows1256(key);
    const auto fold = [](std::string s) {
        for (char& c : s)
            if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 32);
        return s;
    };
    for (std::size_t i = 0; i < model.rows().size(); ++i)
        if (fold(model.rows()[i].latinName) == fold(latin)) return i;
    if (auto index = parseInteger(key, 1, static_cast<long long>(model.rows().size())))
        return static_cast<std::size_t>(*index - 1);
    return std::nullopt;
}

int del(const ArgParser& parser) {
    const auto& pos = parser.positional();
    if (pos.size() < 2 || pos[1].empty()) return usageError(kName, "missing LATIN or INDEX");
    if (pos.size() > 2) return usageError(kName, "unexpected argument '" + pos[2] + "'");

    const ListFiles files = listFiles(parser);
    ArabicNameList entries;
    if (!loadList(files, entries)) return ExitFailed;
    CliMessageSink messages;
    ArabicNameListModel model(messages);
    model.reset(entries);
    const std::optional<std::size_t> row = findRow(model, pos[1]);
    if (!row) {
        const std::size_t n = model.rows().size();
        std::cerr << "kavro-cli: the name list holds no '" << pos[1]
                  << "', neither as a Latin name nor as a position (" << n
                  << (n == 1 ? " entry" : " entries") << ").\n";
        return ExitFailed;
    }
    const std::string deleted = entryText(model.rows()[*row]);
    model.select(*row);
    model.remove();
    if (!saveList(files, model.list())) return ExitFailed;
    std::cout << "Deleted " << *row + 1 << ": " << deleted << "\n";
    return ExitOk;
}

int run(const std::vector<std::string>& args) {
    ArgParser parser({"list"}, {"replace"});
    if (!parser.parse(args)) return usageError(kName, parser.error());
    if (auto path = parser.value("list"); path && path->empty())
        return usageError(kName, "the --list file name is empty");
    const auto& pos = parser.positional();
    if (pos.empty()) return usageError(kName, "missing 'list', 'add' or 'del'");
    if (parser.flag("replace") && pos[0] != "add")
        return usageError(kName, "--replace goes with 'add' only");
    if (pos[0] == "list") return list(parser);
    if (pos[0] == "add") return add(parser);
    if (pos[0] == "del") return del(parser);
    return usageError(kName, "unknown action '" + pos[0] + "' (use 'list', 'add' or 'del')");
}

}  // namespace

Command namesCommand() {
    return {kName, "names list|add|del [--list FILE]",
            "Show or edit the Latin/Arabic name list that arabize uses",
            "  kavro-cli names list\n"
            "      Prints every entry as one line \"Latin|Arabic\" (UTF-8), in list order,\n"
            "      and on stderr which file it read.\n"
            "  kavro-cli names add LATIN ARABIC [--replace]\n"
            "      Appends an entry. When an entry with the same Latin name (capitals or not)\n"
            "      exists, nothing changes unless --replace is given, which changes that\n"
            "      entry in its place. LATIN holds at most 15 characters, ARABIC at most 14,\n"
            "      neither '|'; both are given in UTF-8 and must exist in Windows-1256.\n"
            "  kavro-cli names del LATIN|INDEX\n"
            "      Deletes the first entry with this Latin name (capitals or not), or else the\n"
            "      entry at this position (1 is the first line 'list' prints).\n"
            "\n"
            "  --list FILE   the list file (Channel.Ini) to read and write. Without it, the\n"
            "                editor's own list: Channel.Ini beside the program when that folder\n"
            "                can be written, otherwise $XDG_CONFIG_HOME/kavro/Channel.Ini\n"
            "                (~/.config/kavro/Channel.Ini), which starts as a copy of the one\n"
            "                beside the program.\n"
            "\n"
            "Only section [Channel] of the file is changed; other sections, keys and comments\n"
            "stay. Exit status 1 when the entry is not found, already exists, or the file cannot\n"
            "be read or written.\n",
            run};
}

}  // namespace kavro::cli
