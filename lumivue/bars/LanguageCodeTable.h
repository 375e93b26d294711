// The language codes the viewer knows, in the order of its flag pictures: a code's position in the
// table (1 to 31) is the cell of its flag, and cell 0 is the flag of no known language. A database
// language whose code is missing here is shown by its code's badge instead of a flag.
#pragma once

#include <string_view>

class LanguageCodeTable {
 public:
  static constexpr int kCount = 31;
  // Cells 0 to 29 have a picture; the last two codes have none.
  static constexpr int kPictures = 30;

  // The position (1 to 31) of `code`, compared without regard to letter case; 0 when the table
  // does not hold it.
  static int PositionOf(std::string_view code);
  // The code at `position` (1 to 31); empty outside.
  static std::string_view CodeAt(int position);
  // Whether the flag cell `position` has a picture.
  static bool HasPicture(int position) { return position >= 0 && position < kPictures; }
};
