#include "tree/TreeListBoxWidget.h"

#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QFontInfo>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPen>
#include <QResizeEvent>
#include <QScrollBar>
#include <algorithm>

#include "tree/ConceptPane.h"
#include "tree/ExpandMark.h"
#include "tree/LineIcons.h"
#include "tree/TreeItem.h"
#include "tree/TreeListBox.h"

namespace {
// The leader lines of drawing mode 1 until SetDrawingMode gives others.
const QColor kDefaultLeader(0x80, 0x80, 0x80);
const QColor kDefaultSelectedLeader(0x00, 0x00, 0xff);
// How strongly the selected line is tinted with the highlight colour.
constexpr int kSelectionTintAlpha = 48;
// Between the end of a line's text and its leader line.
constexpr int kLeaderGap = 3;
// How far the frame of a concept line's current variant stands left of the variant's text.
constexpr int kCurrentVariantMargin = 2;
}  // namespace

TreeListBoxWidget::TreeListBoxWidget(ConceptPane& pane, QWidget* parent)
    : QAbstractScrollArea(parent),
      pane_(pane),
      tip_(*viewport()),
      leaderColor_(kDefaultLeader),
      selectedLeaderColor_(kDefaultSelectedLeader) {
  setFocusPolicy(Qt::StrongFocus);
  viewport()->setMouseTracking(true);
  viewport()->setBackgroundRole(QPalette::Base);
  SetScrollBarSide(ScrollBarSide::kRight);
  MeasureFont();
  LinesChanged();
}

void TreeListBoxWidget::LinesChanged() {
  MeasureRows();
  UpdateScrollRange();
  viewport()->update();
  emit ScrolledOrChanged();
}

void TreeListBoxWidget::SetDrawingMode(int mode, QColor first, QColor second) {
  drawingMode_ = mode == 1 ? 1 : 0;
  leaderColor_ = first;
  selectedLeaderColor_ = second;
  viewport()->update();
}

void TreeListBoxWidget::SetScrollBarSide(ScrollBarSide side) {
  setVerticalScrollBarPolicy(side == ScrollBarSide::kNone ? Qt::ScrollBarAlwaysOff
                                                          : Qt::ScrollBarAlwaysOn);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  // The scroll area puts its bar on the leading side of a right-to-left layout; the rows keep
  // their own direction.
  setLayoutDirection(side == ScrollBarSide::kLeft ? Qt::RightToLeft : Qt::LeftToRight);
  viewport()->setLayoutDirection(Qt::LeftToRight);
}

void TreeListBoxWidget::SetFirstColumnWidth(int px) {
  firstColumnWidth_ = std::max(px, 0);
  LinesChanged();
}

int TreeListBoxWidget::ColumnWidth() const {
  return firstColumnWidth_ > 0 ? firstColumnWidth_ : viewport()->width();
}

void TreeListBoxWidget::SetDataTips(bool on) {
  tip_.SetOn(on);
}

int TreeListBoxWidget::TopIndex() const {
  return verticalScrollBar()->value();
}

void TreeListBoxWidget::SetTopIndex(int index) {
  verticalScrollBar()->setValue(index);
}

QRect TreeListBoxWidget::LineRect(int visibleIndex) const {
  const TreeListBox& lines = pane_.Lines();
  const TreeItem* line = lines.VisibleLine(static_cast<std::size_t>(std::max(visibleIndex, 0)));
  if (visibleIndex < 0 || line == nullptr) return {};
  const int top = TopIndex();
  int y = 0;
  for (int i = std::min(top, visibleIndex); i < std::max(top, visibleIndex); ++i) {
    y += HeightOf(*lines.VisibleLine(static_cast<std::size_t>(i)));
  }
  if (visibleIndex < top) y = -y;
  return QRect(0, y, viewport()->width(), HeightOf(*line));
}

