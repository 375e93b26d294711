// How the viewer reads the text a person types or picks to look a word up or to find a line.
#pragma once

#include <string>
#include <string_view>

class SearchText {
 public:
  // The word form in a typed or shown text: leading blanks dropped, cut at the first ':', trailing
  // blanks dropped ("  dog :1" gives "dog").
  static std::string WordOf(std::string_view text);
  // True when `candidate` holds `wanted` anywhere, letter case (ASCII) ignored; false for an empty
  // `wanted`.
  static bool Contains(std::string_view candidate, std::string_view wanted);
};
