// The outline of one entry of a view file: every line of the entry's block that is not attached,
// in display order, with its level, its kind, whether it was expanded and what names it. The
// entry's letters replay expansions against the database, and an expansion brings back all of a
// line's children even where the view held only some of them (a Follow command, a top-hyperonym
// walk, a cleared subtree, a filter changed in between). The outline names the very lines that
// were saved, so that they are rebuilt one by one.
//
// It is written as a "#Outline:" line right before its entry; readers that do not know it skip
// it as they skip every "#" line of unknown keyword, and replay the letters. Its value holds one
// item per line, each "<level><kind><state><key>|": the level below the entry's line (0 for that
// line); the kind W (word), P (part of speech), C (concept) or R (relation); the state O
// (expanded) or C; and the key: nothing for the entry's own line (the entry names it), the name
// of a part of speech, the record id of a concept, the id of a relation (0: "Top hyperonym").
// Example: "0WO|1PONoun|2CC4711|" for the entry "L|dog|OOC".
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "tree/LineKind.h"

class ConceptPane;
class TreeItem;
class TreeListBox;

class ViewFileOutline {
 public:
  struct Line {
    int level = 0;
    LineKind kind = LineKind::kWord;
    bool expanded = false;
    // The part of speech's name; the concept's record id or the relation's id in decimal.
    std::string key;
  };

  // The outline of the block of `top`, a level-0 word or concept line of `lines`. None when the
  // block holds a line that an outline cannot name (a concept line that lost its concept, say):
  // the entry's letters then stand alone, as they always did.
  static std::optional<ViewFileOutline> Of(const TreeListBox& lines, const TreeItem& top);
  // The outline written as `value`; none unless it is well formed: items as above, levels that
  // grow by one at most, children only below expanded lines and only of the kinds the viewer puts
  // there (parts of speech below a word or relation, concepts below a part of speech, relation or
  // concept, relations below a concept).
  static std::optional<ViewFileOutline> Parse(std::string_view value);

  // The value of the "#Outline:" line.
  std::string Text() const;
  // Whether the outline belongs to the entry of kind `entryKind` ('L' or 'C') with `letters`:
  // the same kind of top line, and one letter per item telling its state. A file changed by hand
  // may have had its letters changed alone; the letters win then.
  bool Fits(char entryKind, std::string_view letters) const;
  // Builds the lines below `top`, the entry's line just made in `pane`, as the outline names them,
  // and expands the lines it marks expanded without filling them further. A line that names
  // nothing the database still has is left out with its block. The pane shows its line status.
  void Rebuild(ConceptPane& pane, TreeItem& top) const;

  const std::vector<Line>& Lines() const { return lines_; }

 private:
  explicit ViewFileOutline(std::vector<Line> lines) : lines_(std::move(lines)) {}
  bool WellFormed() const;

  std::vector<Line> lines_;
};