TreeListBoxWidget::Hit TreeListBoxWidget::HitTest(QPoint viewportPos) const {
  const TreeListBox& lines = pane_.Lines();
  const int count = static_cast<int>(lines.VisibleCount());
  int y = 0;
  for (int i = TopIndex(); i < count && y <= viewportPos.y(); ++i) {
    TreeItem& line = *lines.VisibleLine(static_cast<std::size_t>(i));
    const int height = HeightOf(line);
    if (viewportPos.y() < y + height) {
      const TreeLineLayout layout = LayoutOf(line);
      const QPoint inLine = viewportPos - QPoint(0, y);
      return {i, &line, layout.PieceAt(inLine), layout.IsOnMark(inLine)};
    }
    y += height;
  }
  return {};
}

QString TreeListBoxWidget::DataTipAt(QPoint viewportPos) const {
  const Hit hit = HitTest(viewportPos);
  return hit.line != nullptr ? DataTip::TextFor(*hit.line, hit.piece) : QString();
}

void TreeListBoxWidget::Paint(QPainter& painter, const QRect& area, bool printing) {
  PaintRows(painter, TopIndex(), area, printing);
}

int TreeListBoxWidget::PaintRows(QPainter& painter, int first, const QRect& area, bool printing) {
  const qreal ratioX = printing ? qreal(painter.device()->logicalDpiX()) / logicalDpiX() : 1.0;
  const qreal ratioY = printing ? qreal(painter.device()->logicalDpiY()) / logicalDpiY() : 1.0;
  const int width = qRound(area.width() / ratioX);
  const int height = qRound(area.height() / ratioY);
  painter.save();
  painter.translate(area.topLeft());
  painter.scale(ratioX, ratioY);
  const TreeListBox& lines = pane_.Lines();
  const int count = static_cast<int>(lines.VisibleCount());
  int index = std::max(first, 0);
  int y = 0;
  for (; index < count; ++index) {
    const TreeItem& line = *lines.VisibleLine(static_cast<std::size_t>(index));
    const int lineHeight = HeightOf(line);
    // A printed page ends before the first row it cannot hold whole, but takes at least one.
    const bool full = printing ? y + lineHeight > height && index > first : y >= height;
    if (full) break;
    PaintLine(painter, line, y, width, printing);
    y += lineHeight;
  }
  if (!printing && y < height) {
    painter.fillRect(QRect(0, y, width, height - y), palette().color(QPalette::Base));
  }
  painter.restore();
  // On the screen only the last row painted can be cut by the bottom edge.
  return !printing && y > height ? index - 1 : index;
}

