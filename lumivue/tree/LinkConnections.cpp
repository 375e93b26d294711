#include "tree/LinkConnections.h"

#include <cstdint>
#include <unordered_map>

#include "tree/TreeListBox.h"

std::vector<LinkConnections::Connection> LinkConnections::Between(const TreeListBox& left,
                                                                  const TreeListBox& right,
                                                                  Focus focus) {
  // The right rows of each identifier, top to bottom, so that a long pane is not walked once per
  // identifier of the other.
  std::unordered_map<std::int32_t, std::vector<int>> rightRows;
  for (std::size_t index = 0; index < right.VisibleCount(); ++index) {
    for (const std::int32_t id : right.VisibleLine(index)->LinkIds()) {
      rightRows[id].push_back(static_cast<int>(index));
    }
  }
  const int leftSelected = left.SelectedIndex();
  const int rightSelected = right.SelectedIndex();

  std::vector<Connection> plain;
  std::vector<Connection> remembered;
  for (std::size_t index = 0; index < left.VisibleCount(); ++index) {
    const int leftIndex = static_cast<int>(index);
    for (const std::int32_t id : left.VisibleLine(index)->LinkIds()) {
      const auto rows = rightRows.find(id);
      if (rows == rightRows.end()) continue;
      for (const int rightIndex : rows->second) {
        const bool touchesFocus = (focus == Focus::kLeft && leftIndex == leftSelected) ||
                                  (focus == Focus::kRight && rightIndex == rightSelected);
        if (!touchesFocus) {
          plain.push_back({leftIndex, rightIndex, Pen::kConnection});
          continue;
        }
        const bool bothSelected = leftIndex == leftSelected && rightIndex == rightSelected;
        remembered.push_back({leftIndex, rightIndex, bothSelected ? Pen::kFocus : Pen::kSelection});
      }
    }
  }
  plain.insert(plain.end(), remembered.begin(), remembered.end());
  return plain;
}
