#include <algorithm>
#include <iostream>

#include "arabic/ReceiverName.h"
#include "arabic/Windows1256.h"
#include "cli/CliMessageSink.h"
#include "cli/Command.h"
#include "cli/CommandArgs.h"
#include "cli/DatabaseFiles.h"
#include "cli/RecordText.h"
#include "cli/SettingsKeys.h"
#include "editing/ParametersForm.h"

namespace kavro::cli {
namespace {

constexpr std::string_view kName = "settings";

ParametersForm openForm(const ChannelDatabase& db) {
    return ParametersForm(db, [](ConstNameField field) { return decodeReceiverName(field); });
}

int show(const std::vector<std::string>& args) {
    ArgParser parser({}, {});
    if (auto failed = parseCommandArgs("settings show", parser, args, {"FILE"})) return *failed;
    const std::string& path = parser.positional()[0];
    ChannelDatabase db;
    CliMessageSink messages;
    if (!openDatabase(db, path, messages)) return ExitFailed;

    // The dialog's view, start-up corrections included.
    const ParametersForm form = openForm(db);
    std::cout << "Receiver settings of " << path << " (last change " << dateText(db) << ")\n";
    for (const SettingsKey& key : settingsKeys()) {
        if (key.name == "clock") continue;  // date and time follow; "now" is for set only
        std::cout << "  " << padRight(key.name, 19) << settingsValueText(form, key.name) << "\n";
    }
    for (std::string number : form.numberTexts) {
        while (!number.empty() && number.back() == ' ') number.pop_back();
        std::cout << "  " << windows1256ToUtf8(number) << "\n";
    }
    return ExitOk;
}

int set(const std::vector<std::string>& args) {
    ArgParser parser({"o", "output"}, {});
    if (!parser.parse(args)) return usageError("settings set", parser.error());
    const auto& positional = parser.positional();
    if (positional.empty() || positional[0].empty())
        return usageError("settings set", "missing FILE");
    if (positional.size() < 2) return usageError("settings set", "nothing to set: give KEY=VALUE");
    const std::string& path = positional[0];
    std::string out = path;
    if (auto o = parser.value("o")) out = *o;
    if (auto o = parser.value("output")) out = *o;
    if (out.empty()) return usageError("settings set", "the output file name is empty");

    std::vector<std::pair<std::string, std::string>> pairs;
    for (std::size_t i = 1; i < positional.size(); ++i) {
        const std::string& a = positional[i];
        const auto eq = a.find('=');
        if (eq == std::string::npos || eq == 0)
            return usageError("settings set", "expected KEY=VALUE, not '" + a + "'");
        pairs.emplace_back(a.substr(0, eq), a.substr(eq + 1));
    }
    // The channel is chosen within the start-up group, so the group goes first.
    std::stable_partition(pairs.begin(), pairs.end(),
                          [](const auto& p) { return p.first == "startup-group"; });

    ChannelDatabase db;
    CliMessageSink messages;
    if (!openDatabase(db, path, messages)) return ExitFailed;
    ParametersForm form = openForm(db);
    const LocalDateTime now = localNow();
    for (const auto& [key, value] : pairs) {
        std::string error;
        if (!applySettingsValue(form, key, value, now, error))
            return usageError("settings set", error);
    }
    // The dialog's OK: its validation (for values the file already held) and writing rules.
    const std::optional<ParametersResult> accepted = form.accept(messages, now);
    if (!accepted) return ExitFailed;
    accepted->applyTo(db);
    if (!saveDatabaseAs(db, out, messages)) {
        std::cerr << "kavro-cli: " << out << " was not saved.\n";
        return ExitFailed;
    }
    std::cout << "Saved " << out << " with " << pairs.size() << " setting(s) changed\n";
    return ExitOk;
}

int run(const std::vector<std::string>& args) {
    if (args.empty()) return usageError(kName, "missing 'show' or 'set'");
    const std::vector<std::string> rest(args.begin() + 1, args.end());
    if (args[0] == "show") return show(rest);
    if (args[0] == "set") return set(rest);
    return usageError(kName, "unknown action '" + args[0] + "' (use 'show' or 'set')");
}

std::string helpText() {
    std::string text =
        "show prints every setting of the Parameters dialog with the text the dialog shows,\n"
        "as KEY  VALUE lines, then the record counts.\n"
        "set opens FILE, changes the given settings with the dialog's ranges and lists, applies\n"
        "the dialog's OK (its writing rules, the date of the change) and saves as File > Save As\n"
        "does, to OUT (-o OUT) or to FILE itself. Nothing is written when a key or value is bad.\n"
        "List values are matched without regard to case, blanks or '-'. The start-up group is\n"
        "chosen before the start-up channel, whatever the order given. Both pickers of the\n"
        "receiver clock keep their value unless clock=now, date= or time= is given.\n"
        "\nKeys:\n";
    for (const SettingsKey& key : settingsKeys())
        text += "  " + padRight(key.name, 19) + key.values + "\n";
    text +=
        "\nExit status: 0 done, 1 FILE cannot be opened or OUT cannot be saved, 2 a bad\n"
        "argument, key or value.\n";
    return text;
}

}  // namespace

Command settingsCommand() {
    static const std::string help = helpText();
    return {kName, "settings show FILE | settings set FILE KEY=VALUE... [-o OUT]",
            "Show or change the receiver settings (the Parameters dialog)", help, run};
}

}  // namespace kavro::cli
