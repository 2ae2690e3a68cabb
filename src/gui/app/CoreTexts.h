#pragma once

#include <QString>
#include <string_view>
#include <vector>

namespace kavro::gui {

// The translation context of the core's English texts (numbered strings and list items).
inline constexpr char kCoreTextContext[] = "StringTable";

// A core text (Windows-1256 English, as the string table or a list holds it) in the
// interface language; the English text itself when there is no translation.
QString coreText(std::string_view english);

// A dialog title the core filled with a number ("   Edit group n° : 05"), in the interface
// language with the same number; any other title as it stands.
QString coreTitle(std::string_view title);

// The title patterns of the edit dialogs, each with one "%02d" (UTF-8, also core texts).
const std::vector<const char*>& coreTitlePatterns();

// Every core text a translator sees, in UTF-8 (generated from the core's sources).
const std::vector<const char*>& coreTextSources();

}  // namespace kavro::gui
