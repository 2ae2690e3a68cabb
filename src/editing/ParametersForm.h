#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "database/ChannelDatabase.h"
#include "database/ImageFile.h"
#include "database/ReceiverSettings.h"
#include "messages/MessageSink.h"

namespace kavro {

// The PC's local date and time, handed in so that the form never reads the clock itself.
struct LocalDateTime {
    int year = 1900, month = 1, day = 1, hour = 0, minute = 0, second = 0;
    friend bool operator==(const LocalDateTime&, const LocalDateTime&) = default;
};
LocalDateTime localNow();

// True for a day that exists in the Gregorian calendar (29 February in leap years only).
bool isRealDate(int year, int month, int day);

struct TimeOfDay {
    int hour = 0, minute = 0, second = 0;
    friend bool operator==(const TimeOfDay&, const TimeOfDay&) = default;
};

// What the Parameters dialog's OK gives: the whole settings block and the start-up channel
// entries, the corrections made on opening included. The caller puts them into the database.
struct ParametersResult {
    SettingsBlock settings{};
    std::array<std::uint16_t, image::kMaxGroups> startupChannels{};

    void applyTo(ChannelDatabase& db) const {
        db.settings = settings;
        db.startupChannels = startupChannels;
    }
    friend bool operator==(const ParametersResult&, const ParametersResult&) = default;
};

// The Parameters dialog without its window: one field per control, filled from the database's
// settings block when the form is made; accept() turns them back into a block. The form never
// changes the database, so a dialog that is cancelled leaves it exactly as it was.
//
// List fields hold the selected position, or kNoSelection when a stored value matches no item.
// A list left as it opened (or without a choice) keeps its stored code on OK: an untouched
// dialog must not turn a code the lists cannot show into another one. Number boxes hold their
// text as typed, so validation can tell "not a number" from "out of range".
class ParametersForm {
public:
    static constexpr int kNoSelection = -1;
    // Range of the boxes and pickers.
    static constexpr int kMinAge = 4, kMaxAge = 18;
    static constexpr int kMinVolume = 0, kMaxVolume = 20;
    static constexpr int kMinUhf = 21, kMaxUhf = 69;
    static constexpr std::size_t kPasswordLength = 4;
    static constexpr int kMinYear = 1900, kMaxYear = 1900 + 255;  // one byte, year - 1900

    // Group and channel names are decoded by the caller's function (decodeReceiverName).
    using NameDecoder = std::function<std::string(ConstNameField)>;

    // Opens on `db.settings`. A start-up group past the group count is taken as 0, and the
    // start-up channel entry of the selected group as 0 when it lies past the group's
    // channels; both corrections are kept in the form and come out with OK. `db` must outlive
    // the form.
    ParametersForm(const ChannelDatabase& db, NameDecoder decodeName);

    // "   Parameters <<%s>>" with the block's date text (Windows-1256).
    std::string title;

    // " Output Setting "
    int videoOutput = kNoSelection;  // settings_lists::kVideoOutput
    int screenMode = kNoSelection;   // kScreenMode
    int conversion = kNoSelection;   // kConversion
    int tvType = kNoSelection;       // kTvType
    bool dolbySound = false;

    // " Time Setting ". The current-time and current-date pickers show nothing when the stored
    // clock is no real date and time; a picker that shows nothing leaves its part of the clock
    // as it was on OK.
    std::optional<TimeOfDay> currentTime;
    std::optional<CalendarDate> currentDate;
    bool wakeup = false;
    TimeOfDay wakeupTime;  // hour and minute
    bool sleep = false;
    TimeOfDay sleepTime;

    // " Language Setting "
    int menuLanguage = kNoSelection;      // kMenuLanguage
    int audioLanguage = kNoSelection;     // kLanguage
    int subtitle = kNoSelection;          // kSubtitle
    int subtitleLanguage = kNoSelection;  // kLanguage

    // "OSD Setting "
    int showInfo = kNoSelection;      // kShowInfo
    int background = kNoSelection;    // kBackground
    int transparency = kNoSelection;  // kTransparency
    bool soundEffects = false;        // checked = on (see ReceiverSettings::soundEffects)

    // " Startup Infos "
    std::vector<std::string> groupItems;  // "%2d. %s"
    int startupGroup = kNoSelection;
    std::vector<std::string> channelItems;  // "%4d. %s"
    // For each channel item, its position in the group (references that do not resolve to a
    // channel have no item, so item and position can differ).
    std::vector<int> channelPositions;
    int startupChannel = kNoSelection;  // an item of channelItems
    std::string volumeText;

    // " Lock Control "
    bool ageLock = false;
    std::string ageText;
    bool menuLock = false;
    std::string passwordText;

    // " UHF Control "
    std::string uhfText;
    int palStandard = kNoSelection;  // kPalStandard

    // " Number ": "Sat     : %-4d", "TP      : %-4d", "Channals : %-4d", "Groups : %-4d".
    std::array<std::string, 4> numberTexts;

    // Which boxes the check boxes enable.
    bool wakeupPickerEnabled() const { return wakeup; }
    bool sleepPickerEnabled() const { return sleep; }
    bool ageBoxEnabled() const { return ageLock; }

    // Another group chosen in the Group list (kNoSelection: the first group is used): its
    // start-up channel entry is taken as 0 when it lies past its channels (kept for OK like the
    // opening corrections), and the Channal list is refilled with that entry selected.
    void chooseGroup(int index);

    // The "Update" button: both current pickers take the PC's present time.
    void update(const LocalDateTime& now);

    // Checks the boxes in dialog order and reports the first bad one through `messages`.
    bool validate(MessageSink& messages) const;

    // While a number box is being typed in: its message, and false, only once no digits typed
    // after its text could bring it into range, so "2" on the way to "21" is not reported.
    enum class NumberBox { Age, Volume, Uhf };
    bool checkWhileTyping(NumberBox box, MessageSink& messages) const;

    // OK: validates, then writes the block in the dialog's order, the date text first (from
    // `now`), over the block as opened. Nothing when a box is bad.
    std::optional<ParametersResult> accept(MessageSink& messages, const LocalDateTime& now) const;

private:
    struct Numbers {
        int age, volume, uhf;
    };
    struct ListChoices {
        int videoOutput, screenMode, conversion, tvType, menuLanguage, audioLanguage, subtitle,
            subtitleLanguage, showInfo, background, transparency, palStandard;
    };
    ListChoices listChoices() const;
    std::optional<Numbers> checkedNumbers(MessageSink& messages) const;
    void fillChannels(int group);

    const ChannelDatabase& db_;
    NameDecoder decodeName_;
    // The database's block and entries with the corrections made so far.
    SettingsBlock settings_;
    std::array<std::uint16_t, image::kMaxGroups> startupChannels_;
    ListChoices opened_{};
};

}  // namespace kavro
