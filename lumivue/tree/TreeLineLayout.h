// Where the parts of one tree line go: the expand mark, the icon and the text pieces (the line's
// own text, then each variant) wrapped into rows. Painting, measuring and hit-testing all walk the
// same layout, so that what is hit is what was drawn.
//
// Coordinates: x from the left edge of the list, y from the top of the line.
//
// A line whose text is written right to left (its first letter of a strong direction is Arabic,
// Hebrew or of another right-to-left script) keeps the tree's places for its mark, icon and text,
// but reads from right to left inside them: each row's pieces are laid out from the right end of
// the row, and each piece is drawn right to left. A row too wide for the column is cut at its left
// (where it ends), not at its right (where it begins).
#pragma once

#include <QFontMetrics>
#include <QPoint>
#include <QRect>
#include <QString>
#include <optional>
#include <vector>

class TreeItem;

class TreeLineLayout {
 public:
  // What the layout depends on besides the line and its font.
  struct Geometry {
    int lineHeight = 18;
    // The width of the column the line is drawn in (its left edge is x 0).
    int columnWidth = 0;
    int indentation = 20;
    int markWidth = 15;
  };
  // One piece of text: `number` 0 is the line's own text, 1.. its variants.
  struct Piece {
    int number;
    QRect rect;
  };

  static constexpr int kMarkSize = 9;
  static constexpr int kIconWidth = 15;
  static constexpr int kIconHeight = 10;
  static constexpr int kPieceGap = 10;
  // Row heights are kept in 8 bits: a taller line is cut off there, and its lower pieces cannot be
  // hit.
  static constexpr int kMaxHeight = 255;

  // `metrics` are those of the font the line is drawn with.
  TreeLineLayout(const TreeItem& line, const Geometry& geometry, const QFontMetrics& metrics);

  // Rows of text (at least 1) and the line's height in pixels (rows x line height, capped).
  int Rows() const { return rows_; }
  int Height() const;
  // None for an attached line, a note, or a line indented past its column.
  const std::optional<QRect>& MarkBox() const { return markBox_; }
  // None for a line without an icon.
  const std::optional<QRect>& IconRect() const { return iconRect_; }
  const std::vector<Piece>& Pieces() const { return pieces_; }
  // Where the text begins: text drawn left of it is cut off.
  int TextStart() const { return textStart_; }
  // Where the text of the last row ends (the text start when the line shows none).
  int TextEnd() const { return textEnd_; }
  // The right edge past which a piece wraps.
  int WrapEdge() const;
  // Whether the line's text reads from right to left (decided by its script, not its language).
  bool RightToLeft() const { return rightToLeft_; }

  // The number of the piece at `point`, or -1 over no piece and below the line's height.
  int PieceAt(QPoint point) const;
  bool IsOnMark(QPoint point) const;

  // The text of piece `number` of `line`; empty when it has no such piece.
  static QString PieceText(const TreeItem& line, int number);

 private:
  void PlacePieces(const TreeItem& line, const QFontMetrics& metrics, int textStart);
  // Reverses the order of the pieces inside each row, keeping the row's extent, and moves a row
  // wider than the column left until its right end is inside.
  void MirrorRows();

  Geometry geometry_;
  int rows_ = 1;
  int textStart_ = 0;
  int textEnd_ = 0;
  bool rightToLeft_ = false;
  std::optional<QRect> markBox_;
  std::optional<QRect> iconRect_;
  std::vector<Piece> pieces_;
};
