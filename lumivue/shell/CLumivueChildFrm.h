// The window of one monolingual view inside the main window: the view with the word field above
// it. The window is a small main window of its own so that the view's bars (input bar at the top,
// browse bar at the left) dock around the view.
#pragma once

#include <QMdiSubWindow>

class CLumivueView;
class LookupBar;
class QMainWindow;

class CLumivueChildFrm : public QMdiSubWindow {
  Q_OBJECT
 public:
  // Takes the view over. The window deletes itself when closed.
  explicit CLumivueChildFrm(CLumivueView* view);

  CLumivueView& View() const { return *view_; }
  LookupBar& InputBar() const { return *inputBar_; }

 private:
  QMainWindow* inner_;
  CLumivueView* view_;
  LookupBar* inputBar_;
};