void TreeListBoxWidget::PaintLine(QPainter& painter, const TreeItem& line, int top, int width,
                                  bool printing) {
  const TreeLineLayout layout = LayoutOf(line);
  const QRect rowRect(0, top, width, layout.Height());
  const bool selected = pane_.Lines().Selected() == &line;
  painter.fillRect(rowRect, palette().color(QPalette::Base));
  const QColor highlight = palette().color(QPalette::Highlight);
  if (selected) {
    QColor tint = highlight;
    tint.setAlpha(kSelectionTintAlpha);
    painter.fillRect(rowRect, tint);
  }

  painter.save();
  painter.setClipRect(rowRect, Qt::IntersectClip);
  painter.translate(0, top);
  if (layout.MarkBox()) ExpandMark::Draw(painter, *layout.MarkBox(), line.IsExpanded());
  if (layout.IconRect()) LineIcons::Draw(painter, line.Image(), *layout.IconRect());

  const int columnWidth = ColumnWidth();
  // A right-to-left row too wide for the column passes the text start instead of the column's
  // edge, and must not cover the icon.
  const int clipLeft =
      layout.RightToLeft() ? std::max(0, layout.TextStart() - kCurrentVariantMargin) : 0;
  painter.setClipRect(QRect(clipLeft, 0, columnWidth - clipLeft, layout.Height()),
                      Qt::IntersectClip);
  QFont font = FontOf(line);
  // The painter's scale already stretches to the printer: the font must not grow a second time.
  if (printing) font.setPixelSize(QFontInfo(FontOf(line)).pixelSize());
  painter.setFont(font);
  // Each piece exactly fills its rectangle, so the absolute alignment only keeps Qt from moving a
  // right-to-left piece.
  painter.setLayoutDirection(layout.RightToLeft() ? Qt::RightToLeft : Qt::LeftToRight);
  for (const TreeLineLayout::Piece& piece : layout.Pieces()) {
    painter.setPen(palette().color(QPalette::Text));
    painter.drawText(piece.rect,
                     Qt::AlignLeft | Qt::AlignAbsolute | Qt::AlignVCenter | Qt::TextSingleLine,
                     TreeLineLayout::PieceText(line, piece.number));
    if (selected && piece.number == line.CurrentVariant()) {
      painter.setPen(QPen(highlight, 1.0));
      painter.setBrush(Qt::NoBrush);
      painter.drawRect(piece.rect.adjusted(-kCurrentVariantMargin, 0, 1, -1));
    }
  }
  const int leaderStart = layout.TextEnd() + kLeaderGap;
  if (drawingMode_ == 1 && leaderStart < columnWidth) {
    const int y = (layout.Rows() - 1) * lineHeight_ + lineHeight_ / 2;
    painter.setPen(QPen(selected ? selectedLeaderColor_ : leaderColor_, 1.0, Qt::DotLine));
    painter.drawLine(leaderStart, y, columnWidth - 1, y);
  }
  painter.restore();
}

void TreeListBoxWidget::paintEvent(QPaintEvent* event) {
  QPainter painter(viewport());
  painter.setClipRegion(event->region());
  Paint(painter, viewport()->rect(), false);
}

void TreeListBoxWidget::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  // A column that spans the list wraps differently at another width.
  LinesChanged();
}

void TreeListBoxWidget::changeEvent(QEvent* event) {
  QAbstractScrollArea::changeEvent(event);
  if (event->type() == QEvent::FontChange) {
    MeasureFont();
    LinesChanged();
  }
}

void TreeListBoxWidget::focusInEvent(QFocusEvent* event) {
  QAbstractScrollArea::focusInEvent(event);
  emit FocusGained();
}

void TreeListBoxWidget::scrollContentsBy(int, int) {
  // The scroll bar counts rows, not pixels: everything moves by rows of their own heights.
  verticalScrollBar()->setPageStep(std::max(RowsFitting(TopIndex()), 1));
  tip_.Hide();
  viewport()->update();
  emit ScrolledOrChanged();
}

bool TreeListBoxWidget::viewportEvent(QEvent* event) {
  if (event->type() == QEvent::Leave) tip_.Hide();
  return QAbstractScrollArea::viewportEvent(event);
}

void TreeListBoxWidget::mousePressEvent(QMouseEvent* event) {
  tip_.Hide();
  if (event->button() != Qt::LeftButton) {
    QAbstractScrollArea::mousePressEvent(event);
    return;
  }
  const Hit hit = HitTest(event->position().toPoint());
  if (hit.line == nullptr) return;
  const bool changed = Choose(hit.index, hit.piece);
  if (hit.onMark) Toggle(*hit.line);
  if (changed) emit SelectionChanged();
}

void TreeListBoxWidget::mouseReleaseEvent(QMouseEvent* event) {
  // The press did the work; the release belongs to the list, not to the windows around it.
  event->setAccepted(event->button() == Qt::LeftButton);
}

void TreeListBoxWidget::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  const Hit hit = HitTest(event->position().toPoint());
  if (hit.line == nullptr) return;
  if (hit.line->Kind() == LineKind::kNote) {
    emit NoteEditWanted();
  } else {
    Toggle(*hit.line);
  }
}

