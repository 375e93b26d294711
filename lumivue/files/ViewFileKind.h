// Which kind of view a view file holds, from its first line, before a window is made for it.
#pragma once

#include <string>

class PersonInterface;

class ViewFileKind {
 public:
  // Returned by Of besides the view kinds' own numbers (0 monolingual, 1 multilingual).
  static constexpr int kUnknown = 2;

  // 0 when the first line is "#WindowType:" with a value starting with "L", 1 with "T", kUnknown
  // for any other first line or an empty file. A file that cannot be opened also gives kUnknown,
  // after the system's error text was shown to `person` (message box and status bar).
  static int Of(const std::string& path, PersonInterface& person);
};
