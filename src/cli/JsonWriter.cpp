#include "cli/JsonWriter.h"

#include <cstdint>
#include <cstdio>

namespace kavro::cli {
namespace {

// Length of the valid UTF-8 sequence at `s[i]`, or 0 when it is not one.
std::size_t utf8SequenceLength(std::string_view s, std::size_t i) {
    const auto b = static_cast<unsigned char>(s[i]);
    std::size_t n;
    std::uint32_t cp;
    if (b < 0x80) return 1;
    if (b >= 0xC2 && b <= 0xDF) {
        n = 2, cp = b & 0x1F;
    } else if (b >= 0xE0 && b <= 0xEF) {
        n = 3, cp = b & 0x0F;
    } else if (b >= 0xF0 && b <= 0xF4) {
        n = 4, cp = b & 0x07;
    } else {
        return 0;
    }
    if (i + n > s.size()) return 0;
    for (std::size_t k = 1; k < n; ++k) {
        const auto c = static_cast<unsigned char>(s[i + k]);
        if ((c & 0xC0) != 0x80) return 0;
        cp = (cp << 6) | (c & 0x3F);
    }
    // Overlong forms, surrogates and values beyond Unicode.
    if ((n == 3 && cp < 0x800) || (n == 4 && (cp < 0x10000 || cp > 0x10FFFF)) ||
        (cp >= 0xD800 && cp <= 0xDFFF))
        return 0;
    return n;
}

}  // namespace

std::string jsonQuoted(std::string_view text) {
    std::string out;
    out.reserve(text.size() + 2);
    out += '"';
    for (std::size_t i = 0; i < text.size();) {
        const auto c = static_cast<unsigned char>(text[i]);
        switch (c) {
            case '"': out += "\\\""; ++i; continue;
            case '\\': out += "\\\\"; ++i; continue;
            case '\b': out += "\\b"; ++i; continue;
            case '\f': out += "\\f"; ++i; continue;
            case '\n': out += "\\n"; ++i; continue;
            case '\r': out += "\\r"; ++i; continue;
            case '\t': out += "\\t"; ++i; continue;
            default: break;
        }
        if (c < 0x20) {
            char esc[8];
            std::snprintf(esc, sizeof esc, "\\u%04x", c);
            out += esc;
            ++i;
            continue;
        }
        const std::size_t n = utf8SequenceLength(text, i);
        if (n == 0) {
            out += "\\ufffd";
            ++i;
            continue;
        }
        out.append(text.substr(i, n));
        i += n;
    }
    out += '"';
    return out;
}

JsonWriter::~JsonWriter() {
    if (started_ && stack_.empty()) out_ << '\n';
}

void JsonWriter::newline(std::size_t depth) {
    out_ << '\n' << std::string(depth * static_cast<std::size_t>(indent_), ' ');
}

void JsonWriter::beforeValue() {
    started_ = true;
    if (stack_.empty()) return;
    Level& level = stack_.back();
    // In an object the key has already placed the value.
    if (level.object) return;
    if (level.items++ > 0) out_ << (level.compact ? ", " : ",");
    if (!level.compact) newline(stack_.size());
}

void JsonWriter::key(std::string_view name) {
    Level& level = stack_.back();
    if (level.items++ > 0) out_ << ',';
    newline(stack_.size());
    out_ << jsonQuoted(name) << ": ";
}

void JsonWriter::scalar(std::string_view text) {
    beforeValue();
    out_ << text;
}

void JsonWriter::value(double number, int decimals) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*f", decimals, number);
    scalar(text);
}

void JsonWriter::beginObject() {
    beforeValue();
    out_ << '{';
    stack_.push_back({true, false});
}

void JsonWriter::endObject() {
    const bool empty = stack_.back().items == 0;
    stack_.pop_back();
    if (!empty) newline(stack_.size());
    out_ << '}';
}

void JsonWriter::beginArray(bool compact) {
    beforeValue();
    out_ << '[';
    stack_.push_back({false, compact});
}

void JsonWriter::endArray() {
    const Level level = stack_.back();
    stack_.pop_back();
    if (level.items > 0 && !level.compact) newline(stack_.size());
    out_ << ']';
}

}  // namespace kavro::cli
