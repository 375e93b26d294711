// The records of one language wordnet (store 100 to 199) as every importer writes them: concepts,
// the core of variants, internal links and equivalence links. Callers give every record ID
// themselves (IDs of a container run 1..N in writing order).
#pragma once

#include <cstdint>
#include <string_view>

#include "GlossSplitter.h"
#include "RecordBuilder.h"
#include "WordNetModel.h"

namespace importers {

// The concept's type and part of speech: synsets with an instance hypernym are word instances
// of part of speech 5 (proper noun); others word meanings of their file's part of speech.
std::uint16_t ConceptTypeOf(const WordNetSynset& synset);
std::uint16_t ConceptPartOfSpeechOf(const WordNetSynset& synset);

class LanguageStoreWriter {
 public:
  // `builder` must outlive this object.
  LanguageStoreWriter(RecordBuilder* builder, std::uint32_t store)
      : builder_(*builder), store_(store) {}

  std::uint32_t Store() const { return store_; }

  void Concept(std::uint32_t id, const WordNetSynset& synset);
  // Starts a variant record of the concept with its literal (underscores as blanks) and sense, and
  // the definition and examples of `gloss`. The caller may add fields under the returned root,
  // then calls AddVariant.
  node* StartVariant(std::uint32_t conceptId, const WordNetSynset& synset, std::string_view lemma,
                     std::uint16_t sense, const SplitGloss& gloss);
  void AddVariant(std::uint32_t id);
  // A link of `relation` from concept `source` to concept `target`; with variant IDs (not 0) a
  // variant-to-variant link.
  void Link(std::uint32_t id, std::int16_t relation, std::uint32_t source,
            std::uint32_t sourceVariant, std::uint32_t target, std::uint32_t targetVariant);
  // The eq_synonym link of concept `conceptId` to ILI record `iliId`.
  void EqSynonym(std::uint32_t id, std::uint32_t conceptId, std::uint32_t iliId);

 private:
  RecordBuilder& builder_;
  std::uint32_t store_;
};

}  // namespace importers
