// Reads one WordNet data file (data.noun, data.verb, data.adj, data.adv) into synsets.
#pragma once

#include "Diagnostics.h"
#include "WordNetModel.h"

namespace importers {

// Appends the synsets of `file` to wordnet->synsets in file order and sets its fileStart entries.
// Pointers keep their target offsets (see WordNetPointer); ResolvePointers turns them into indexes.
// A line that is not a well-formed synset stops the read with BuildFailure naming file and line:
// a bad or misplaced offset (every synset line starts at the byte position its offset names), a
// bad count, word, pointer or frame field, no gloss, text that is not UTF-8, a cut-off last line.
// Pointers with an unknown symbol or a word number beyond the synset, and frames out of range, are
// left out with a warning.
void ReadDataFile(PosFile file, WordNet* wordnet, Diagnostics* diagnostics);

}  // namespace importers
