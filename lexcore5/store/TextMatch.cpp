#include "store/TextMatch.h"

#include <unicode/uchar.h>
#include <unicode/utf8.h>

namespace store {

std::u32string FoldedText(std::string_view utf8, bool caseSensitive) {
  std::u32string out;
  FoldInto(utf8, caseSensitive, &out);
  return out;
}

void FoldInto(std::string_view utf8, bool caseSensitive, std::u32string* out) {
  out->clear();
  out->reserve(utf8.size());
  const auto* bytes = reinterpret_cast<const uint8_t*>(utf8.data());
  const auto length = static_cast<int32_t>(utf8.size());
  for (int32_t i = 0; i < length;) {
    UChar32 c;
    U8_NEXT(bytes, i, length, c);
    if (c < 0) c = 0xFFFD;
    // Simple folding keeps one code point per character, so "?" still stands for one character.
    out->push_back(static_cast<char32_t>(caseSensitive ? c : u_foldCase(c, U_FOLD_CASE_DEFAULT)));
  }
}

bool HasWildcard(std::u32string_view text) {
  return text.find_first_of(U"*?") != std::u32string_view::npos;
}

bool WildcardMatch(std::u32string_view pattern, std::u32string_view text) {
  std::size_t p = 0;
  std::size_t t = 0;
  std::size_t star = std::u32string_view::npos;
  std::size_t resume = 0;
  while (t < text.size()) {
    if (p < pattern.size() && pattern[p] == U'*') {
      while (p < pattern.size() && pattern[p] == U'*') ++p;
      if (p == pattern.size()) return true;
      star = p;
      resume = t;
    } else if (p < pattern.size() && (pattern[p] == U'?' || pattern[p] == text[t])) {
      ++p;
      ++t;
    } else if (star != std::u32string_view::npos) {
      p = star;
      t = ++resume;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == U'*') ++p;
  return p == pattern.size();
}

}  // namespace store
