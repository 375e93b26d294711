// Print, Print Preview and Print Setup for the tree of the active view, through the tree's
// printer (TreePrinter). The printer and the choices made for it are kept for the whole run.
#pragma once

#include <memory>

class QPrinter;
class QWidget;
class TreeListBoxWidget;

class ViewPrinting {
 public:
  // `owner` parents the dialogs and must outlive this object.
  explicit ViewPrinting(QWidget& owner);
  ~ViewPrinting();

  // The print dialog, then the rows of `tree` on the chosen printer.
  void Print(TreeListBoxWidget& tree);
  // The pages as they would print, in the preview dialog (which can print them too).
  void Preview(TreeListBoxWidget& tree);
  // The page and printer set-up dialog.
  void Setup();

 private:
  QPrinter& Printer();

  QWidget& owner_;
  std::unique_ptr<QPrinter> printer_;
};
