#include "tree/TreeLineLayout.h"

#include <algorithm>
#include <iterator>

#include "tree/TreeItem.h"
#include "tree/VariantLine.h"

namespace {
// Between the indentation and the mark.
constexpr int kMarkMargin = 5;
// Between the icon and the text.
constexpr int kIconGap = 5;
// A piece wraps when it would reach this close to the column's right edge.
constexpr int kWrapMargin = 3;
}  // namespace

TreeLineLayout::TreeLineLayout(const TreeItem& line, const Geometry& geometry,
                               const QFontMetrics& metrics)
    : geometry_(geometry) {
  const int indent = geometry.indentation * line.Level();
  const int markLeft = indent + kMarkMargin;
  const bool hasRoom = indent + 4 < geometry.columnWidth;
  if (line.IsTreeLine() && !line.IsAttached() && hasRoom) {
    markBox_ = QRect(markLeft + (geometry.markWidth - kMarkSize) / 2,
                     (geometry.lineHeight - kMarkSize) / 2, kMarkSize, kMarkSize);
  }
  int textStart = markLeft + geometry.markWidth;
  if (line.Image() != TreeItem::kNoImage) {
    iconRect_ = QRect(textStart, (geometry.lineHeight - kIconHeight) / 2, kIconWidth, kIconHeight);
    textStart += kIconWidth + kIconGap;
  }
  PlacePieces(line, metrics, textStart);
}

void TreeLineLayout::PlacePieces(const TreeItem& line, const QFontMetrics& metrics, int textStart) {
  textStart_ = textStart;
  int x = textStart;
  int row = 0;
  QString allText;
  for (int number = line.Text().empty() ? 1 : 0; number <= line.VariantCount(); ++number) {
    const QString text = PieceText(line, number);
    allText += text;
    const int width = metrics.horizontalAdvance(text);
    // The first piece stays in the first row even when it is too wide: it is clipped instead.
    if (!pieces_.empty() && x + width > WrapEdge()) {
      ++row;
      x = textStart;
    }
    pieces_.push_back({number, QRect(x, row * geometry_.lineHeight, width, geometry_.lineHeight)});
    x += width + kPieceGap;
  }
  rows_ = row + 1;
  textEnd_ = pieces_.empty() ? textStart : pieces_.back().rect.right() + 1;
  rightToLeft_ = allText.isRightToLeft();
  if (rightToLeft_) MirrorRows();
}

void TreeLineLayout::MirrorRows() {
  auto rowBegin = pieces_.begin();
  while (rowBegin != pieces_.end()) {
    const int top = rowBegin->rect.top();
    const auto rowEnd = std::find_if(rowBegin, pieces_.end(),
                                     [top](const Piece& piece) { return piece.rect.top() != top; });
    const int rowRight = std::prev(rowEnd)->rect.right();
    // Only a row of one piece wider than the room can pass the edge.
    const int overflow = std::max(0, rowRight - WrapEdge());
    for (auto piece = rowBegin; piece != rowEnd; ++piece) {
      piece->rect.moveLeft(textStart_ + rowRight - piece->rect.right() - overflow);
    }
    textEnd_ = rowRight - overflow + 1;
    rowBegin = rowEnd;
  }
}

int TreeLineLayout::Height() const {
  return std::min(rows_ * geometry_.lineHeight, kMaxHeight);
}

int TreeLineLayout::WrapEdge() const {
  return geometry_.columnWidth - kWrapMargin;
}

int TreeLineLayout::PieceAt(QPoint point) const {
  // Text past the column's edge is clipped away, and what is not drawn cannot be hit.
  if (point.y() < 0 || point.y() >= Height() || point.x() < textStart_ ||
      point.x() >= geometry_.columnWidth) {
    return -1;
  }
  for (const Piece& piece : pieces_) {
    if (piece.rect.contains(point)) return piece.number;
  }
  return -1;
}

bool TreeLineLayout::IsOnMark(QPoint point) const {
  return markBox_.has_value() && markBox_->contains(point);
}

QString TreeLineLayout::PieceText(const TreeItem& line, int number) {
  if (number == 0) return QString::fromStdString(line.Text());
  const VariantLine* variant = line.Variant(number);
  return variant != nullptr ? QString::fromStdString(variant->Text()) : QString();
}
