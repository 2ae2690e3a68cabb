#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "database/ChannelDatabase.h"
#include "messages/MessageSink.h"

namespace kavro {

// The transponder dialog without its window, over a working copy of the record (channels
// included). OK writes the controls into the copy; the caller stores it in the satellite
// `satellite` (replaceTransponder, appendTransponder).
class TransponderForm {
public:
    enum Mode { Add, Edit };
    enum class Box { Frequency, SymbolRate, Tid, Name };

    static constexpr std::array<const char*, 3> kPolarisations = {"AUTO", "H", "V"};
    static constexpr std::array<const char*, 6> kFecs = {"AUTO", "1/2", "2/3", "3/4", "4/6", "7/8"};
    static constexpr unsigned kMinFrequency = 10000, kMaxFrequency = 13000;
    static constexpr std::size_t kNameLength = 2;

    // Nothing when there are no satellites or `tp` is not a transponder of the satellite. A
    // satellite index out of range is taken as 0.
    static std::optional<TransponderForm> forEdit(const ChannelDatabase& db, std::size_t sat,
                                                  std::size_t tp);
    // Nothing when there are no satellites, or after TooManyTransponders when the receiver's
    // transponders are all taken.
    static std::optional<TransponderForm> forAdd(const ChannelDatabase& db, std::size_t sat,
                                                 MessageSink& messages);

    Mode mode = Edit;
    std::size_t tpIndex = 0;
    std::string title;
    std::vector<std::string> satelliteItems;  // always disabled
    int satellite = 0;
    std::string frequencyText;
    int polarisation = 2;  // kPolarisations
    std::string symbolRateText;
    int fec = 0;  // kFecs, -1 when the stored code matches no item
    std::string tidText;
    std::string name;  // plain bytes, never name-coded

    TransponderRecord record;

    // The first box that does not hold a valid value, after showing its message.
    std::optional<Box> firstInvalid(MessageSink& messages) const;
    bool validate(MessageSink& messages) const { return !firstInvalid(messages); }
    // OK: false when the satellite is out of range or a box is bad (its message shown);
    // otherwise the controls are written into `record`.
    bool accept(MessageSink& messages);

private:
    static std::optional<TransponderForm> opened(const ChannelDatabase& db, std::size_t sat);
};

}  // namespace kavro
