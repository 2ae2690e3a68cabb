#pragma once

#include <deque>
#include <string>
#include <vector>

#include "messages/MessageSink.h"

namespace kavro::test {

// Records every message box and answers questions from a script (then with the default).
class RecordingMessageSink : public MessageSink {
public:
    struct Entry {
        int stringId;      // 0 for a literal text
        std::string text;  // the formatted text as the user would read it
        MessageStyle style;
    };

    MessageButton showMessage(int stringId, std::string_view argument,
                              MessageStyle style) override;
    MessageButton showMessageNumber(int stringId, long long value, MessageStyle style) override;
    MessageButton showText(std::string_view text, MessageStyle style) override;

    // Queues the answers to the next questions, in order.
    void answer(std::initializer_list<MessageButton> buttons) {
        answers_.insert(answers_.end(), buttons);
    }

    std::vector<Entry> entries;
    std::vector<int> ids() const;

private:
    MessageButton next(MessageStyle style);
    std::deque<MessageButton> answers_;
};

}  // namespace kavro::test
