// The Parameters form on any settings block and start-up channel table: it opens, and its OK
// either refuses with a message or gives a block that a second untouched OK leaves exactly as
// it is. The data version and the counts, which belong to the database, never change.
#include <algorithm>
#include <string>

#include "DatabaseBuilder.h"
#include "FuzzSupport.h"
#include "arabic/ReceiverName.h"
#include "database/ByteOrder.h"
#include "editing/ParametersForm.h"
#include "messages/MessageSink.h"

namespace kavro::fuzz {
namespace {

class CountingSink : public SilentMessageSink {
public:
    MessageButton showMessage(int id, std::string_view arg, MessageStyle style) override {
        ++shown;
        return SilentMessageSink::showMessage(id, arg, style);
    }
    MessageButton showMessageNumber(int id, long long value, MessageStyle style) override {
        ++shown;
        return SilentMessageSink::showMessageNumber(id, value, style);
    }
    MessageButton showText(std::string_view text, MessageStyle style) override {
        ++shown;
        return SilentMessageSink::showText(text, style);
    }
    int shown = 0;
};

// Channels named from the input, then groups whose references may name none of them.
ChannelDatabase databaseFrom(FuzzInput& in) {
    test::DatabaseBuilder builder;
    builder.satellite("Sat");
    const int channels = in.byte() % 12;
    for (int c = 0; c < channels; ++c) builder.channel("Ch" + std::to_string(c));
    const int groups = in.byte() % 27;
    for (int g = 0; g < groups; ++g) {
        std::vector<std::uint16_t> numbers;
        for (int r = in.byte() % 8; r > 0; --r) numbers.push_back(in.byte() % 16);
        builder.group("G" + std::to_string(g), numbers);
    }
    ChannelDatabase db = builder.build();
    const auto block = in.take(db.settings.size());
    std::copy(block.begin(), block.end(), db.settings.begin());
    for (std::uint16_t& entry : db.startupChannels) entry = in.u16() % 12;
    return db;
}

// Bytes of the block the form has no business with.
bool sameDatabaseFields(const SettingsBlock& a, const SettingsBlock& b) {
    const auto same = [&](std::size_t at, std::size_t n) {
        return std::equal(a.begin() + at, a.begin() + at + n, b.begin() + at);
    };
    return same(0, 4) && same(image::kGroupCountAt, 1) && same(image::kSatCountAt, 6);
}

}  // namespace
}  // namespace kavro::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace kavro;
    using namespace kavro::fuzz;
    FuzzInput in(data, size);
    const ChannelDatabase db = databaseFrom(in);
    const LocalDateTime now{2026, 12, 6, 15, 30, 0};
    const auto decode = [](ConstNameField field) { return decodeReceiverName(field); };

    CountingSink messages;
    const ParametersForm form(db, decode);
    const std::optional<ParametersResult> first = form.accept(messages, now);
    if (!first) {
        require(messages.shown == 1, "a refused OK to say why, once");
        return 0;
    }
    require(messages.shown == 0, "an accepted OK to say nothing");
    require(sameDatabaseFields(first->settings, db.settings),
            "OK to leave the data version and the counts alone");

    ChannelDatabase accepted = db;
    first->applyTo(accepted);
    const std::optional<ParametersResult> second =
        ParametersForm(accepted, decode).accept(messages, now);
    require(second.has_value(), "the block an OK wrote to pass the next OK");
    require(*second == *first, "a second untouched OK to change nothing");
    return 0;
}
