// Turns the target offsets of pointers into synset indexes once every data file is read.
#pragma once

#include "Diagnostics.h"
#include "WordNetModel.h"

namespace importers {

// Resolves every pointer of `wordnet` (WordNetPointer::target becomes a synset index). A pointer
// to an offset where no synset starts, or to a word number the target does not have, is dropped
// with a warning naming the data file and line of its source synset, so that no link of the
// database points nowhere.
void ResolvePointers(WordNet* wordnet, Diagnostics* diagnostics);

}  // namespace importers
