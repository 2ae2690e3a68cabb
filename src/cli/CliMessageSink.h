#pragma once

#include "messages/MessageSink.h"

namespace kavro::cli {

// Prints every message on stderr in UTF-8. Questions get their default answer (Yes / OK),
// since a script cannot answer; commands that need a choice offer an option instead.
class CliMessageSink : public MessageSink {
public:
    MessageButton showMessage(int stringId, std::string_view argument,
                              MessageStyle style) override;
    MessageButton showMessageNumber(int stringId, long long value, MessageStyle style) override;
    MessageButton showText(std::string_view text, MessageStyle style) override;

    int messagesShown() const { return shown_; }

private:
    int shown_ = 0;
};

}  // namespace kavro::cli
