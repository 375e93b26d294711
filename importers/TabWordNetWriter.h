// A language wordnet from a tab file: a concept per translated synset (in ILI order), a variant per
// lemma, the synset-level relations of WordNet between synsets that the language has, and an
// eq_synonym link from each concept to its ILI record.
#pragma once

#include <cstdint>
#include <string>

#include "DatabaseBuilder.h"
#include "RecordBuilder.h"
#include "SynsetLinks.h"
#include "TabWordNet.h"
#include "WordNetModel.h"

namespace importers {

// Senses must be numbered (NumberTabSenses); `code` names the language in progress messages.
// Returns the number of internal links written.
std::uint32_t WriteTabWordNet(RecordBuilder* builder, std::uint32_t store, const std::string& code,
                              const TabWordNet& tab, const WordNet& wordnet,
                              const SynsetLinks& links, const Progress& progress);

}  // namespace importers
