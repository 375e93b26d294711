// The window of a multilingual view: the view window of CLumivueChildFrm with the two-sided input
// bar, and the Tab cycle of the two lists: Tab goes from the left list to the right one and from
// the right list to the left language choice; Shift+Tab from the left list to the right Lookup
// button (its word edit while the button is disabled) and from the right list to the left one.
// While the input bar is hidden Tab and Shift+Tab go from one list to the other.
#pragma once

#include "shell/CLumivueChildFrm.h"

class CTwinBarView;

class CTwinBarChildFrm : public CLumivueChildFrm {
  Q_OBJECT
 public:
  // Takes the view over, as CLumivueChildFrm does.
  CTwinBarChildFrm(CTwinBarView* view, ViewerDatabase& database, PersonInterface& person);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Where Tab (forward) or Shift+Tab goes from the list of `side`.
  QWidget* NextAfterList(BarSide side, bool forward) const;
};
