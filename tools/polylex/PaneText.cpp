#include "PaneText.h"

#include <cstdint>
#include <cstdio>

#include "tree/IliItem.h"
#include "tree/TreeListBox.h"

namespace polylex {
namespace {

const char* KindName(LineKind kind) {
  switch (kind) {
    case LineKind::kWord:
      return "word";
    case LineKind::kPartOfSpeech:
      return "pos";
    case LineKind::kConcept:
      return "concept";
    case LineKind::kRelation:
      return "relation";
    case LineKind::kIli:
      return "ili";
    case LineKind::kNote:
      return "note";
  }
  return "?";
}

// What the row shows: a concept line draws its variants in place of its own (empty) text.
std::string ShownText(const TreeItem& line) {
  if (line.VariantCount() == 0) return line.Text();
  std::string text;
  for (int number = 1; number <= line.VariantCount(); ++number) {
    if (number > 1) text += " | ";
    text += line.Variant(number)->Text();
  }
  return text;
}

std::string FlagsText(const TreeItem& line) {
  struct Named {
    std::uint8_t flag;
    const char* name;
  };
  static constexpr Named kShown[] = {{line_flag::kExpanded, "expanded"},
                                     {line_flag::kAttached, "attached"},
                                     {line_flag::kAlwaysExpanded, "always-expanded"},
                                     {line_flag::kKeepChildren, "keep-children"}};
  std::string text;
  for (const Named& each : kShown) {
    if (line.Has(each.flag)) text += (text.empty() ? "" : " ") + std::string(each.name);
  }
  if (line.Kind() == LineKind::kIli) {
    const auto eqRelation = static_cast<const IliItem&>(line).EqRelation();
    text += (text.empty() ? "eq=" : " eq=") + std::to_string(eqRelation);
  }
  return text;
}

std::string RowText(const TreeItem& line, std::size_t row) {
  char number[24];
  std::snprintf(number, sizeof number, "%3zu ", row);
  std::string text =
      number + std::string(2 * static_cast<std::size_t>(line.Level()), ' ') + KindName(line.Kind());
  const std::string shown = ShownText(line);
  if (!shown.empty()) text += "  " + shown;
  const std::string flags = FlagsText(line);
  if (!flags.empty()) text += "  [" + flags + "]";
  return text + "\n";
}

}  // namespace

std::string PaneText(const TreeListBox& lines) {
  std::string text;
  for (std::size_t row = 0; row < lines.VisibleCount(); ++row) {
    text += RowText(*lines.VisibleLine(row), row);
  }
  return text;
}

}  // namespace polylex
