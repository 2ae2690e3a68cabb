#pragma once

#include <string>
#include <string_view>

namespace kavro {

// What the user pressed in a message box.
enum class MessageButton { Ok, Cancel, Yes, No };

// Which buttons (and icon) a message box offers. Questions are Yes/No with the question icon.
enum class MessageStyle { Ok, OkCancel, YesNo, YesNoCancel };

// The three message-box operations of the program. The core reports every failure through
// one of these where it happens; the GUI shows boxes, the CLI prints, tests record and answer.
// All texts are Windows-1256 bytes.
class MessageSink {
public:
    virtual ~MessageSink() = default;

    // String-table text by id, formatted with `argument` when it is not empty.
    virtual MessageButton showMessage(int stringId, std::string_view argument = {},
                                      MessageStyle style = MessageStyle::Ok) = 0;
    // String-table text by id, formatted with one integer.
    virtual MessageButton showMessageNumber(int stringId, long long value,
                                            MessageStyle style = MessageStyle::Ok) = 0;
    // A literal text.
    virtual MessageButton showText(std::string_view text,
                                   MessageStyle style = MessageStyle::Ok) = 0;
};

// Answers every question with its first button and shows nothing: for callers that want no
// messages (benchmarks, batch checks that collect problems themselves).
class SilentMessageSink : public MessageSink {
public:
    MessageButton showMessage(int, std::string_view, MessageStyle style) override;
    MessageButton showMessageNumber(int, long long, MessageStyle style) override;
    MessageButton showText(std::string_view, MessageStyle style) override;
};

// The button a box answers with when nobody is there to press one.
MessageButton defaultButton(MessageStyle style);

}  // namespace kavro
