#include "RecordingMessageSink.h"

#include "messages/StringTable.h"

namespace kavro::test {

MessageButton RecordingMessageSink::next(MessageStyle style) {
    if (answers_.empty()) return defaultButton(style);
    MessageButton b = answers_.front();
    answers_.pop_front();
    return b;
}

MessageButton RecordingMessageSink::showMessage(int stringId, std::string_view argument,
                                                MessageStyle style) {
    std::string_view text = stringText(stringId);
    entries.push_back({stringId,
                       argument.empty() ? std::string(text) : formatText(text, argument), style});
    return next(style);
}

MessageButton RecordingMessageSink::showMessageNumber(int stringId, long long value,
                                                      MessageStyle style) {
    entries.push_back({stringId, formatText(stringText(stringId), value), style});
    return next(style);
}

MessageButton RecordingMessageSink::showText(std::string_view text, MessageStyle style) {
    entries.push_back({0, std::string(text), style});
    return next(style);
}

std::vector<int> RecordingMessageSink::ids() const {
    std::vector<int> out;
    for (const auto& e : entries) out.push_back(e.stringId);
    return out;
}

}  // namespace kavro::test
