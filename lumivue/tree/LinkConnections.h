// Which lines of the two panes of a multilingual view the link strip between them joins, and with
// which pen: every pair of visible lines, left and right, that share a link identifier (an ILI
// record). The strip paints the list in order, so that the pairs of the focused list's selected
// line come last, over the others.
#pragma once

#include <vector>

class TreeListBox;

class LinkConnections {
 public:
  enum class Pen {
    kConnection,  // any pair not touching the focused list's selected line
    kSelection,   // a pair with the focused list's selected line at one end
    kFocus,       // the pair whose two ends are both lists' selected lines (focus in either list)
  };
  enum class Focus { kNone, kLeft, kRight };
  struct Connection {
    int leftIndex;   // visible row of the left list
    int rightIndex;  // visible row of the right list
    Pen pen;
  };

  // The connections between the visible lines of `left` and `right`, with the keyboard focus in
  // `focus`: first every connection-pen pair (left rows top to bottom, then each line's
  // identifiers in order, then right rows top to bottom), then the selection and focus pairs in
  // the same order. A pair is listed once per identifier the two lines share.
  static std::vector<Connection> Between(const TreeListBox& left, const TreeListBox& right,
                                         Focus focus);
};
