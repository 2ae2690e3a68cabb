#include "MessageSink.h"

namespace kavro {

MessageButton defaultButton(MessageStyle style) {
    switch (style) {
        case MessageStyle::Ok:
        case MessageStyle::OkCancel:
            return MessageButton::Ok;
        case MessageStyle::YesNo:
        case MessageStyle::YesNoCancel:
            return MessageButton::Yes;
    }
    return MessageButton::Ok;
}

MessageButton SilentMessageSink::showMessage(int, std::string_view, MessageStyle style) {
    return defaultButton(style);
}

MessageButton SilentMessageSink::showMessageNumber(int, long long, MessageStyle style) {
    return defaultButton(style);
}

MessageButton SilentMessageSink::showText(std::string_view, MessageStyle style) {
    return defaultButton(style);
}

}  // namespace kavro
