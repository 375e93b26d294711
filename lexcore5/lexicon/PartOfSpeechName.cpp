#include "lexicon/PartOfSpeechName.h"

#include <cctype>
#include <string>

namespace lexicon {

namespace {

constexpr const char* kNames[] = {"?", "n", "v", "a", "b", "pn"};
constexpr std::uint16_t kNameCount = sizeof kNames / sizeof kNames[0];

struct Spelling {
  const char* text;
  std::uint16_t code;
};
// "r" is WordNet's letter for adverbs, "p" the export letter of proper nouns.
constexpr Spelling kSpellings[] = {{"n", 1}, {"v", 2},  {"a", 3}, {"b", 4},
                                   {"r", 4}, {"pn", 5}, {"p", 5}};

}  // namespace

const char* PartOfSpeechName(std::uint16_t code) {
  return code < kNameCount ? kNames[code] : nullptr;
}

BSTR NewPartOfSpeechName(std::uint16_t code) {
  const char* name = PartOfSpeechName(code);
  if (name == nullptr) return nullptr;
  const std::u16string wide(name, name + std::char_traits<char>::length(name));
  return SysAllocString(wide.c_str());
}

std::uint16_t PartOfSpeechOfSpelling(const char* spelling) {
  if (spelling == nullptr) return 0;
  std::string lower(spelling);
  for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  for (const Spelling& known : kSpellings) {
    if (lower == known.text) return known.code;
  }
  return 0;
}

}  // namespace lexicon
