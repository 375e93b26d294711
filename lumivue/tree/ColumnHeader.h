// The optional bar of column titles above a pane's list. Its columns lie side by side from the
// left; dragging the right edge of one with the left mouse button resizes it (and, for the first
// column, the list's column). View files keep the columns in a text form, "title,width|" per
// column.
#pragma once

#include <QSize>
#include <QString>
#include <QWidget>
#include <vector>

class TreeListBoxWidget;

class ColumnHeader : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kHeight = 20;
  static constexpr int kMaxColumns = 20;
  // How close to an edge the mouse takes hold of it.
  static constexpr int kEdgeGrip = 3;
  // Below this a dragged column stops shrinking, so that its edge can still be taken.
  static constexpr int kMinimumDragWidth = 2 * kEdgeGrip;
  // Wider columns are not taken from a text form.
  static constexpr int kMaxWidth = 32767;

  struct Column {
    QString title;
    int left;
    int right;
    int Width() const { return right - left; }
  };

  explicit ColumnHeader(QWidget* parent = nullptr);

  // The list whose first column follows the header's first column; not owned, must outlive the
  // header or be unset (null). With no column the list's column spans the list.
  void SetList(TreeListBoxWidget* list);

  // Appends a column; false, unchanged, once there are kMaxColumns. A "|" in the title is
  // dropped, since the text form could not keep it.
  bool AddColumn(const QString& title, int width);
  void Clear();
  int ColumnCount() const { return static_cast<int>(columns_.size()); }
  // `index` must be below ColumnCount().
  const Column& ColumnAt(int index) const { return columns_[static_cast<std::size_t>(index)]; }
  // Widths below 0 count as 0; the columns to the right move with the edge.
  void ResizeColumn(int index, int width);

  // "title,width|" for each column in order.
  QString Text() const;
  // Replaces the columns by those of a text form (the last "|" may be missing). A title keeps its
  // commas: the width follows the last one. False, with the columns unchanged, for a text that is
  // not such a form, a width outside 0..kMaxWidth, or more than kMaxColumns columns.
  bool SetText(const QString& text);

  QSize sizeHint() const override;

 signals:
  void ColumnResized(int index, int width);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  // The column whose right edge is within the grip of `x`, the rightmost when edges crowd; -1 for
  // none.
  int EdgeAt(int x) const;
  // Gives the list the first column's width (0 when there is none).
  void TellList();

  std::vector<Column> columns_;
  TreeListBoxWidget* list_ = nullptr;
  int dragged_ = -1;
};
