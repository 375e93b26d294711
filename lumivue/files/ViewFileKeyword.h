// The "#Keyword:value" lines of a view file: the window type, a pane's language, its column
// header and the outline of an entry.
#pragma once

#include <optional>
#include <string_view>

namespace view_file {
inline constexpr std::string_view kWindowType = "WindowType";
inline constexpr std::string_view kLanguage = "Language";
inline constexpr std::string_view kHeaderBar = "HeaderBar";
// The outline of the entry that follows (ViewFileOutline).
inline constexpr std::string_view kOutline = "Outline";
// The window-type values of the two view kinds; only their first letters are compared.
inline constexpr std::string_view kMonolingualValue = "Lumivue";
inline constexpr std::string_view kMultilingualValue = "TwinBar";

// The value of `line` when it is "#", then `keyword` (case-sensitive) and ":" directly after it,
// with the blanks after the ":" skipped; no value for any other line. The view points into `line`.
std::optional<std::string_view> KeywordValue(std::string_view line, std::string_view keyword);
// `text` without the blanks (spaces and tabs) at its start.
std::string_view SkipBlanks(std::string_view text);
}  // namespace view_file
