// The picture of a language that has no drawn flag: its code in white letters on a coloured field
// of the flags' size. The field's colour follows from the code, so that two such languages side by
// side in a combo are told apart by colour as well as by letters.
#pragma once

#include <QColor>
#include <QPixmap>
#include <string_view>

class CodeBadge {
 public:
  // The badge of `code` (upper-cased on the badge; as many letters as fit, shrinking the font down
  // to a legible minimum).
  static QPixmap Of(std::string_view code);
  // The field colour of `code`; the same for every spelling of the code in either letter case.
  static QColor FieldOf(std::string_view code);
};
