#include "files/ViewFileKeyword.h"

namespace view_file {

std::string_view SkipBlanks(std::string_view text) {
  const std::size_t start = text.find_first_not_of(" \t");
  return start == std::string_view::npos ? std::string_view() : text.substr(start);
}

std::optional<std::string_view> KeywordValue(std::string_view line, std::string_view keyword) {
  if (!line.starts_with('#')) return std::nullopt;
  line.remove_prefix(1);
  if (!line.starts_with(keyword)) return std::nullopt;
  line.remove_prefix(keyword.size());
  if (!line.starts_with(':')) return std::nullopt;
  return SkipBlanks(line.substr(1));
}

}  // namespace view_file
