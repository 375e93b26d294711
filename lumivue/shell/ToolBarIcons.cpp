#include "shell/ToolBarIcons.h"

#include <QPainter>
#include <QPixmap>

#include "shell/CommandId.h"

namespace {

// The tool bar's buttons are 16 by 15 pixels; drawn at twice the size so that they stay sharp on
// a high-density screen.
constexpr int kScale = 2;
constexpr int kWidth = 16;
constexpr int kHeight = 15;

struct Glyph {
  int id;
  const char* letters;
  QRgb colour;
};

// Views are blue, files green, bars grey, tree edits red, window arrangements brown, the
// multilingual commands violet.
constexpr Glyph kGlyphs[] = {
    {command::kNewMonolingual, "1", 0xff1f5fa8},
    {command::kNewMultilingual, "2", 0xff1f5fa8},
    {command::kOpenView, "O", 0xff2e7d32},
    {command::kSaveView, "S", 0xff2e7d32},
    {command::kInputBar, "W", 0xff616161},
    {command::kInfoBar, "i", 0xff616161},
    {command::kFilterBar, "F", 0xff616161},
    {command::kClearTree, "T", 0xffb3261e},
    {command::kClearSubtree, "s", 0xffb3261e},
    {command::kAddNote, "N", 0xffb3261e},
    {command::kShowLinks, "\u2194", 0xff6a3d9a},
    {command::kTileVertically, "\u2016", 0xff795548},
    {command::kTileHorizontally, "=", 0xff795548},
    {command::kFindEquivalences, "\u2261", 0xff6a3d9a},
    {command::kAbout, "?", 0xff1f5fa8},
};

}  // namespace

QIcon ToolBarIcons::For(int id) {
  QPixmap picture(kWidth * kScale, kHeight * kScale);
  picture.fill(Qt::transparent);
  for (const Glyph& glyph : kGlyphs) {
    if (glyph.id != id) continue;
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(kScale, kScale);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor::fromRgb(glyph.colour));
    painter.drawRoundedRect(QRectF(0.5, 0.5, kWidth - 1, kHeight - 1), 3, 3);
    QFont font = painter.font();
    font.setPixelSize(11);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(QRectF(0, 0, kWidth, kHeight), Qt::AlignCenter,
                     QString::fromUtf8(glyph.letters));
  }
  picture.setDevicePixelRatio(kScale);
  return QIcon(picture);
}
