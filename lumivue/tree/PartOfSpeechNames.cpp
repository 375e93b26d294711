#include "tree/PartOfSpeechNames.h"

#include <array>

namespace {
constexpr std::array<const char*, PartOfSpeechNames::kCount> kNames = {"Noun", "Verb", "Adjective",
                                                                       "Adverb", "Proper Noun"};
constexpr std::array<char, PartOfSpeechNames::kCount> kCodes = {'n', 'v', 'a', 'b', 'p'};
}  // namespace

const char* PartOfSpeechNames::OfNumber(int number) {
  if (number < 1 || number > kCount) return nullptr;
  return kNames[static_cast<std::size_t>(number - 1)];
}

int PartOfSpeechNames::NumberOfCode(char code) {
  for (std::size_t i = 0; i < kCodes.size(); ++i) {
    if (kCodes[i] == code) return static_cast<int>(i) + 1;
  }
  return 0;
}

const char* PartOfSpeechNames::OfCode(char code) {
  return OfNumber(NumberOfCode(code));
}
