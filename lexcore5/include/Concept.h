// One concept (word meaning, synset) of a language wordnet: a copy of a concept record (container
// 200 of a language store) and the ways from it to its variants, its internal links and the
// inter-lingual index.
//
// Ownership: every object returned or handed out through an out-parameter is new, owned by the
// caller and released with its Destroy(); every text result is a new string freed with
// SysFreeString (null: absent). Everything reached from a concept stays in the concept's store.
// Exceptions are PLXException by value; failures of the store while a collection's source,
// indexes or context sets are set up pass through as ArbError.
#pragma once

#include <cstdint>

#include "ArbRecord.h"
#include "LexcoreExport.h"
#include "SysString.h"

class ConceptLinks;
class ConceptVariant;
class ConceptVariants;
class Concepts;
class EqLinks;
class ILIRecord;
class ILIRecords;
namespace lexicon {
class Factory;
}

class LEXCORE_API Concept : public ArbRecord {
 public:
  Concept(const Concept& other) = default;
  Concept& operator=(const Concept& other) = default;
  // Copies any record into this object.
  using ArbRecord::operator=;

  void Destroy() { delete this; }

  // 0 for a record that was never stored.
  std::int32_t GetRecordID() { return static_cast<std::int32_t>(GetID()); }
  // CONCEPT_TYPE: 1 word meaning, any other value word instance; 0 when absent.
  std::int16_t GetType();
  // PART_OF_SPEECH (0 when absent).
  std::int16_t GetPartOfSpeechCode();
  // "?", "n", "v", "a", "b", "pn" for codes 0 to 5 as a new string; null for codes of 6 and more.
  BSTR GetPartOfSpeech();
  // Copies the same name with its NUL into `buffer` when `size` is greater than its length, else
  // stores an empty string (also for codes without a name); a null buffer or a size below 1 is left
  // alone. Returns the length of what `buffer` holds.
  std::int16_t GetPartOfSpeech(char* buffer, std::int16_t size);

  // A new collection of this concept's variants, in the order of the variant-concept index.
  ConceptVariants* GetConceptVariants();
  // The variant at 1-based position `number` in that order; ePLXInvalidVariantNumber when there is
  // none (any number below 1 included).
  ConceptVariant* GetConceptVariant(std::int16_t number);
  std::int16_t GetConceptVariantCount();

  // The internal links that start at this concept, of relation `relation` or, for 0, of all, in
  // the order of the link source index.
  ConceptLinks* GetConceptLinks(std::int16_t relation);
  // The target concepts of those links (each once).
  Concepts* GetLinkedConcepts(std::int16_t relation);
  Concepts* GetHyperonyms();
  Concepts* GetHyponyms();
  // The ILI records that this concept's equivalence links of `eqRelation` (0: all) point to: 1 with
  // a new collection in *records; 0 with null in *records when the concept has no such link.
  int GetILIRecords(std::int16_t eqRelation, ILIRecords** records);
  // The one ILI record linked to this concept as its equivalent synonym: 1 with a new record in
  // *record; 0 with null when there is none, or two or more.
  int GetEqSynonym(ILIRecord** record);
  // The equivalence relation that links this concept to ILI record `iliRecordID`; 0 when none.
  std::int16_t GetEqRelation(std::uint32_t iliRecordID);

  // Writes this concept as level-numbered text into `buffer` (`size` bytes, zero-terminated): the
  // concept line, its part of speech, then every field of its variants, internal links and
  // equivalence links, each section only when it has members. A part-of-speech code without a
  // short name (6 and more) is written as "?", the letter the full export uses for it. Fields that
  // the line tables do not know leave a "{Cannot convert tag T, level D}" marker.
  // Throws PLXException: ePLXBufferTooSmall when `size` is below 20 (nothing written) or when a
  // line does not fit (the buffer keeps the text of the lines written before); ePLXLayoutError
  // when PART_OF_SPEECH is 0 (after the first line). Errors of the collections pass through.
  // `reserved` is not used.
  void Export(char* buffer, int size, unsigned int reserved);

 protected:
  friend class lexicon::Factory;

  Concept() = default;
  ~Concept() override;

  // This concept's equivalence links of `eqRelation` (0: all), in concept index order.
  EqLinks* GetEqLinks(std::int16_t eqRelation);

 private:
  // Gives `cursor` (over this concept's variants container) the index and criteria that select
  // this concept's variants.
  void SelectVariants(ArbCursor& cursor);
};
