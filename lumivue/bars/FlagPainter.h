// The language flags of the language combos, drawn by the program: one small picture per cell of
// LanguageCodeTable (cell 0 is the flag of no known language). The designs are plain stripes,
// crosses and fields; they only have to tell the languages apart at a glance.
#pragma once

#include <QPixmap>

class FlagPainter {
 public:
  static constexpr int kWidth = 21;
  static constexpr int kHeight = 15;

  // The flag of cell `cell`. A cell without a picture of its own (LanguageCodeTable::HasPicture)
  // gets the flag of no known language.
  static QPixmap Flag(int cell);
};
