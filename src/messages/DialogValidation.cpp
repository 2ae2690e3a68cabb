#include "messages/DialogValidation.h"

#include <charconv>
#include <string>

#include "messages/StringIds.h"
#include "messages/StringTable.h"

namespace kavro {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    return text;
}

template <typename T>
std::optional<T> parseWhole(std::string_view digits) {
    if (digits.empty()) return std::nullopt;
    T value{};
    const char* end = digits.data() + digits.size();
    auto [p, ec] = std::from_chars(digits.data(), end, value);
    if (ec != std::errc() || p != end) return std::nullopt;
    return value;
}

template <typename T>
void reportRange(T min, T max, MessageSink& messages) {
    messages.showMessage(strings::EnterIntegerBetween,
                         joinArguments({std::to_string(min), std::to_string(max)}));
}

}  // namespace

std::optional<long long> parseIntegerText(std::string_view text) {
    text = trimmed(text);
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
        if (!text.empty() && text.front() == '-') return std::nullopt;
    }
    return parseWhole<long long>(text);
}

std::optional<unsigned long long> parseUnsignedText(std::string_view text) {
    text = trimmed(text);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    if (!text.empty() && text.front() == '-') return std::nullopt;
    return parseWhole<unsigned long long>(text);
}

std::optional<long long> validateInteger(std::string_view text, long long min, long long max,
                                         MessageSink& messages) {
    auto value = parseIntegerText(text);
    if (!value) {
        messages.showMessage(strings::EnterInteger);
        return std::nullopt;
    }
    if (*value < min || *value > max) {
        reportRange(min, max, messages);
        return std::nullopt;
    }
    return value;
}

std::optional<unsigned long long> validateUnsigned(std::string_view text, unsigned long long min,
                                                   unsigned long long max, MessageSink& messages) {
    auto value = parseUnsignedText(text);
    if (!value) {
        messages.showMessage(strings::EnterPositiveInteger);
        return std::nullopt;
    }
    if (*value < min || *value > max) {
        reportRange(min, max, messages);
        return std::nullopt;
    }
    return value;
}

bool validateMaxChars(std::string_view text, std::size_t max, MessageSink& messages) {
    if (text.size() <= max) return true;
    messages.showMessageNumber(strings::EnterNoMoreCharacters, static_cast<long long>(max));
    return false;
}

}  // namespace kavro
