// Part-of-speech codes as the library names them: "?" for 0, then "n", "v", "a", "b", "pn" for
// noun, verb, adjective, adverb and proper noun; codes of 6 and more have no name.
#pragma once

#include <cstdint>

#include "SysString.h"

namespace lexicon {

// The short name of `code`, or null for codes of 6 and more. Static text.
const char* PartOfSpeechName(std::uint16_t code);
// The short name as a new string owned by the caller; null for codes of 6 and more (or when memory
// runs out).
BSTR NewPartOfSpeechName(std::uint16_t code);
// The code a caller's spelling stands for, compared without regard to letter case: "n" 1, "v" 2,
// "a" 3, "b" or "r" 4, "pn" or "p" 5. 0 for any other text, null included.
std::uint16_t PartOfSpeechOfSpelling(const char* spelling);

}  // namespace lexicon
