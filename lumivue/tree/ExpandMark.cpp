#include "tree/ExpandMark.h"

#include <QColor>
#include <QPen>

void ExpandMark::Draw(QPainter& painter, const QRectF& target, bool expanded) {
  painter.save();
  painter.translate(target.topLeft());
  painter.scale(target.width() / kSize, target.height() / kSize);
  painter.setPen(QPen(QColor(0x80, 0x80, 0x80), 1.0));
  painter.setBrush(Qt::white);
  painter.drawRect(QRectF(0.5, 0.5, kSize - 1, kSize - 1));
  painter.setPen(QPen(Qt::black, 1.0));
  painter.drawLine(QPointF(2.0, 4.5), QPointF(7.0, 4.5));
  if (!expanded) painter.drawLine(QPointF(4.5, 2.0), QPointF(4.5, 7.0));
  painter.restore();
}
