// The language flags of the language combos, drawn by the program: one small picture per cell of
// LanguageCodeTable (cell 0 is the flag of no known language). The designs are plain stripes,
// crosses and fields; they only have to tell the languages apart at a glance. A language with no
// flag of its own is shown by its code's badge (CodeBadge).
#pragma once

#include <QPixmap>
#include <string_view>

class QPainter;

class FlagPainter {
 public:
  static constexpr int kWidth = 21;
  static constexpr int kHeight = 15;

  // The flag of cell `cell`. A cell without a picture of its own (LanguageCodeTable::HasPicture)
  // gets the flag of no known language.
  static QPixmap Flag(int cell);
  // The picture of the language `code`: its flag when LanguageCodeTable holds the code and has a
  // picture for it, else the code's badge.
  static QPixmap ForLanguage(std::string_view code);
  // The thin frame every picture gets, which keeps white fields apart from a white list.
  static void DrawFrame(QPainter& painter);
};
