#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>

#include "database/ChannelDatabase.h"
#include "editing/NameBox.h"
#include "messages/MessageSink.h"

namespace kavro {

// The satellite dialog without its window: one field per control over a working copy of the
// record. OK writes the controls into the copy; the caller stores it (replaceSatellite,
// appendSatellite). Fields the dialog does not show stay as they were in the copy.
class SatelliteForm {
public:
    enum Mode { Add, Edit };
    // The boxes that are validated, so a dialog can put the focus back into a bad one.
    enum class Box { LnbLow, LnbHigh };

    static constexpr std::array<const char*, 2> kLnbTypes = {"Standard", "Universel"};
    static constexpr std::array<const char*, 7> kDiseqcPorts = {
        "OFF", "Mini A", "Mini B", "Port 1", "Port 2", "Port 3", "Port 4"};
    static constexpr std::array<const char*, 3> kPositioners = {"OFF", "DiSEqC 1.2", "USALS"};
    static constexpr std::array<const char*, 2> kEastWest = {"Est", "Ouest"};

    // Edit satellite `index` from a copy of its stored record.
    static SatelliteForm forEdit(std::size_t index, const SatelliteRecord& stored);
    // A new satellite; refused with TooManySatellites when the receiver's satellites are all
    // taken.
    static std::optional<SatelliteForm> forAdd(const ChannelDatabase& db, MessageSink& messages);

    Mode mode = Edit;
    std::size_t index = 0;
    std::string title;
    NameBox name;
    int lnbType = 1;          // kLnbTypes
    std::string lnbLowText;   // the first LNB box
    std::string lnbHighText;  // the second LNB box
    int diseqc = 0;           // kDiseqcPorts, -1 when the stored port matches no item
    int positioner = 0;       // kPositioners, -1 likewise
    std::string positionText;
    int eastWest = 0;  // kEastWest
    bool tone22k = false;
    bool output12V = false;
    bool power = false;
    bool chosen = false;
    bool grouped = false;

    SatelliteRecord record;  // the working copy, transponders included

    // "LNB : " changed: the two boxes take that type's oscillator frequencies.
    void chooseLnbType(int type);

    bool okEnabled() const { return !name.empty(); }
    bool originalEnabled() const { return name.empty() || name.changed(); }
    // "Original": validates (reporting a bad box, which is returned) and puts the opening name
    // back.
    std::optional<Box> restoreOriginal(MessageSink& messages);

    // The first box that does not hold a valid value, after showing its message.
    std::optional<Box> firstInvalid(MessageSink& messages) const;
    bool validate(MessageSink& messages) const { return !firstInvalid(messages); }
    // OK: false when the name is empty or a box is bad (its message shown); otherwise the
    // controls are written into `record`. An edited name left as it opened keeps its stored
    // bytes: the box shows the decoded text, which need not encode back to the same bytes.
    bool accept(MessageSink& messages);

private:
    void loadFromRecord();
};

// The degrees a Position text stands for: the decimal number at its start, 0 when there is
// none.
double leadingDecimal(std::string_view text);

// Tenths of a degree as stored for `degrees`: rounded to the nearest integer, kept to 16 bits,
// and for a West position the 16-bit two's complement.
std::uint16_t storedPosition(double degrees, bool west);

}  // namespace kavro
