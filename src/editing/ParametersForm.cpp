#include "editing/ParametersForm.h"

#include <cstdio>
#include <ctime>
#include <utility>

#include "database/LocalTime.h"
#include "messages/DialogValidation.h"
#include "messages/StringIds.h"
#include "messages/StringTable.h"

namespace kavro {

namespace {

int selection(int value, std::size_t items) {
    return value >= 0 && static_cast<std::size_t>(value) < items ? value
                                                                 : ParametersForm::kNoSelection;
}

bool isLeapYear(int y) {
    return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

int daysInMonth(int year, int month) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && isLeapYear(year) ? 29 : kDays[month - 1];
}

// One integer into a pattern such as "Sat     : %-4d".
std::string formatNumber(const char* pattern, int value) {
    char out[64];
    std::snprintf(out, sizeof out, pattern, value);
    return out;
}

// A list item: its 1-based number and a name ("%2d. %s", "%4d. %s").
std::string formatItem(const char* pattern, std::size_t number, const std::string& name) {
    char out[96];
    std::snprintf(out, sizeof out, pattern, static_cast<int>(number), name.c_str());
    return out;
}

// Whether digits typed after `text` could still give a number in [min, max] (min >= 0): the
// text of a number box part-way through typing.
bool canStillReach(std::string_view text, long long min, long long max) {
    if (const auto value = parseIntegerText(text); value && *value >= min && *value <= max)
        return true;
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    if (text.size() > 9) return false;
    long long value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return false;
        value = value * 10 + (c - '0');
    }
    // The numbers one, two ... more digits can make lie in [low, high].
    for (long long low = value, high = value; low <= max; low *= 10, high = high * 10 + 9)
        if (high >= min) return true;
    return false;
}

// A list choice to write: one the user made, not the one the list opened with, nor none.
bool chosen(int choice, int opened) {
    return choice != ParametersForm::kNoSelection && choice != opened;
}

}  // namespace

bool isRealDate(int year, int month, int day) {
    return month >= 1 && month <= 12 && day >= 1 && day <= daysInMonth(year, month);
}

LocalDateTime localNow() {
    const std::tm local = localTimeNow();
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
            local.tm_hour,        local.tm_min,     local.tm_sec};
}

ParametersForm::ParametersForm(const ChannelDatabase& db, NameDecoder decodeName)
    : db_(db),
      decodeName_(std::move(decodeName)),
      settings_(db.settings),
      startupChannels_(db.startupChannels) {
    namespace L = settings_lists;
    ReceiverSettings s(settings_);

    title = "   Parameters <<" + db_.dateText() + ">>";

    videoOutput = s.cvbsOutput() ? 1 : 0;
    screenMode = s.wideScreen() ? 1 : 0;
    conversion =
        s.aspectConversion() == 0 ? 0 : selection(s.aspectConversion() - 1, L::kConversion.size());
    tvType = selection(s.tvType(), L::kTvType.size());
    menuLanguage = selection(s.menuLanguage(), L::kMenuLanguage.size());
    audioLanguage = selection(s.audioLanguage(), L::kLanguage.size());
    subtitle = s.subtitleMode();
    subtitleLanguage = selection(s.subtitleLanguage(), L::kLanguage.size());
    background = s.osdBackground();
    transparency = transparencyPercent(s.osdTransparencyCode()) / 20;
    palStandard = selection(s.palStandard() - 1, L::kPalStandard.size());

    showInfo = 0;
    const int seconds = showInfoSeconds(s.showInfoCode());
    for (std::size_t i = 0; i < L::kShowInfoSeconds.size(); ++i)
        if (L::kShowInfoSeconds[i] == seconds) showInfo = static_cast<int>(i);

    if (s.startupGroup() >= db_.groupCount()) s.setStartupGroup(0);
    for (std::size_t g = 0; g < db_.groups.size(); ++g)
        groupItems.push_back(formatItem("%2d. %s", g + 1, decodeName_(db_.groups[g].name())));
    startupGroup = selection(s.startupGroup(), groupItems.size());
    fillChannels(startupGroup);

    dolbySound = s.dolbySound();
    wakeup = s.wakeupEnabled();
    sleep = s.sleepEnabled() && !s.wakeupEnabled();
    ageLock = s.lockMode() == ReceiverSettings::AgeLock;
    menuLock = s.lockMode() == ReceiverSettings::MenuLock;
    soundEffects = s.soundEffects();

    const ReceiverSettings::Clock c = s.clock();
    const bool realTime = c.hour < 24 && c.minute < 60 && c.second < 60;
    if (realTime && isRealDate(c.year, c.month, c.day)) {
        currentTime = TimeOfDay{c.hour, c.minute, c.second};
        currentDate = CalendarDate{c.year, c.month, c.day};
    }
    wakeupTime = {s.wakeupHour(), s.wakeupMinute(), 0};
    sleepTime = {s.sleepHour(), s.sleepMinute(), 0};

    ageText = std::to_string(s.ageLimit());
    passwordText = s.lockPassword();
    volumeText = std::to_string(s.volume());
    uhfText = std::to_string(s.uhfChannel());

    opened_ = listChoices();

    numberTexts = {formatNumber("Sat     : %-4d", db_.satCount()),
                   formatNumber("TP      : %-4d", db_.tpCount()),
                   formatNumber("Channals : %-4d", db_.channelCount()),
                   formatNumber("Groups : %-4d", db_.groupCount())};
}

