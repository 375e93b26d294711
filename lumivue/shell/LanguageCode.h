// Language codes as the viewer compares them: databases and view files spell them in either case.
#pragma once

#include <algorithm>
#include <cctype>
#include <string_view>

// True when the two codes have the same letters, ASCII letter case ignored.
inline bool SameLanguageCode(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return std::tolower(static_cast<unsigned char>(x)) ==
           std::tolower(static_cast<unsigned char>(y));
  });
}
