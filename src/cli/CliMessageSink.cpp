#include "cli/CliMessageSink.h"

#include <iostream>

#include "arabic/Windows1256.h"
#include "messages/StringTable.h"

namespace kavro::cli {

MessageButton CliMessageSink::showMessage(int stringId, std::string_view argument,
                                          MessageStyle style) {
    std::string_view text = stringText(stringId);
    return showText(argument.empty() ? std::string(text) : formatText(text, argument), style);
}

MessageButton CliMessageSink::showMessageNumber(int stringId, long long value,
                                                MessageStyle style) {
    return showText(formatText(stringText(stringId), value), style);
}

MessageButton CliMessageSink::showText(std::string_view text, MessageStyle style) {
    ++shown_;
    std::cerr << "kavro-cli: " << windows1256ToUtf8(text) << "\n";
    return defaultButton(style);
}

}  // namespace kavro::cli
