#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace kavro {

// English text of a numbered string (Windows-1256 bytes); empty for an unknown id.
std::string_view stringText(int id);

// Fills the first "%s" or "%1" of `text` with `argument`; an argument made by joinArguments
// fills "%1", "%2" ... in order instead.
std::string formatText(std::string_view text, std::string_view argument);

// Several arguments for one message of the single-argument message operations, e.g.
// showMessage(EnterIntegerBetween, joinArguments({"0", "20"})).
inline constexpr char kArgumentSeparator = '\x1F';
std::string joinArguments(std::initializer_list<std::string_view> arguments);

// An argument that also carries the system's reason for a failure ("Permission denied"): the
// text is filled with `argument` as usual and the reason follows on a line of its own, e.g.
// showMessage(FileWriteError, withReason(path, std::strerror(errno))).
inline constexpr char kReasonSeparator = '\x1E';
std::string withReason(std::string_view argument, std::string_view reason);

// Fills the first "%d" or "%1" of `text` with `value`.
std::string formatText(std::string_view text, long long value);

// The first-level field of a string-table entry ("status text\ntooltip" and similar).
std::string_view stringField(int id, int index);

}  // namespace kavro
