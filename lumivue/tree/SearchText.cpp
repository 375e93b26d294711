#include "tree/SearchText.h"

#include <algorithm>
#include <cctype>

namespace {
bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}
char Lower(char c) {
  return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}
}  // namespace

std::string SearchText::WordOf(std::string_view text) {
  text = text.substr(0, text.find(':'));
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return std::string(text);
}

bool SearchText::Contains(std::string_view candidate, std::string_view wanted) {
  if (wanted.empty()) return false;
  const auto found = std::search(candidate.begin(), candidate.end(), wanted.begin(), wanted.end(),
                                 [](char a, char b) { return Lower(a) == Lower(b); });
  return found != candidate.end();
}
