// The same look-up through Princeton's WordNet C library (Debian's wordnet-dev): index_lookup and
// read_synset for every part of speech, the synset's words and gloss, and its hypernyms' words.
#pragma once

#include <string>

#include "ViewerLookup.h"

namespace bench {

// False when the library cannot open its database files.
bool StartPrinceton();
void PrincetonLookup(const std::string& lemma, LookupCount& count);

}  // namespace bench
