// The person in front of the viewer as the windows reach them: message boxes over the main
// window, the status bar's panes, the application's wait cursor and the keyboard focus.
#pragma once

#include <functional>
#include <string>

#include "shell/PersonInterface.h"

class QWidget;
class StatusPanes;

class WindowPerson : public PersonInterface {
 public:
  // Finds the widget that stands for a focus target; null when there is none (no view).
  using FocusFinder = std::function<QWidget*(FocusTarget)>;

  // `owner` parents the message boxes; both must outlive this object.
  WindowPerson(QWidget& owner, StatusPanes& panes);
  ~WindowPerson() override;

  void SetFocusFinder(FocusFinder finder) { focusFinder_ = std::move(finder); }

  void ShowMessage(const std::string& text) override;
  bool AskYesNo(const std::string& question) override;
  void ShowStatus(StatusPane pane, const std::string& text) override;
  void BeginWait() override;
  void EndWait() override;
  void MoveFocus(FocusTarget target) override;

 private:
  QWidget& owner_;
  StatusPanes& panes_;
  FocusFinder focusFinder_;
  int waitDepth_ = 0;
};
