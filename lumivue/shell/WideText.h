// Turns the wide strings that the library hands out into the viewer's 8-bit (UTF-8) text.
#pragma once

#include <string>

#include "SysString.h"

class WideText {
 public:
  // The text of `text` as UTF-8, characters that cannot be converted shown as "~"; empty for null
  // or when the conversion fails. Frees `text` (the caller's copy from the library) in every case.
  static std::string Take(BSTR text);
};
