// The English wordnet (store 100) from WordNet 3.0: a concept per synset, a variant per word with
// WordNet's sense number, sense key, corpus frequency, verb frames, adjective position and usage
// labels, the top concept variants, every pointer as an internal link, and an eq_synonym link from
// each concept to its ILI record.
#pragma once

#include <cstdint>

#include "DatabaseBuilder.h"
#include "RecordBuilder.h"
#include "SynsetLinks.h"
#include "UsageLabels.h"
#include "WordNetModel.h"

namespace importers {

// Concept IDs equal ILI record IDs (synset index + 1); variants are numbered in synset and word
// order, the top concept variants after them. Returns the number of internal links written.
std::uint32_t WriteEnglishWordNet(RecordBuilder* builder, std::uint32_t store,
                                  const WordNet& wordnet, const SynsetLinks& links,
                                  const UsageLabels& usage, const Progress& progress);

}  // namespace importers
