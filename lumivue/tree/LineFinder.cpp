#include "tree/LineFinder.h"

#include <algorithm>
#include <cstddef>

#include "tree/SearchText.h"
#include "tree/TreeListBox.h"

namespace {

struct Position {
  std::size_t row;
  int variant;
};

// Moves to the next (or previous) candidate; false at either end of the rows.
bool Step(const TreeListBox& lines, Position& at, LineFinder::Direction direction) {
  if (direction == LineFinder::Direction::kForward) {
    if (at.variant < lines.VisibleLine(at.row)->VariantCount()) {
      ++at.variant;
    } else if (at.row + 1 < lines.VisibleCount()) {
      at = {at.row + 1, 0};
    } else {
      return false;
    }
    return true;
  }
  if (at.variant > 0) {
    --at.variant;
  } else if (at.row > 0) {
    at.row -= 1;
    at.variant = lines.VisibleLine(at.row)->VariantCount();
  } else {
    return false;
  }
  return true;
}

const std::string& TextAt(const TreeListBox& lines, const Position& at) {
  const TreeItem& line = *lines.VisibleLine(at.row);
  return at.variant == 0 ? line.Text() : line.Variant(at.variant)->Text();
}

}  // namespace

std::optional<LineFinder::Match> LineFinder::Find(const TreeListBox& lines, std::string_view text,
                                                  Direction direction) {
  if (text.empty() || lines.VisibleCount() == 0) return std::nullopt;
  Position at{0, 0};
  const TreeItem* selected = lines.Selected();
  if (selected != nullptr) {
    at = {static_cast<std::size_t>(lines.SelectedIndex()),
          std::min(selected->CurrentVariant(), selected->VariantCount())};
    if (!Step(lines, at, direction)) return std::nullopt;
  } else if (direction == Direction::kBackward) {
    at.row = lines.VisibleCount() - 1;
    at.variant = lines.VisibleLine(at.row)->VariantCount();
  }
  do {
    if (SearchText::Contains(TextAt(lines, at), text)) {
      return Match{lines.VisibleLine(at.row), at.variant};
    }
  } while (Step(lines, at, direction));
  return std::nullopt;
}
