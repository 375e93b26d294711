// Finds a text among the rows of a list: the candidates are, row by row, each line's own text and
// then the texts of its variant lines.
#pragma once

#include <optional>
#include <string_view>

class TreeItem;
class TreeListBox;

class LineFinder {
 public:
  enum class Direction { kForward, kBackward };

  struct Match {
    TreeItem* line;
    // The matching variant line (1-based); 0 for the line's own text.
    int variant;
  };

  // The first candidate holding `text` (SearchText::Contains) after (or, backward, before) the
  // selected line's current variant; without a selected line from the first (or the last)
  // candidate on. Nothing for an empty text or when the rows run out.
  static std::optional<Match> Find(const TreeListBox& lines, std::string_view text,
                                   Direction direction);
};
