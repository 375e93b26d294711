// The window of one view inside the main window: the view, the input bar above it and the browse
// bar docked at the edge of the side being browsed. The window is a small main window of its own
// so that the bars dock around the view. A view with a right pane gets the two-sided input bar.
#pragma once

#include <QMdiSubWindow>
#include <QString>

#include "bars/BarSide.h"
#include "bars/InputBarState.h"

class BrowseBar;
class CLumivueView;
class InputBar;
class PersonInterface;
class QDockWidget;
class QMainWindow;
class QToolBar;
class ViewerDatabase;

class CLumivueChildFrm : public QMdiSubWindow {
  Q_OBJECT
 public:
  // Takes the view over; the left pane takes the language the input bar shows first. The window
  // deletes itself when closed. `database` and `person` must outlive it.
  CLumivueChildFrm(CLumivueView* view, ViewerDatabase& database, PersonInterface& person);

  CLumivueView& View() const { return *view_; }
  InputBar& Input() const { return *input_; }
  // The tool bar holding the input bar, shown and hidden by the Input Bar command.
  QToolBar& InputToolBar() const { return *inputToolBar_; }
  BrowseBar& Browse() const { return *browse_; }
  QDockWidget& BrowseDock() const { return *browseDock_; }

  // Puts `text` into the side's word edit and runs Lookup as the button does.
  void LookUp(BarSide side, const QString& text);
  // The input bar shows the languages the panes took from elsewhere (a view file, a copied view).
  void ShowPaneLanguages();
  // A new window of `source`'s view takes its mode and words, and its browse bar lists the
  // dictionary from the word of the side `source` was browsing. Call it after ShowPaneLanguages.
  void TakeWordsFrom(const CLumivueChildFrm& source);

 private:
  void ChooseLanguage(BarSide side, const QString& code);
  void BrowseFor(BarSide side);
  void RunLookUp(BarSide side);
  // Docks the browse bar at the side's edge, fills it and shows or hides it as `browse` says.
  void ShowBrowse(BarSide side, const InputBarState::Browse& browse);

  QMainWindow* inner_;
  CLumivueView* view_;
  InputBar* input_;
  QToolBar* inputToolBar_;
  BrowseBar* browse_;
  QDockWidget* browseDock_;
};
