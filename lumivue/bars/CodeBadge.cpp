#include "bars/CodeBadge.h"

#include <QFontMetrics>
#include <QPainter>
#include <array>
#include <cctype>
#include <cstdint>

#include "bars/FlagPainter.h"

namespace {

// Dark enough behind white letters, and far enough apart to tell at a glance.
constexpr std::array<QRgb, 8> kFields = {0x1F3F9A, 0xB0202C, 0x16734A, 0x6A3D9A,
                                         0xA0522D, 0x00707A, 0x8B1C62, 0x4A4A4A};
constexpr int kLargestLetters = 11;
constexpr int kSmallestLetters = 6;

QString UpperCase(std::string_view code) {
  return QString::fromUtf8(code.data(), static_cast<qsizetype>(code.size())).toUpper();
}

}  // namespace

QColor CodeBadge::FieldOf(std::string_view code) {
  // A fixed hash (not std::hash) keeps a language's colour from one run to the next.
  std::uint32_t hash = 2166136261u;
  for (char c : code) {
    hash =
        (hash ^ static_cast<std::uint8_t>(std::toupper(static_cast<unsigned char>(c)))) * 16777619u;
  }
  return QColor(kFields[hash % kFields.size()]);
}

QPixmap CodeBadge::Of(std::string_view code) {
  QPixmap picture(FlagPainter::kWidth, FlagPainter::kHeight);
  picture.fill(FieldOf(code));
  QPainter painter(&picture);
  const QString letters = UpperCase(code);
  QFont font = painter.font();
  font.setBold(true);
  const QRect room(1, 0, FlagPainter::kWidth - 2, FlagPainter::kHeight);
  for (int size = kLargestLetters; size >= kSmallestLetters; --size) {
    font.setPixelSize(size);
    if (QFontMetrics(font).horizontalAdvance(letters) <= room.width()) break;
  }
  painter.setFont(font);
  painter.setPen(Qt::white);
  painter.drawText(room, Qt::AlignCenter | Qt::TextSingleLine, letters);
  FlagPainter::DrawFrame(painter);
  return picture;
}
