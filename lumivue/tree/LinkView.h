// The strip between the two lists of a multilingual view: a line from each row of the left list to
// each row of the right list that stands for the same ILI record (LinkConnections). Plain
// connections are dotted grey; those of the focused list's selected line solid dark grey, and the
// one joining both selected lines solid blue. It follows both lists: every scroll or change of
// either repaints it.
#pragma once

#include <QPen>
#include <QWidget>

class TreeListBoxWidget;

class LinkView : public QWidget {
  Q_OBJECT

 public:
  // The pens, as (colour, width, style).
  static QPen ConnectionPen() { return QPen(QColor(0xC0, 0xC0, 0xC0), 1, Qt::DotLine); }
  static QPen SelectionPen() { return QPen(QColor(0x7F, 0x7F, 0x7F), 1, Qt::SolidLine); }
  static QPen FocusPen() { return QPen(QColor(0x00, 0x00, 0xFF), 1, Qt::SolidLine); }

  // Both lists must outlive the strip; they are its siblings, beside it in the same parent.
  LinkView(TreeListBoxWidget& left, TreeListBoxWidget& right, QWidget* parent = nullptr);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  // The height, in this strip's coordinates, of the middle of the first text row of `index`.
  int MiddleOf(const TreeListBoxWidget& list, int index) const;

  TreeListBoxWidget& left_;
  TreeListBoxWidget& right_;
};