void ParametersForm::chooseGroup(int index) {
    startupGroup = selection(index, groupItems.size());
    fillChannels(startupGroup);
}

void ParametersForm::fillChannels(int selected) {
    channelItems.clear();
    channelPositions.clear();
    startupChannel = kNoSelection;
    const std::size_t g = selected == kNoSelection ? 0 : static_cast<std::size_t>(selected);
    if (g >= db_.groups.size() || g >= startupChannels_.size()) return;

    const GroupRecord& group = db_.groups[g];
    std::uint16_t& entry = startupChannels_[g];
    if (entry >= group.refs.size()) entry = 0;

    for (std::size_t p = 0; p < group.refs.size(); ++p) {
        ChannelRef ref = group.refs[p];
        const ChannelRecord* channel = db_.findChannel(ref);
        if (!channel) continue;
        if (p == entry) startupChannel = static_cast<int>(channelItems.size());
        channelItems.push_back(formatItem("%4d. %s", p + 1, decodeName_(channel->name())));
        channelPositions.push_back(static_cast<int>(p));
    }
}

void ParametersForm::update(const LocalDateTime& now) {
    currentTime = TimeOfDay{now.hour, now.minute, now.second};
    currentDate = CalendarDate{now.year, now.month, now.day};
}

std::optional<ParametersForm::Numbers> ParametersForm::checkedNumbers(MessageSink& messages) const {
    auto age = validateInteger(ageText, kMinAge, kMaxAge, messages);
    if (!age) return std::nullopt;
    if (!validateMaxChars(passwordText, kPasswordLength, messages)) return std::nullopt;
    auto volume = validateInteger(volumeText, kMinVolume, kMaxVolume, messages);
    if (!volume) return std::nullopt;
    auto uhf = validateInteger(uhfText, kMinUhf, kMaxUhf, messages);
    if (!uhf) return std::nullopt;
    // The stored year is one byte; a date picker must not wrap it round.
    if (currentDate && (currentDate->year < kMinYear || currentDate->year > kMaxYear)) {
        messages.showMessage(strings::EnterIntegerBetween,
                             joinArguments({std::to_string(kMinYear), std::to_string(kMaxYear)}));
        return std::nullopt;
    }
    return Numbers{static_cast<int>(*age), static_cast<int>(*volume), static_cast<int>(*uhf)};
}

bool ParametersForm::validate(MessageSink& messages) const {
    return checkedNumbers(messages).has_value();
}

