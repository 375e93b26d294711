// One page of the information bar: either the prompt "Select a word meaning", centred, or the
// page's own controls filled with the details of the selected line (InfoPages::Content).
#pragma once

#include <QWidget>

#include "bars/InfoPages.h"

class QLabel;
class QStackedLayout;

class InfoPage : public QWidget {
  Q_OBJECT
 public:
  // The prompt when `content.prompt`, else the page's controls filled from `content`.
  void Show(const InfoPages::Content& content);
  bool ShowsPrompt() const;

 protected:
  explicit InfoPage(QWidget* parent);
  // The widget the derived page puts its controls into.
  QWidget& Controls() const { return *controls_; }
  // Fills the controls; called only with content that is not the prompt.
  virtual void Fill(const InfoPages::Content& content) = 0;

 private:
  QStackedLayout* stack_;
  QLabel* prompt_;
  QWidget* controls_;
};
