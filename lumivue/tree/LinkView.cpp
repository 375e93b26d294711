#include "tree/LinkView.h"

#include <QPainter>

#include "tree/ConceptPane.h"
#include "tree/LinkConnections.h"
#include "tree/TreeListBoxWidget.h"

LinkView::LinkView(TreeListBoxWidget& left, TreeListBoxWidget& right, QWidget* parent)
    : QWidget(parent), left_(left), right_(right) {
  setAutoFillBackground(true);
  setBackgroundRole(QPalette::Base);
  for (TreeListBoxWidget* list : {&left_, &right_}) {
    connect(list, &TreeListBoxWidget::ScrolledOrChanged, this, qOverload<>(&QWidget::update));
    connect(list, &TreeListBoxWidget::SelectionChanged, this, qOverload<>(&QWidget::update));
    connect(list, &TreeListBoxWidget::FocusGained, this, qOverload<>(&QWidget::update));
  }
}

int LinkView::MiddleOf(const TreeListBoxWidget& list, int index) const {
  const QRect row = list.LineRect(index);
  const QPoint middle(0, row.top() + list.LineHeight() / 2);
  return mapFromGlobal(list.viewport()->mapToGlobal(middle)).y();
}

void LinkView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  using Focus = LinkConnections::Focus;
  const Focus focus = left_.hasFocus()    ? Focus::kLeft
                      : right_.hasFocus() ? Focus::kRight
                                          : Focus::kNone;
  const auto connections =
      LinkConnections::Between(left_.Pane().Lines(), right_.Pane().Lines(), focus);
  for (const LinkConnections::Connection& connection : connections) {
    switch (connection.pen) {
      case LinkConnections::Pen::kConnection:
        painter.setPen(ConnectionPen());
        break;
      case LinkConnections::Pen::kSelection:
        painter.setPen(SelectionPen());
        break;
      case LinkConnections::Pen::kFocus:
        painter.setPen(FocusPen());
        break;
    }
    painter.drawLine(0, MiddleOf(left_, connection.leftIndex), width(),
                     MiddleOf(right_, connection.rightIndex));
  }
}
