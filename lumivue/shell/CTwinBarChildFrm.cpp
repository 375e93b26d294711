#include "shell/CTwinBarChildFrm.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QToolBar>

#include "bars/InputBar.h"
#include "shell/CTwinBarView.h"
#include "tree/TreeListBoxWidget.h"

CTwinBarChildFrm::CTwinBarChildFrm(CTwinBarView* view, ViewerDatabase& database,
                                   PersonInterface& person)
    : CLumivueChildFrm(view, database, person) {
  for (BarSide side : {BarSide::kLeft, BarSide::kRight})
    View().TreeOf(side)->installEventFilter(this);
}

bool CTwinBarChildFrm::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Tab || key == Qt::Key_Backtab) {
      for (BarSide side : {BarSide::kLeft, BarSide::kRight}) {
        if (watched != View().TreeOf(side)) continue;
        NextAfterList(side, key == Qt::Key_Tab)
            ->setFocus(key == Qt::Key_Tab ? Qt::TabFocusReason : Qt::BacktabFocusReason);
        return true;
      }
    }
  }
  return CLumivueChildFrm::eventFilter(watched, event);
}

QWidget* CTwinBarChildFrm::NextAfterList(BarSide side, bool forward) const {
  const BarSide other = side == BarSide::kLeft ? BarSide::kRight : BarSide::kLeft;
  QWidget* otherList = View().TreeOf(other);
  if (InputToolBar().isHidden()) return otherList;
  if (side == BarSide::kLeft) {
    if (forward) return otherList;
    QPushButton& lookUp = Input().LookUpButton(BarSide::kRight);
    return lookUp.isEnabled() ? static_cast<QWidget*>(&lookUp) : &Input().WordEdit(BarSide::kRight);
  }
  return forward ? static_cast<QWidget*>(&Input().LanguageCombo(BarSide::kLeft)) : otherList;
}
