// Reads WordNet's sense numbers from the index files (index.noun, ...): a lemma's sense number in a
// part of speech is the position of the synset in that lemma's index line.
#pragma once

#include "Diagnostics.h"
#include "WordNetModel.h"

namespace importers {

// Sets WordNetWord::sense for the words that index.<file> lists. A missing index file stops the
// build (BuildFailure). A line that cannot be read, or an entry naming an offset without a synset
// or a synset without that lemma, is skipped with a warning.
void ReadIndexFile(PosFile file, WordNet* wordnet, Diagnostics* diagnostics);

// Gives every word that no index line numbered the next free sense number of its lemma, with a
// warning naming its data file and line, so that every variant has a sense.
void NumberUnindexedWords(WordNet* wordnet, Diagnostics* diagnostics);

}  // namespace importers