void TreeListBoxWidget::mouseMoveEvent(QMouseEvent* event) {
  if (!tip_.IsOn() || event->buttons() != Qt::NoButton) return;
  const QPoint position = event->position().toPoint();
  tip_.Follow(viewport()->mapToGlobal(position), DataTipAt(position));
}

void TreeListBoxWidget::contextMenuEvent(QContextMenuEvent* event) {
  tip_.Hide();
  if (event->reason() == QContextMenuEvent::Mouse) {
    const Hit hit = HitTest(event->pos());
    if (hit.line != nullptr && Choose(hit.index, hit.piece)) emit SelectionChanged();
  }
  emit ContextMenuWanted(event->globalPos());
}

void TreeListBoxWidget::keyPressEvent(QKeyEvent* event) {
  if (HandleCommandKey(*event)) return;
  // With Ctrl held the keys are the view's accelerators, not the list's.
  if ((event->modifiers() & Qt::ControlModifier) != 0) {
    event->ignore();
    return;
  }
  const TreeListBox& lines = pane_.Lines();
  const int selected = lines.SelectedIndex();
  TreeItem* line = lines.Selected();
  const bool keypad = (event->modifiers() & Qt::KeypadModifier) != 0;
  switch (event->key()) {
    case Qt::Key_Home:
    case Qt::Key_Clear:
      MoveSelection(0);
      break;
    case Qt::Key_End:
      MoveSelection(static_cast<int>(lines.VisibleCount()) - 1);
      break;
    case Qt::Key_Left:
    case Qt::Key_Up:
      MoveSelection(std::max(selected - 1, 0));
      break;
    case Qt::Key_Right:
    case Qt::Key_Down:
      MoveSelection(selected + 1);
      break;
    case Qt::Key_PageUp:
      MoveSelection(std::max(selected - RowsFitting(TopIndex()), 0));
      break;
    case Qt::Key_PageDown:
      MoveSelection(selected + RowsFitting(TopIndex()));
      break;
    case Qt::Key_Plus:
    case Qt::Key_Minus: {
      const bool expand = event->key() == Qt::Key_Plus;
      if (!keypad || line == nullptr || !CanExpand(*line)) break;
      if (line->IsExpanded() != expand) Toggle(*line);
      break;
    }
    case Qt::Key_Return:
    case Qt::Key_Enter:
      if (line != nullptr && line->Kind() == LineKind::kNote) emit NoteEditWanted();
      break;
    case Qt::Key_Insert:
      emit CommandWanted(kAddNoteCommand);
      break;
    default:
      QAbstractScrollArea::keyPressEvent(event);
      break;
  }
}

bool TreeListBoxWidget::HandleCommandKey(const QKeyEvent& event) {
  if ((event.modifiers() & (Qt::ControlModifier | Qt::ShiftModifier)) == 0) return false;
  switch (event.key()) {
    case Qt::Key_F9:
      emit CommandWanted(kEquivalenceLinkCommand);
      return true;
    case Qt::Key_F11:
      emit CommandWanted(kTopHyperonymCommand);
      return true;
    case Qt::Key_F12:
      emit CommandWanted(kOneUpOneDownCommand);
      return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      if ((event.modifiers() & Qt::ControlModifier) == 0) return false;
      emit CommandWanted(kShowLinksCommand);
      return true;
    default:
      return false;
  }
}

bool TreeListBoxWidget::Choose(int index, int piece) {
  TreeListBox& lines = pane_.Lines();
  TreeItem* line = lines.VisibleLine(static_cast<std::size_t>(index));
  if (line == nullptr) return false;
  bool changed = false;
  if (lines.Selected() != line) changed = pane_.Select(index);
  if (line->Kind() == LineKind::kConcept && piece > 0 && piece != line->CurrentVariant()) {
    changed = line->SetCurrentVariant(piece) || changed;
  }
  if (changed) viewport()->update();
  return changed;
}

