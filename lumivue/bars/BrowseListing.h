// The word forms the browse bar lists for a typed text: from the text onward in the dictionary's
// order (at most 71 of them), or, for a text with wildcards, every form that matches it. Letter
// case is ignored in both.
#pragma once

#include <string>
#include <string_view>
#include <vector>

class Dictionary;

class BrowseListing {
 public:
  static constexpr std::size_t kMostForms = 71;

  // True when `text` holds "?" or "*", which make it a pattern.
  static bool IsPattern(std::string_view text);
  // The forms not less than `text` (all forms for an empty text), in the dictionary's order, at
  // most kMostForms. What the library throws passes through.
  static std::vector<std::string> From(Dictionary& words, std::string_view text);
  // Every form that matches `pattern` as a whole, in the dictionary's order. What the library
  // throws passes through.
  static std::vector<std::string> Matching(Dictionary& words, std::string_view pattern);
};
