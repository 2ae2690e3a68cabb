#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "database/ChannelDatabase.h"
#include "database/ChannelPlace.h"
#include "editing/NameBox.h"
#include "messages/MessageSink.h"

namespace kavro {

// The channel dialog without its window. OK returns the record and where it goes; the caller
// stores it (addChannel for a new channel, replaceChannel for an edited one).
class ChannelForm {
public:
    enum Mode { Add, Edit };
    enum class Box {
        VideoPid,
        AudioPid,
        PcrPid,
        ServiceId,
        PmtPid,
        TeletextPid,
        Ac3Pid,
        XPid,
        Limit
    };

    // What OK gives. Edit: the record replaces the channel at `place`. Add: the record goes at
    // the end of transponder place.tpIndex of satellite place.satIndex (chIndex means nothing).
    struct Result {
        Mode mode = Add;
        ChannelPlace place;
        ChannelRecord record;
    };

    static constexpr std::array<const char*, 3> kTypes = {"TV", "RADIO", "DATA"};
    // The "Audio Lang :" items as the list holds them (the box shows them sorted); any other
    // typed text is accepted too.
    static constexpr std::array<const char*, 70> kAudioLanguages = {
        "001", "a 1", "aaa", "all", "afr", "ap1", "ap8", "ara", "arm", "asy", "azr", "ben",
        "bul", "cat", "ces", "cht", "cze", "dan", "deu", "eng", "esp", "est", "eus", "far",
        "fra", "fre", "geo", "ger", "gll", "gre", "hel", "hin", "hrv", "hun", "ita", "jpn",
        "kor", "kur", "kzk", "lat", "lth", "lux", "mag", "mak", "mnt", "mul", "ned", "nor",
        "org", "pol", "por", "pr1", "pun", "rom", "rus", "shq", "sin", "slk", "slv", "spa",
        "srp", "suo", "sve", "svk", "swe", "tam", "tha", "tur", "ukr", "utn"};
    static constexpr int kMaxAgeLimit = 20;

    // Where a new channel goes: the satellite and transponder (list positions) the caller took
    // from the tree's current item or the first selected row; -1 means the first entry.
    struct Placement {
        int satIndex = -1;
        int tpIndex = -1;
    };

    // Opens on the channel of a list row (`row`, resolved with findChannel). Without a row, or
    // when it resolves to no channel, the dialog opens to add a channel at `placement`; an add
    // is refused with TooManyChannels when the receiver's channels are all taken.
    static std::optional<ChannelForm> open(const ChannelDatabase& db,
                                           const std::optional<ChannelRef>& row,
                                           Placement placement, MessageSink& messages);

    Mode mode = Add;
    std::string title;
    ChannelRef place;  // edit: the channel's resolved reference

    std::vector<std::string> satelliteItems;  // "%d. %s"
    int satellite = -1;
    std::vector<std::string> transponderItems;  // "%4d. %s"
    std::vector<int> transponderIndexes;        // each item's position in the satellite's list
    int transponder = -1;
    // Only an add may choose where the channel goes.
    bool placeEnabled() const { return mode == Add; }

    NameBox name;
    std::string videoPidText, audioPidText, pcrPidText, serviceIdText, pmtPidText, teletextPidText,
        ac3PidText, xPidText;  // the X-PID box is hidden
    int type = 0;              // kTypes, -1 when the stored type matches none
    std::string audioLanguage;
    std::string limitText;
    bool crypted = false;
    bool locked = false;
    std::array<bool, ChannelRecord::kEcmSlots> ecmSlots{};  // shown, never changed by the user

    // Another satellite picked (add mode): the TP list is refilled and its first entry chosen.
    void chooseSatellite(int s);

    // OK also needs a transponder to put the channel in.
    bool okEnabled() const { return !name.empty() && transponder >= 0; }
    bool originalEnabled() const { return name.empty() || (mode == Edit && name.changed()); }
    // "Original": validates (reporting a bad box, which is returned) and puts the opening name
    // back.
    std::optional<Box> restoreOriginal(MessageSink& messages);

    // The first box that does not hold a valid value, after showing its message.
    std::optional<Box> firstInvalid(MessageSink& messages) const;
    bool validate(MessageSink& messages) const { return !firstInvalid(messages); }

    // OK: validates; a rename of a crypted channel to an Arabic name asks first (Cancel keeps
    // the stored name, or an empty one for a new channel); a name that differs from the opening
    // one other than in letter case sets the SID to 65535. An edited name left exactly as it
    // opened keeps its stored bytes. Nothing while OK is disabled or a box is bad.
    std::optional<Result> accept(MessageSink& messages) const;

private:
    void fillTransponders(int s);

    const ChannelDatabase* db_ = nullptr;
    ChannelRecord stored_;  // the edited channel, or a new record
};

}  // namespace kavro
