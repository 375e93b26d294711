// The box before a tree line that shows whether it is expanded: minus when it is, plus when not.
// Drawn as shapes, so that it scales with the printer.
#pragma once

#include <QPainter>
#include <QRectF>

class ExpandMark {
 public:
  // The size the mark is designed at; Draw stretches it to the target.
  static constexpr int kSize = 9;

  static void Draw(QPainter& painter, const QRectF& target, bool expanded);
};
