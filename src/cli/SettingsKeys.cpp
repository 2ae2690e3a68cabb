#include "cli/SettingsKeys.h"

#include <cctype>
#include <cstdio>
#include <span>

#include "arabic/Windows1256.h"
#include "cli/ArgParser.h"

namespace kavro::cli {
namespace {

namespace L = settings_lists;

struct ListKey {
    std::string_view name;
    std::span<const char* const> items;
    int ParametersForm::*field;
};

const ListKey kListKeys[] = {
    {"video-output", L::kVideoOutput, &ParametersForm::videoOutput},
    {"screen-mode", L::kScreenMode, &ParametersForm::screenMode},
    {"conversion", L::kConversion, &ParametersForm::conversion},
    {"tv-type", L::kTvType, &ParametersForm::tvType},
    {"menu-language", L::kMenuLanguage, &ParametersForm::menuLanguage},
    {"audio-language", L::kLanguage, &ParametersForm::audioLanguage},
    {"subtitle", L::kSubtitle, &ParametersForm::subtitle},
    {"subtitle-language", L::kLanguage, &ParametersForm::subtitleLanguage},
    {"show-info", L::kShowInfo, &ParametersForm::showInfo},
    {"background", L::kBackground, &ParametersForm::background},
    {"transparency", L::kTransparency, &ParametersForm::transparency},
    {"pal-standard", L::kPalStandard, &ParametersForm::palStandard},
};

struct SwitchKey {
    std::string_view name;
    bool ParametersForm::*field;
};

const SwitchKey kSwitchKeys[] = {
    {"dolby", &ParametersForm::dolbySound}, {"wakeup", &ParametersForm::wakeup},
    {"sleep", &ParametersForm::sleep},      {"sound-effects", &ParametersForm::soundEffects},
    {"age-lock", &ParametersForm::ageLock}, {"menu-lock", &ParametersForm::menuLock},
};

struct NumberKey {
    std::string_view name;
    int min, max;
    std::string ParametersForm::*field;
};

const NumberKey kNumberKeys[] = {
    {"volume", ParametersForm::kMinVolume, ParametersForm::kMaxVolume, &ParametersForm::volumeText},
    {"age", ParametersForm::kMinAge, ParametersForm::kMaxAge, &ParametersForm::ageText},
    {"uhf-channel", ParametersForm::kMinUhf, ParametersForm::kMaxUhf, &ParametersForm::uhfText},
};

// List texts compared without case, blanks, "-" and "%": "letter box", "PAL-bg", "20".
std::string folded(std::string_view text) {
    std::string out;
    for (char c : text) {
        if (c == ' ' || c == '-' || c == '%') continue;
        out += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return out;
}

std::string trimmed(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    return std::string(text);
}

std::string itemsText(std::span<const char* const> items) {
    std::string out;
    for (const char* item : items) {
        if (!out.empty()) out += "|";
        out += trimmed(item);
    }
    return out;
}

std::string twoDigits(int a, int b, const char* pattern = "%02d:%02d") {
    char out[32];
    std::snprintf(out, sizeof out, pattern, a, b);
    return out;
}

// "HH:MM" or "HH:MM:SS" with each part in range.
bool parseClockTime(std::string_view text, bool seconds, TimeOfDay& time) {
    int h = -1, m = -1, s = 0;
    char tail = 0;
    const std::string t(text);
    const int n = seconds ? std::sscanf(t.c_str(), "%2d:%2d:%2d%c", &h, &m, &s, &tail)
                          : std::sscanf(t.c_str(), "%2d:%2d%c", &h, &m, &tail);
    if (n != (seconds ? 3 : 2)) return false;
    if (h < 0 || h > 23 || m < 0 || m > 59 || s < 0 || s > 59) return false;
    time = {h, m, s};
    return true;
}

bool parseCalendarDate(std::string_view text, CalendarDate& date) {
    int y = 0, m = 0, d = 0;
    char tail = 0;
    const std::string t(text);
    if (std::sscanf(t.c_str(), "%4d-%2d-%2d%c", &y, &m, &d, &tail) != 3) return false;
    if (y < ParametersForm::kMinYear || y > ParametersForm::kMaxYear || !isRealDate(y, m, d))
        return false;
    date = {y, m, d};
    return true;
}

std::optional<bool> parseSwitch(std::string_view value) {
    const std::string v = folded(value);
    if (v == "on" || v == "yes" || v == "true" || v == "1") return true;
    if (v == "off" || v == "no" || v == "false" || v == "0") return false;
    return std::nullopt;
}

}  // namespace

const std::vector<SettingsKey>& settingsKeys() {
    static const std::vector<SettingsKey> keys = [] {
        std::vector<SettingsKey> k;
        auto add = [&](std::string_view name, std::string values) {
            k.push_back({name, std::move(values)});
        };
        auto list = [&](std::string_view name) {
            for (const ListKey& l : kListKeys)
                if (l.name == name) add(name, itemsText(l.items));
        };
        auto number = [&](std::string_view name) {
            for (const NumberKey& n : kNumberKeys)
                if (n.name == name) add(name, std::to_string(n.min) + ".." + std::to_string(n.max));
        };
        list("video-output");
        list("screen-mode");
        list("conversion");
        list("tv-type");
        add("dolby", "on|off");
        add("clock", "now (the PC's present date and time)");
        add("date", "YYYY-MM-DD (receiver clock date)");
        add("time", "HH:MM:SS (receiver clock time)");
        add("wakeup", "on|off");
        add("wakeup-time", "HH:MM");
        add("sleep", "on|off");
        add("sleep-time", "HH:MM");
        list("menu-language");
        list("audio-language");
        list("subtitle");
        list("subtitle-language");
        list("show-info");
        list("background");
        list("transparency");
        add("sound-effects", "on|off");
        add("startup-group", "group number, from 1");
        add("startup-channel", "position in the start-up group, from 1");
        number("volume");
        add("age-lock", "on|off");
        number("age");
        add("menu-lock", "on|off (takes precedence over age-lock)");
        add("password", "up to 4 characters");
        number("uhf-channel");
        list("pal-standard");
        return k;
    }();
    return keys;
}

std::string settingsValueText(const ParametersForm& form, std::string_view key) {
    for (const ListKey& l : kListKeys) {
        if (l.name != key) continue;
        const int sel = form.*l.field;
        if (sel < 0 || static_cast<std::size_t>(sel) >= l.items.size()) return "(none)";
        return trimmed(l.items[static_cast<std::size_t>(sel)]);
    }
    for (const SwitchKey& s : kSwitchKeys)
        if (s.name == key) return form.*s.field ? "on" : "off";
    for (const NumberKey& n : kNumberKeys)
        if (n.name == key) return form.*n.field;
    if (key == "date" || key == "clock") {
        if (!form.currentDate) return "(none)";
        const CalendarDate& d = *form.currentDate;
        char out[32];
        std::snprintf(out, sizeof out, "%04d-%02d-%02d", d.year, d.month, d.day);
        std::string text = out;
        if (key == "clock" && form.currentTime) text += " " + settingsValueText(form, "time");
        return text;
    }
    if (key == "time") {
        if (!form.currentTime) return "(none)";
        const TimeOfDay& t = *form.currentTime;
        char out[32];
        std::snprintf(out, sizeof out, "%02d:%02d:%02d", t.hour, t.minute, t.second);
        return out;
    }
    if (key == "wakeup-time") return twoDigits(form.wakeupTime.hour, form.wakeupTime.minute);
    if (key == "sleep-time") return twoDigits(form.sleepTime.hour, form.sleepTime.minute);
    if (key == "password") return windows1256ToUtf8(form.passwordText);
    if (key == "startup-group") {
        const int g = form.startupGroup;
        if (g < 0 || static_cast<std::size_t>(g) >= form.groupItems.size()) return "(none)";
        return trimmed(windows1256ToUtf8(form.groupItems[static_cast<std::size_t>(g)]));
    }
    if (key == "startup-channel") {
        const int c = form.startupChannel;
        if (c < 0 || static_cast<std::size_t>(c) >= form.channelItems.size()) return "(none)";
        return trimmed(windows1256ToUtf8(form.channelItems[static_cast<std::size_t>(c)]));
    }
    return {};
}

bool applySettingsValue(ParametersForm& form, std::string_view key, std::string_view value,
                        const LocalDateTime& now, std::string& error) {
    const std::string quoted = "'" + std::string(value) + "'";
    for (const ListKey& l : kListKeys) {
        if (l.name != key) continue;
        const std::string v = folded(value);
        for (std::size_t i = 0; i < l.items.size(); ++i) {
            if (folded(l.items[i]) == v) {
                form.*l.field = static_cast<int>(i);
                return true;
            }
        }
        error = std::string(key) + " takes " + itemsText(l.items) + ", not " + quoted;
        return false;
    }
    for (const SwitchKey& s : kSwitchKeys) {
        if (s.name != key) continue;
        auto on = parseSwitch(value);
        if (!on) {
            error = std::string(key) + " takes on or off, not " + quoted;
            return false;
        }
        form.*s.field = *on;
        return true;
    }
    for (const NumberKey& n : kNumberKeys) {
        if (n.name != key) continue;
        auto number = parseInteger(std::string(value), n.min, n.max);
        if (!number) {
            error = std::string(key) + " must be a whole number from " + std::to_string(n.min) +
                    " to " + std::to_string(n.max) + ", not " + quoted;
            return false;
        }
        form.*n.field = std::to_string(*number);
        return true;
    }
    if (key == "clock") {
        if (folded(value) != "now") {
            error = "clock takes 'now'; set date=YYYY-MM-DD and time=HH:MM:SS for another time";
            return false;
        }
        form.update(now);
        return true;
    }
    if (key == "date") {
        CalendarDate date{};
        if (!parseCalendarDate(value, date)) {
            error = "date must be a real date YYYY-MM-DD from " +
                    std::to_string(ParametersForm::kMinYear) + " to " +
                    std::to_string(ParametersForm::kMaxYear) + ", not " + quoted;
            return false;
        }
        form.currentDate = date;
        return true;
    }
    if (key == "time" || key == "wakeup-time" || key == "sleep-time") {
        const bool seconds = key == "time";
        TimeOfDay time;
        if (!parseClockTime(value, seconds, time)) {
            error = std::string(key) + " must be a time " + (seconds ? "HH:MM:SS" : "HH:MM") +
                    ", not " + quoted;
            return false;
        }
        if (key == "time") form.currentTime = time;
        if (key == "wakeup-time") form.wakeupTime = time;
        if (key == "sleep-time") form.sleepTime = time;
        return true;
    }
    if (key == "password") {
        const std::string text = utf8ToWindows1256(value, '\0');
        if (text.find('\0') != std::string::npos || text.size() > ParametersForm::kPasswordLength) {
            error = "password takes up to 4 characters, not " + quoted;
            return false;
        }
        form.passwordText = text;
        return true;
    }
    if (key == "startup-group") {
        auto g =
            parseInteger(std::string(value), 1, static_cast<long long>(form.groupItems.size()));
        if (!g) {
            error = form.groupItems.empty()
                        ? "the database has no groups to start with"
                        : "startup-group must be a group number from 1 to " +
                              std::to_string(form.groupItems.size()) + ", not " + quoted;
            return false;
        }
        form.chooseGroup(static_cast<int>(*g - 1));
        return true;
    }
    if (key == "startup-channel") {
        auto p = parseInteger(std::string(value), 1, 0xFFFF);
        if (p) {
            for (std::size_t i = 0; i < form.channelPositions.size(); ++i) {
                if (form.channelPositions[i] == *p - 1) {
                    form.startupChannel = static_cast<int>(i);
                    return true;
                }
            }
        }
        error = "startup-channel must be the position of a channel in the start-up group (" +
                std::to_string(form.channelPositions.size()) + " listed), not " + quoted;
        return false;
    }
    error = "unknown setting '" + std::string(key) + "' (see 'kavro-cli settings --help')";
    return false;
}

}  // namespace kavro::cli
