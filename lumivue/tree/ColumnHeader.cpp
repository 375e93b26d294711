#include "tree/ColumnHeader.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QStringList>
#include <algorithm>
#include <cstdlib>

#include "tree/TreeListBoxWidget.h"

namespace {
// Between a column's box and its title.
constexpr int kTitleInset = 4;
}  // namespace

ColumnHeader::ColumnHeader(QWidget* parent) : QWidget(parent) {
  setFixedHeight(kHeight);
  setMouseTracking(true);
}

void ColumnHeader::SetList(TreeListBoxWidget* list) {
  list_ = list;
  TellList();
}

bool ColumnHeader::AddColumn(const QString& title, int width) {
  if (ColumnCount() >= kMaxColumns) return false;
  const int left = columns_.empty() ? 0 : columns_.back().right;
  columns_.push_back({QString(title).remove(u'|'), left, left + std::max(width, 0)});
  if (columns_.size() == 1) TellList();
  update();
  return true;
}

void ColumnHeader::Clear() {
  columns_.clear();
  dragged_ = -1;
  TellList();
  update();
}

void ColumnHeader::ResizeColumn(int index, int width) {
  if (index < 0 || index >= ColumnCount()) return;
  const int shift = std::max(width, 0) - ColumnAt(index).Width();
  columns_[static_cast<std::size_t>(index)].right += shift;
  for (std::size_t i = static_cast<std::size_t>(index) + 1; i < columns_.size(); ++i) {
    columns_[i].left += shift;
    columns_[i].right += shift;
  }
  if (index == 0) TellList();
  update();
  emit ColumnResized(index, ColumnAt(index).Width());
}

QString ColumnHeader::Text() const {
  QString text;
  for (const Column& column : columns_) {
    text += column.title + ',' + QString::number(column.Width()) + '|';
  }
  return text;
}

bool ColumnHeader::SetText(const QString& text) {
  QStringList parts = text.split(u'|');
  if (parts.back().isEmpty()) parts.removeLast();
  if (parts.size() > kMaxColumns) return false;
  std::vector<std::pair<QString, int>> read;
  for (const QString& part : parts) {
    const qsizetype comma = part.lastIndexOf(u',');
    bool isNumber = false;
    const int width = comma < 0 ? -1 : part.mid(comma + 1).toInt(&isNumber);
    if (!isNumber || width < 0 || width > kMaxWidth) return false;
    read.emplace_back(part.left(comma), width);
  }
  columns_.clear();
  for (const auto& [title, width] : read) AddColumn(title, width);
  TellList();
  update();
  return true;
}

QSize ColumnHeader::sizeHint() const {
  return {columns_.empty() ? 0 : columns_.back().right, kHeight};
}

void ColumnHeader::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), palette().color(QPalette::ToolTipBase));
  painter.setPen(palette().color(QPalette::ToolTipText));
  for (const Column& column : columns_) {
    if (column.Width() <= 0) continue;
    const QRect box(column.left, 0, column.Width() - 1, kHeight - 1);
    painter.drawRect(box);
    const QRect titleArea = box.adjusted(kTitleInset, 0, -kTitleInset, 0);
    painter.drawText(titleArea, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                     fontMetrics().elidedText(column.title, Qt::ElideRight, titleArea.width()));
  }
}

void ColumnHeader::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  dragged_ = EdgeAt(event->position().toPoint().x());
}

void ColumnHeader::mouseMoveEvent(QMouseEvent* event) {
  const int x = event->position().toPoint().x();
  if (dragged_ >= 0) {
    ResizeColumn(dragged_, std::max(x - ColumnAt(dragged_).left, kMinimumDragWidth));
    return;
  }
  if (EdgeAt(x) >= 0) {
    setCursor(Qt::SplitHCursor);
  } else {
    unsetCursor();
  }
}

void ColumnHeader::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) dragged_ = -1;
}

int ColumnHeader::EdgeAt(int x) const {
  for (int i = ColumnCount() - 1; i >= 0; --i) {
    if (std::abs(x - ColumnAt(i).right) <= kEdgeGrip) return i;
  }
  return -1;
}

void ColumnHeader::TellList() {
  if (list_ != nullptr) list_->SetFirstColumnWidth(columns_.empty() ? 0 : ColumnAt(0).Width());
}
