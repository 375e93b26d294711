// The window of a pane's lines: a list with rows of varying height that draws the visible lines
// of the pane's TreeListBox (indentation, expand mark, icon, text pieces wrapped into rows) and
// turns mouse and keyboard into the pane's commands. The lines and what the commands do belong to
// the ConceptPane; this class only measures, paints, scrolls and hit-tests.
//
// Scrolling is by whole lines: the scroll bar's value is the index of the top row.
#pragma once

#include <QAbstractScrollArea>
#include <QColor>
#include <QFont>
#include <QPoint>
#include <QRect>
#include <QString>

#include "tree/DataTip.h"
#include "tree/TreeLineLayout.h"

class ConceptPane;
class QPainter;
class TreeItem;

class TreeListBoxWidget : public QAbstractScrollArea {
  Q_OBJECT

 public:
  static constexpr int kIndentation = 20;
  static constexpr int kMarkWidth = 15;
  // The command numbers the list asks its view for (CommandWanted).
  static constexpr int kAddNoteCommand = 300;
  static constexpr int kEquivalenceLinkCommand = 32797;
  static constexpr int kTopHyperonymCommand = 32794;
  static constexpr int kOneUpOneDownCommand = 32823;
  static constexpr int kShowLinksCommand = 211;

  enum class ScrollBarSide { kNone, kLeft, kRight };

  // `pane` must outlive the widget.
  explicit TreeListBoxWidget(ConceptPane& pane, QWidget* parent = nullptr);

  ConceptPane& Pane() { return pane_; }

  // Measures the rows of every visible line again, and the scroll range; repaints. Call it after
  // any command of the pane that changed lines.
  void LinesChanged();

  // Mode 1 draws a dotted line from the end of each line's text to the column's right edge, in
  // `first`, or `second` on the selected line; mode 0 draws none.
  void SetDrawingMode(int mode, QColor first, QColor second);
  void SetScrollBarSide(ScrollBarSide side);
  // 0: the column spans the list.
  void SetFirstColumnWidth(int px);
  int ColumnWidth() const;
  void SetDataTips(bool on);
  bool DataTips() const { return tip_.IsOn(); }

  int TopIndex() const;
  // Clamped to the scroll range.
  void SetTopIndex(int index);
  // The font's text height + 4, made even.
  int LineHeight() const { return lineHeight_; }
  // The rectangle of a row in viewport coordinates, also for rows scrolled out (above the top: a
  // negative y); empty for an index that is no row.
  QRect LineRect(int visibleIndex) const;

  // What lies under a point of the viewport: the row (-1: none), its line, the piece of text
  // (-1: none) and whether the point is on the expand mark.
  struct Hit {
    int index = -1;
    TreeItem* line = nullptr;
    int piece = -1;
    bool onMark = false;
  };
  Hit HitTest(QPoint viewportPos) const;
  // The tip for a point of the viewport (DataTip::TextFor), also while tips are off.
  QString DataTipAt(QPoint viewportPos) const;

  // Paints the rows from the top row down into `area` (device pixels), the top row at its top.
  // Printing: everything is stretched by the ratio of the device's to the screen's pixels per inch.
  void Paint(QPainter& painter, const QRect& area, bool printing);
  // Paints the rows from row `first` into `area` as Paint does. Printing, only whole rows are
  // painted (at least one); on the screen also the row cut by the bottom edge. Returns the index
  // of the first row not painted whole.
  int PaintRows(QPainter& painter, int first, const QRect& area, bool printing);

 signals:
  // The selected line or the current variant of a concept line changed through the mouse or keys.
  void SelectionChanged();
  // The rows moved or changed: what is drawn beside the list must follow.
  void ScrolledOrChanged();
  void ContextMenuWanted(QPoint globalPos);
  // A command for the view: Insert (add a note), Ctrl or Shift with F9, F11 or F12.
  void CommandWanted(int commandId);
  // Enter on a selected note, or a double click on one.
  void NoteEditWanted();
  void FocusGained();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  bool viewportEvent(QEvent* event) override;
  void scrollContentsBy(int dx, int dy) override;

 private:
  TreeLineLayout::Geometry Geometry() const;
  const QFont& FontOf(const TreeItem& line) const;
  TreeLineLayout LayoutOf(const TreeItem& line) const;
  // The row height measured for the line (a line height until it is measured).
  int HeightOf(const TreeItem& line) const;
  void MeasureFont();
  void MeasureRows();
  void UpdateScrollRange();
  // How many rows from `first` fit wholly in the viewport (at least 1 while there are rows).
  int RowsFitting(int first) const;
  void ScrollTo(int index);
  void PaintLine(QPainter& painter, const TreeItem& line, int top, int width, bool printing);

  // Selects row `index` through the pane; on a concept line `piece` (when a variant) becomes the
  // current variant. Returns whether anything changed.
  bool Choose(int index, int piece);
  // Moves the selection to row `index` (clamped) and announces it.
  void MoveSelection(int index);
  void Toggle(TreeItem& line);
  // Lines that can be expanded: tree lines that are not attached to another.
  static bool CanExpand(const TreeItem& line);
  bool HandleCommandKey(const QKeyEvent& event);

  ConceptPane& pane_;
  DataTip tip_;
  QFont boldFont_;
  int lineHeight_ = 0;
  int firstColumnWidth_ = 0;
  int drawingMode_ = 0;
  QColor leaderColor_;
  QColor selectedLeaderColor_;
};