void TreeListBoxWidget::MoveSelection(int index) {
  const int count = static_cast<int>(pane_.Lines().VisibleCount());
  if (count == 0) return;
  index = std::clamp(index, 0, count - 1);
  const bool changed = Choose(index, -1);
  ScrollTo(index);
  if (changed) emit SelectionChanged();
}

void TreeListBoxWidget::Toggle(TreeItem& line) {
  if (!CanExpand(line)) return;
  // The rows are not drawn while the lines change under them.
  viewport()->setUpdatesEnabled(false);
  pane_.ToggleLine(line);
  viewport()->setUpdatesEnabled(true);
  LinesChanged();
}

bool TreeListBoxWidget::CanExpand(const TreeItem& line) {
  return line.IsTreeLine() && !line.IsAttached();
}

void TreeListBoxWidget::ScrollTo(int index) {
  const TreeListBox& lines = pane_.Lines();
  int top = TopIndex();
  if (index < top) {
    SetTopIndex(index);
    return;
  }
  int bottom = 0;
  for (int i = top; i <= index; ++i)
    bottom += HeightOf(*lines.VisibleLine(static_cast<std::size_t>(i)));
  while (bottom > viewport()->height() && top < index) {
    bottom -= HeightOf(*lines.VisibleLine(static_cast<std::size_t>(top)));
    ++top;
  }
  SetTopIndex(top);
}

TreeLineLayout::Geometry TreeListBoxWidget::Geometry() const {
  return {lineHeight_, ColumnWidth(), kIndentation, kMarkWidth};
}

const QFont& TreeListBoxWidget::FontOf(const TreeItem& line) const {
  return line.Has(line_flag::kRelationLine) ? boldFont_ : font();
}

TreeLineLayout TreeListBoxWidget::LayoutOf(const TreeItem& line) const {
  return TreeLineLayout(line, Geometry(), QFontMetrics(FontOf(line)));
}

int TreeListBoxWidget::HeightOf(const TreeItem& line) const {
  return line.RowHeight() > 0 ? line.RowHeight() : lineHeight_;
}

void TreeListBoxWidget::MeasureFont() {
  const int textHeight = QFontMetrics(font()).height();
  lineHeight_ = textHeight + 4 + (textHeight % 2);
  boldFont_ = font();
  boldFont_.setWeight(QFont::DemiBold);
}

void TreeListBoxWidget::MeasureRows() {
  const TreeListBox& lines = pane_.Lines();
  for (std::size_t i = 0; i < lines.VisibleCount(); ++i) {
    TreeItem& line = *lines.VisibleLine(i);
    const TreeLineLayout layout = LayoutOf(line);
    line.SetRows(layout.Rows(), layout.Height());
  }
}

void TreeListBoxWidget::UpdateScrollRange() {
  const TreeListBox& lines = pane_.Lines();
  const int count = static_cast<int>(lines.VisibleCount());
  // The rows that fit below the last top row.
  int fitting = 0;
  for (int used = 0, i = count - 1; i >= 0; --i, ++fitting) {
    used += HeightOf(*lines.VisibleLine(static_cast<std::size_t>(i)));
    if (used > viewport()->height()) break;
  }
  const int maximum = count - std::max(fitting, 1);
  verticalScrollBar()->setRange(0, std::max(maximum, 0));
  // Greyed rather than hidden when every row fits, so that the list keeps its width.
  verticalScrollBar()->setEnabled(maximum > 0);
  verticalScrollBar()->setSingleStep(1);
  verticalScrollBar()->setPageStep(std::max(RowsFitting(TopIndex()), 1));
}

int TreeListBoxWidget::RowsFitting(int first) const {
  const TreeListBox& lines = pane_.Lines();
  const int count = static_cast<int>(lines.VisibleCount());
  int rows = 0;
  for (int used = 0, i = std::max(first, 0); i < count; ++i, ++rows) {
    used += HeightOf(*lines.VisibleLine(static_cast<std::size_t>(i)));
    if (used > viewport()->height()) break;
  }
  return std::max(rows, std::min(count - first, 1));
}
