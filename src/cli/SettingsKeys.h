#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "editing/ParametersForm.h"

namespace kavro::cli {

// The receiver settings as KEY=VALUE pairs for "settings show" and "settings set": one key per
// control of the Parameters dialog, with the dialog's lists and ranges.
struct SettingsKey {
    std::string_view name;
    std::string values;  // what the key takes, for --help
};

const std::vector<SettingsKey>& settingsKeys();

// The value of `key` as the dialog shows it, in UTF-8 ("(none)" for a list without a
// selection).
std::string settingsValueText(const ParametersForm& form, std::string_view key);

// Sets one control from its text. False with `error` in plain words for an unknown key or a
// value the control does not take. `now` serves "clock=now" (the dialog's Update button).
bool applySettingsValue(ParametersForm& form, std::string_view key, std::string_view value,
                        const LocalDateTime& now, std::string& error);

}  // namespace kavro::cli
