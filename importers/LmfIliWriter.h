// The inter-lingual index records that WN-LMF lexicons add (store 98), and the identifiers they
// give to WordNet's records.
#pragma once

#include "LmfIliAssignment.h"
#include "RecordBuilder.h"

namespace importers {

// Adds the new ILI records (PART_OF_SPEECH, GLOSS, ADD_ON_ID, ILI_IDENTIFIER) after WordNet's,
// then gives each tagged WordNet record its ILI_IDENTIFIER. `database` is the open database of
// `builder` (an FxDatabase handle) inside its bulk transaction; WordNet's ILI records must be
// written. Throws BuildFailure when the store refuses a record.
void WriteLmfIli(RecordBuilder* builder, void* database, const LmfIliAssignment& assignment);

}  // namespace importers
