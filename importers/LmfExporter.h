// One language wordnet as a WN-LMF 1.4 document that the LMF import reads back into an equal
// wordnet: the same variants (literal, sense number, definition, examples, sense key, counts, verb
// frames, adjective position), internal links and ILI links. The document streams out as it is
// written; only the snapshot of the language is held in memory.
//
// How the database maps onto WN-LMF:
//   - one LexicalEntry per literal and part of speech, a Sense per variant with its number in "n";
//   - one Synset per concept, its variants as "members" in record order; the first variant's
//     definition, and as Synset examples those every variant has (the rest stay with the Sense);
//   - variant-to-variant links as SenseRelations, concept links as SynsetRelations; relations
//     without a WN-LMF type as relType "other" with the relation's code in dc:type;
//   - the ILI: a synset linked to a WordNet meaning has the ID "<lexicon>-<offset>-<pos>"; the
//     ILI record's identifier goes into "ili"; a record added to the index without one becomes
//     ili="in" with its gloss as ILIDefinition.
#pragma once

#include <cstdint>
#include <ostream>
#include <string>

#include "LmfLanguageSnapshot.h"

namespace importers {

struct LmfExportReport {
  std::uint32_t entries = 0;
  std::uint32_t senses = 0;
  std::uint32_t synsets = 0;
  std::uint32_t relations = 0;
  SnapshotLosses losses;
  std::uint32_t unknownRelations = 0;  // links of relations outside 1 to 58, left out
  std::uint32_t narrowedLinks = 0;     // concept-to-variant links written to the target's synset
};

// Writes language store `store` of the open database `database` to `out`; `code` is the database's
// language code (the lexicon's language and ID come from it), `name` its label. Record store
// failures throw ArbError; a failing stream shows in its state.
LmfExportReport ExportLmfLanguage(void* database, std::uint32_t store, const std::string& code,
                                  const std::string& name, std::ostream& out);

}  // namespace importers
