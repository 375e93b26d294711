// Prints the rows of a pane's list as the list draws them: every visible line, from the first,
// page after page, each page ending before the first row it cannot hold whole. The drawing is
// stretched from the screen's resolution to the printer's, so that the rows keep their size on
// paper, and shrunk where the list is wider than the page.
#pragma once

class QPrinter;
class TreeListBoxWidget;

class TreePrinter {
 public:
  // `list` must outlive the printer.
  explicit TreePrinter(TreeListBoxWidget& list) : list_(list) {}

  // Returns the number of pages printed: 0 when the list has no row (nothing is sent to the
  // printer) or the printer cannot start; a printer that refuses a new page ends the print there.
  int Print(QPrinter& printer);

 private:
  TreeListBoxWidget& list_;
};
