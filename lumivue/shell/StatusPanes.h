// The three panes of the main window's status bar: the message pane (prompts and progress), the
// line pane ("Ln 3 LnCnt 12") and the filter pane ("Filter On" / "Filter Off").
#pragma once

#include <QString>

#include "shell/PersonInterface.h"

class QLabel;
class QStatusBar;

class StatusPanes {
 public:
  // Adds the panes to `bar`, which owns them.
  explicit StatusPanes(QStatusBar& bar);

  void Show(PersonInterface::StatusPane pane, const QString& text);
  QString Text(PersonInterface::StatusPane pane) const;

 private:
  QLabel* Label(PersonInterface::StatusPane pane) const;

  QLabel* message_;
  QLabel* lines_;
  QLabel* filter_;
};
