#include "tree/TreePrinter.h"

#include <QPainter>
#include <QPrinter>

#include "tree/ConceptPane.h"
#include "tree/TreeListBox.h"
#include "tree/TreeListBoxWidget.h"

int TreePrinter::Print(QPrinter& printer) {
  const int rows = static_cast<int>(list_.Pane().Lines().VisibleCount());
  if (rows == 0) return 0;
  QPainter painter;
  if (!painter.begin(&printer)) return 0;
  const QSize page = printer.pageLayout().paintRectPixels(printer.resolution()).size();
  const qreal stretch = qreal(printer.logicalDpiX()) / list_.logicalDpiX();
  // The text of the rows stays inside the list's column.
  const int columnWidth = list_.ColumnWidth();
  const qreal fit =
      columnWidth * stretch > page.width() ? page.width() / (columnWidth * stretch) : 1.0;
  painter.scale(fit, fit);
  const QRect area(0, 0, qRound(page.width() / fit), qRound(page.height() / fit));
  int pages = 0;
  for (int first = 0; first < rows; ++pages) {
    if (pages > 0 && !printer.newPage()) break;
    first = list_.PaintRows(painter, first, area, true);
  }
  painter.end();
  return pages;
}
