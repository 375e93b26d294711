#include "shell/StatusPanes.h"

#include <QLabel>
#include <QStatusBar>

#include "shell/MessageTexts.h"

namespace {

constexpr int kLinePaneWidth = 120;
constexpr int kFilterPaneWidth = 60;

QLabel* MakePane(QStatusBar& bar, const char* text, int minimumWidth, const char* name) {
  auto* label = new QLabel(QString::fromUtf8(text), &bar);
  label->setObjectName(QString::fromUtf8(name));
  label->setMinimumWidth(minimumWidth);
  return label;
}

}  // namespace

StatusPanes::StatusPanes(QStatusBar& bar)
    : message_(MakePane(bar, "Ready", 0, "messagePane")),
      lines_(MakePane(bar, "Ln 0 LnCnt 0", kLinePaneWidth, "linePane")),
      filter_(MakePane(bar, message::kFilterOff.text, kFilterPaneWidth, "filterPane")) {
  // The message pane takes the room that is left; prompts of the menus cover it while shown.
  bar.addWidget(message_, 1);
  bar.addPermanentWidget(lines_);
  bar.addPermanentWidget(filter_);
}

void StatusPanes::Show(PersonInterface::StatusPane pane, const QString& text) {
  Label(pane)->setText(text);
}

QString StatusPanes::Text(PersonInterface::StatusPane pane) const {
  return Label(pane)->text();
}

QLabel* StatusPanes::Label(PersonInterface::StatusPane pane) const {
  switch (pane) {
    case PersonInterface::StatusPane::kMessage:
      return message_;
    case PersonInterface::StatusPane::kLines:
      return lines_;
    case PersonInterface::StatusPane::kFilter:
      return filter_;
  }
  return message_;
}
