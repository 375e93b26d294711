// A concept pane's rows as text, so that the viewer's trees can be read and compared from a
// terminal. One line per visible row, in display order:
//   <row> <two blanks per level><kind>  <text>  [<flags>]
// `row` is the 0-based row number the tree command's --expand and --top take; `kind` is word, pos,
// concept, relation, ili or note; a concept line's text is its variants, "dog :1 | domestic dog
// :1"; the flags are those of expanded, attached, always-expanded and keep-children, and eq=N for
// the equivalence relation of an ILI line. A row without flags has no brackets.
#pragma once

#include <string>

class TreeListBox;

namespace polylex {

std::string PaneText(const TreeListBox& lines);

}  // namespace polylex