bool ParametersForm::checkWhileTyping(NumberBox box, MessageSink& messages) const {
    const auto check = [&](const std::string& text, int min, int max) {
        return canStillReach(text, min, max) || validateInteger(text, min, max, messages);
    };
    switch (box) {
        case NumberBox::Age:
            return check(ageText, kMinAge, kMaxAge);
        case NumberBox::Volume:
            return check(volumeText, kMinVolume, kMaxVolume);
        case NumberBox::Uhf:
            return check(uhfText, kMinUhf, kMaxUhf);
    }
    return true;
}

ParametersForm::ListChoices ParametersForm::listChoices() const {
    return {videoOutput, screenMode,       conversion, tvType,     menuLanguage, audioLanguage,
            subtitle,    subtitleLanguage, showInfo,   background, transparency, palStandard};
}

std::optional<ParametersResult> ParametersForm::accept(MessageSink& messages,
                                                       const LocalDateTime& now) const {
    const auto numbers = checkedNumbers(messages);
    if (!numbers) return std::nullopt;
    ParametersResult result{settings_, startupChannels_};
    ReceiverSettings s(result.settings);

    stampSaveDate(result.settings, CalendarDate{now.year, now.month, now.day});
    const ListChoices& o = opened_;
    if (chosen(videoOutput, o.videoOutput)) s.setCvbsOutput(videoOutput > 0);
    if (chosen(screenMode, o.screenMode)) s.setWideScreen(screenMode > 0);
    if (chosen(conversion, o.conversion)) s.setAspectConversion(conversion + 1);
    if (chosen(tvType, o.tvType)) s.setTvType(tvType);
    if (chosen(menuLanguage, o.menuLanguage)) s.setMenuLanguage(menuLanguage);
    if (chosen(audioLanguage, o.audioLanguage)) s.setAudioLanguage(audioLanguage);
    if (chosen(subtitle, o.subtitle)) s.setSubtitleMode(subtitle);
    if (chosen(subtitleLanguage, o.subtitleLanguage)) s.setSubtitleLanguage(subtitleLanguage);
    if (chosen(showInfo, o.showInfo) &&
        static_cast<std::size_t>(showInfo) < settings_lists::kShowInfo.size())
        s.setShowInfoCode(showInfoCodeFor(settings_lists::kShowInfoSeconds[showInfo]));
    if (chosen(background, o.background)) s.setOsdBackground(background);
    if (chosen(transparency, o.transparency))
        s.setOsdTransparencyCode(transparencyCode(transparency * 20));
    if (chosen(palStandard, o.palStandard)) s.setPalStandard(palStandard + 1);

    // Without a group or channel to choose there is nothing to store: the entries stay as they
    // are rather than taking the list's "no selection" value.
    if (startupGroup != kNoSelection) {
        s.setStartupGroup(startupGroup);
        const auto g = static_cast<std::size_t>(startupGroup);
        if (startupChannel >= 0 &&
            static_cast<std::size_t>(startupChannel) < channelPositions.size() &&
            g < result.startupChannels.size())
            result.startupChannels[g] =
                static_cast<std::uint16_t>(channelPositions[startupChannel]);
    }

    s.setDolbySound(dolbySound);
    s.setWakeupEnabled(wakeup);
    s.setSleepEnabled(sleep);

    ReceiverSettings::Clock clock = s.clock();
    if (currentTime) {
        clock.hour = currentTime->hour;
        clock.minute = currentTime->minute;
        clock.second = currentTime->second;
    }
    if (currentDate) {
        clock.year = currentDate->year;
        clock.month = currentDate->month;
        clock.day = currentDate->day;
    }
    s.setClock(clock);
    s.setWakeupTime(wakeupTime.hour, wakeupTime.minute);
    s.setSleepTime(sleepTime.hour, sleepTime.minute);

    s.setLockMode(menuLock  ? ReceiverSettings::MenuLock
                  : ageLock ? ReceiverSettings::AgeLock
                            : ReceiverSettings::NoLock);
    s.setAgeLimit(numbers->age);
    s.setLockPassword(passwordText);
    s.setVolume(numbers->volume);
    s.setSoundEffects(soundEffects);
    s.setUhfChannel(numbers->uhf);
    return result;
}

}  // namespace kavro
