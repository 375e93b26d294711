// What a tree line stands for; the numbers are those the information pages and view files use.
#pragma once

#include <cstdint>

enum class LineKind : std::int32_t {
  kWord = 0,
  kPartOfSpeech = 1,
  kConcept = 2,
  kRelation = 3,
  kIli = 5,
  kNote = 6,
};
