#include "bars/FlagPainter.h"

#include <QPainter>
#include <QPolygon>
#include <array>
#include <initializer_list>

#include "bars/CodeBadge.h"
#include "bars/LanguageCodeTable.h"

namespace {

enum class Pattern {
  kQuestion,      // a field with a question mark: no known language
  kHorizontal,    // equal stripes from top to bottom
  kVertical,      // equal stripes from left to right
  kNordicCross,   // a cross set towards the hoist; `extra` (when set) borders it
  kCentredCross,  // a cross through the middle
  kTriangle,      // horizontal stripes with a triangle at the hoist in `extra`
  kCanton,        // horizontal stripes with a rectangle in the upper hoist in `extra`
  kCentreMark,    // horizontal stripes with a small square in the middle in `extra`
  kDiamond,       // a field with a diamond in `extra`
  kRing,          // a field with a ring in `extra`
};

struct Design {
  Pattern pattern;
  std::initializer_list<QRgb> colours;
  QRgb extra = 0;
};

constexpr QRgb kWhite = 0xFFFFFF, kBlack = 0x000000, kRed = 0xD21E2B, kBlue = 0x1F3F9A,
               kLightBlue = 0x4A90D9, kGreen = 0x16894A, kYellow = 0xF4C60E, kOrange = 0xF08A24,
               kGrey = 0xB4B4B4;

// One design per cell of LanguageCodeTable, in its order.
const std::array<Design, LanguageCodeTable::kPictures>& Designs() {
  static const std::array<Design, LanguageCodeTable::kPictures> designs{{
      {Pattern::kQuestion, {kGrey, kBlack}},                            // no known language
      {Pattern::kQuestion, {kWhite, kGrey}},                            // ??
      {Pattern::kHorizontal, {kYellow, kRed, kYellow, kRed, kYellow}},  // CA
      {Pattern::kCentreMark, {kRed, kWhite, kBlue}, kRed},              // HR
      {Pattern::kTriangle, {kWhite, kRed}, kBlue},                      // CZ
      {Pattern::kNordicCross, {kRed, kWhite}},                          // DK
      {Pattern::kHorizontal, {kRed, kWhite, kBlue}},                    // NL
      {Pattern::kHorizontal, {kLightBlue, kBlack, kWhite}},             // EE
      {Pattern::kVertical, {kWhite, kGreen}},                           // CE
      {Pattern::kCentredCross, {kWhite, kRed}},                         // EN
      {Pattern::kCanton, {kRed, kWhite, kRed, kWhite, kRed}, kBlue},    // US
      {Pattern::kNordicCross, {kWhite, kBlue}},                         // SU
      {Pattern::kCentredCross, {kBlue, kWhite}},                        // CF
      {Pattern::kVertical, {kBlue, kWhite, kRed}},                      // FR
      {Pattern::kVertical, {kGreen, kWhite, kOrange}},                  // GA
      {Pattern::kHorizontal, {kBlack, kRed, kYellow}},                  // DE
      {Pattern::kHorizontal, {kYellow, kBlue}},                         // SD
      {Pattern::kHorizontal, {kBlue, kWhite, kBlue, kWhite, kBlue}},    // GR
      {Pattern::kHorizontal, {kRed, kWhite, kGreen}},                   // MA
      {Pattern::kNordicCross, {kBlue, kRed}, kWhite},                   // IS
      {Pattern::kVertical, {kGreen, kWhite, kRed}},                     // IT
      {Pattern::kRing, {kBlue}, kYellow},                               // EU
      {Pattern::kNordicCross, {kRed, kBlue}, kWhite},                   // NO
      {Pattern::kHorizontal, {kWhite, kRed}},                           // PL
      {Pattern::kDiamond, {kGreen}, kYellow},                           // BR
      {Pattern::kVertical, {kGreen, kRed, kRed}},                       // PO
      {Pattern::kHorizontal, {kWhite, kBlue, kRed}},                    // RU
      {Pattern::kCanton, {kWhite, kBlue, kRed}, kLightBlue},            // SL
      {Pattern::kRing, {kLightBlue}, kWhite},                           // SO
      {Pattern::kHorizontal, {kRed, kYellow, kYellow, kRed}},           // ES
  }};
  return designs;
}

// Stripes of equal size (the last one takes what the division leaves).
void PaintStripes(QPainter& painter, const Design& design, bool horizontal) {
  const int count = static_cast<int>(design.colours.size());
  const int length = horizontal ? FlagPainter::kHeight : FlagPainter::kWidth;
  int index = 0;
  for (QRgb colour : design.colours) {
    const int from = length * index / count;
    const int to = length * (index + 1) / count;
    const QRect stripe = horizontal ? QRect(0, from, FlagPainter::kWidth, to - from)
                                    : QRect(from, 0, to - from, FlagPainter::kHeight);
    painter.fillRect(stripe, QColor(colour));
    ++index;
  }
}

void PaintCross(QPainter& painter, QPoint centre, int thickness, QColor colour) {
  painter.fillRect(QRect(0, centre.y() - thickness / 2, FlagPainter::kWidth, thickness), colour);
  painter.fillRect(QRect(centre.x() - thickness / 2, 0, thickness, FlagPainter::kHeight), colour);
}

void Paint(QPainter& painter, const Design& design) {
  const QColor field(*design.colours.begin());
  const QColor second(design.colours.size() > 1 ? *(design.colours.begin() + 1) : kBlack);
  const QPoint middle(FlagPainter::kWidth / 2, FlagPainter::kHeight / 2);
  switch (design.pattern) {
    case Pattern::kQuestion: {
      painter.fillRect(0, 0, FlagPainter::kWidth, FlagPainter::kHeight, field);
      QFont font = painter.font();
      font.setPixelSize(FlagPainter::kHeight - 2);
      font.setBold(true);
      painter.setFont(font);
      painter.setPen(second);
      painter.drawText(QRect(0, 0, FlagPainter::kWidth, FlagPainter::kHeight), Qt::AlignCenter,
                       QStringLiteral("?"));
      break;
    }
    case Pattern::kHorizontal:
    case Pattern::kCanton:
    case Pattern::kCentreMark:
    case Pattern::kTriangle:
      PaintStripes(painter, design, true);
      break;
    case Pattern::kVertical:
      PaintStripes(painter, design, false);
      break;
    case Pattern::kNordicCross: {
      painter.fillRect(0, 0, FlagPainter::kWidth, FlagPainter::kHeight, field);
      const QPoint hoist(7, middle.y());
      if (design.extra != 0) PaintCross(painter, hoist, 5, QColor(design.extra));
      PaintCross(painter, hoist, 3, second);
      break;
    }
    case Pattern::kCentredCross:
      painter.fillRect(0, 0, FlagPainter::kWidth, FlagPainter::kHeight, field);
      PaintCross(painter, middle, 3, second);
      break;
    case Pattern::kDiamond:
      painter.fillRect(0, 0, FlagPainter::kWidth, FlagPainter::kHeight, field);
      painter.setPen(Qt::NoPen);
      painter.setBrush(QColor(design.extra));
      painter.drawPolygon(QPolygon({QPoint(2, middle.y()), QPoint(middle.x(), 2),
                                    QPoint(FlagPainter::kWidth - 3, middle.y()),
                                    QPoint(middle.x(), FlagPainter::kHeight - 3)}));
      break;
    case Pattern::kRing:
      painter.fillRect(0, 0, FlagPainter::kWidth, FlagPainter::kHeight, field);
      painter.setPen(QPen(QColor(design.extra), 2));
      painter.drawEllipse(middle, 4, 4);
      break;
  }
  if (design.pattern == Pattern::kCanton) {
    painter.fillRect(0, 0, 9, 8, QColor(design.extra));
  } else if (design.pattern == Pattern::kCentreMark) {
    painter.fillRect(QRect(middle - QPoint(3, 3), QSize(7, 7)), QColor(design.extra));
  } else if (design.pattern == Pattern::kTriangle) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(design.extra));
    painter.drawPolygon(
        QPolygon({QPoint(0, 0), QPoint(middle.x(), middle.y()), QPoint(0, FlagPainter::kHeight)}));
  }
}

}  // namespace

QPixmap FlagPainter::Flag(int cell) {
  if (!LanguageCodeTable::HasPicture(cell)) cell = 0;
  QPixmap picture(kWidth, kHeight);
  QPainter painter(&picture);
  Paint(painter, Designs()[static_cast<std::size_t>(cell)]);
  DrawFrame(painter);
  return picture;
}

QPixmap FlagPainter::ForLanguage(std::string_view code) {
  const int cell = LanguageCodeTable::PositionOf(code);
  if (cell == 0 || !LanguageCodeTable::HasPicture(cell)) return CodeBadge::Of(code);
  return Flag(cell);
}

void FlagPainter::DrawFrame(QPainter& painter) {
  painter.setPen(QColor(0x60, 0x60, 0x60));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(0, 0, kWidth - 1, kHeight - 1);
}
