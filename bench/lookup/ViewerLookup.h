// The look-up the viewer makes for a word, through lexcore5: the word's meanings, each meaning's
// variants, its ILI records with their glosses, and its hyperonyms with their variants.
#pragma once

#include <cstddef>
#include <string>

#include "lexicon/Factory.h"

class LanguageWordNet;

namespace bench {

// What a look-up read, so that both sides of the comparison can be seen to do the same work.
struct LookupCount {
  std::size_t meanings = 0;
  std::size_t words = 0;
  std::size_t glosses = 0;
  std::size_t hyperonyms = 0;
};

void ViewerLookup(LanguageWordNet& language, const std::string& word, LookupCount& count);

}  // namespace bench
