#pragma once

#include <concepts>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace kavro::cli {

// `text` as a JSON string literal, quotes included. Control characters are escaped; bytes that
// are not valid UTF-8 become U+FFFD, so the output is valid JSON whatever the input holds.
std::string jsonQuoted(std::string_view text);

// Writes indented JSON to a stream, keeping track of commas and nesting. Inside an object
// every value is preceded by key(); field() does both.
class JsonWriter {
public:
    explicit JsonWriter(std::ostream& out, int indent = 2) : out_(out), indent_(indent) {}
    // Ends the last line once the top-level value is complete.
    ~JsonWriter();

    void beginObject();
    void endObject();
    // A compact array keeps its elements on one line: for short lists of numbers.
    void beginArray(bool compact = false);
    void endArray();

    void key(std::string_view name);

    void value(std::string_view text) { scalar(jsonQuoted(text)); }
    void value(const char* text) { value(std::string_view(text)); }
    void value(const std::string& text) { value(std::string_view(text)); }
    void value(bool on) { scalar(on ? "true" : "false"); }
    template <std::integral T>
    void value(T number) {
        scalar(std::to_string(number));
    }
    // A number with a fixed count of decimals (7.0 stays 7.0).
    void value(double number, int decimals);
    void null() { scalar("null"); }

    template <class T>
    void field(std::string_view name, const T& v) {
        key(name);
        value(v);
    }
    void field(std::string_view name, double number, int decimals) {
        key(name);
        value(number, decimals);
    }

private:
    struct Level {
        bool object;
        bool compact;
        int items = 0;
    };
    void beforeValue();
    void newline(std::size_t depth);
    void scalar(std::string_view text);

    std::ostream& out_;
    int indent_;
    std::vector<Level> stack_;
    bool started_ = false;
};

}  // namespace kavro::cli
