#include "LmfText.h"

#include <algorithm>

namespace importers {
namespace {

bool IsXmlSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

}  // namespace

std::string CollapseWhitespace(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  bool blank = false;
  for (char c : text) {
    if (IsXmlSpace(c)) {
      blank = !out.empty();
      continue;
    }
    if (blank) out += ' ';
    blank = false;
    out += c;
  }
  return out;
}

bool IsBlank(std::string_view text) {
  return std::all_of(text.begin(), text.end(), IsXmlSpace);
}

}  // namespace importers
