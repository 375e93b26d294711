// Everything the viewer's logic needs from the person in front of it: message boxes, a Yes/No
// question, the status bar, the wait cursor and the keyboard focus. The window layer implements it
// with real widgets; tests record the calls. The logic never talks to a widget any other way.
#pragma once

#include <string>

class PersonInterface {
 public:
  // The three panes of the status bar.
  enum class StatusPane {
    kMessage = 0,  // prompts and progress texts
    kLines = 1,    // "Ln %d LnCnt %d" of the active pane
    kFilter = 2,   // "Filter On" / "Filter Off"
  };
  // Where a command sends the keyboard focus: the tree list or the word edit of a view's side.
  enum class FocusTarget { kLeftTree, kRightTree, kLeftWordEdit, kRightWordEdit };

  PersonInterface() = default;
  PersonInterface(const PersonInterface&) = delete;
  PersonInterface& operator=(const PersonInterface&) = delete;
  virtual ~PersonInterface() = default;

  // Shows `text` in a message box with an OK button and returns once the person has closed it; the
  // keyboard focus is then where it was before the box.
  virtual void ShowMessage(const std::string& text) = 0;
  // Asks `question` with Yes and No buttons (focus kept as for ShowMessage): true for Yes.
  virtual bool AskYesNo(const std::string& question) = 0;
  // Replaces the text of one status-bar pane.
  virtual void ShowStatus(StatusPane pane, const std::string& text) = 0;
  // The wait cursor is shown from BeginWait to the matching EndWait; calls nest, and only the
  // outermost EndWait brings the normal cursor back. Use WaitCursor rather than calling these.
  virtual void BeginWait() = 0;
  virtual void EndWait() = 0;
  virtual void MoveFocus(FocusTarget target) = 0;
};
