// The inter-lingual index that WordNet 3.0 gives: one ILI record per synset (store 98), the
// synsets' words as ILI variants (store 99), and the top concepts that classify the ILI records by
// lexicographer file.
#pragma once

#include "DatabaseBuilder.h"
#include "RecordBuilder.h"
#include "WordNetModel.h"

namespace importers {

// ILI record IDs are synset index + 1. Writes ILI records, ILI variants and the top concepts.
void WriteIli(RecordBuilder* builder, const WordNet& wordnet, const Progress& progress);

}  // namespace importers
