// A language wordnet from one WN-LMF lexicon: a concept per synset (in file order), internal links
// from the synset and sense relations that have a counterpart (synset relations first, then those
// of the member senses in member order), an eq_synonym link from each concept to its ILI record,
// and a variant per sense, in member order, with the synset's definition and examples, the
// sense's own examples, sense key, count, verb frames and adjective position.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "DatabaseBuilder.h"
#include "LmfLexicon.h"
#include "RecordBuilder.h"

namespace importers {

// `iliRecords` gives the ILI record of each synset (LmfIliLinks::records); `code` names the
// language in progress messages. Returns the number of internal links written.
std::uint32_t WriteLmfWordNet(RecordBuilder* builder, std::uint32_t store, const std::string& code,
                              const LmfLexicon& lexicon,
                              const std::vector<std::uint32_t>& iliRecords,
                              const Progress& progress);

}  // namespace importers
