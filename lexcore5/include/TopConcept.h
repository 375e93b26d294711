// One top concept of the ontology: a copy of a top concept record (store 98, container 310) with
// its gloss, the ILI records it classifies (TARGET_ILI) and, inside its ONTOLOGY_LINKS group, the
// pointers to its super concept and to its sub, similar and opposite concepts. Also the way to the
// words that name it in each language (top concept variants of a language store).
//
// Ownership: every object returned or handed out is new, owned by the caller and released with its
// Destroy(); text results are new strings freed with SysFreeString, null when the field is absent.
// Getters of a single field and the link operations never throw.
#pragma once

#include <cstdint>

#include "ArbRecord.h"
#include "LexcoreExport.h"
#include "SysString.h"

class ArbCursor;
class LinkedTopConcepts;
class TopConceptVariant;
class TopConceptVariants;
namespace lexicon {
class Factory;
}

class LEXCORE_API TopConcept : public ArbRecord {
 public:
  TopConcept(const TopConcept& other) = default;
  TopConcept& operator=(const TopConcept& other) = default;
  // Copies any record into this object.
  using ArbRecord::operator=;

  void Destroy() { delete this; }

  // 0 for a record that was never stored.
  std::int32_t GetRecordID() { return static_cast<std::int32_t>(GetID()); }
  BSTR GetGloss();
  // Sets the first GLOSS of the record in memory, adding one as the root's first child when there
  // is none; null or empty text removes it, and text the record refuses (not valid UTF-8) leaves
  // it as it was. The database is not written.
  void PutGloss(const char* gloss);

  // The super concept: 1 with a new top concept in *super. 0 with *super null when there is no
  // ONTOLOGY_LINKS group, no SUPER pointer in it (only the first counts), or the record cannot be
  // read.
  int GetSuper(TopConcept** super);
  // The targets of the SUB, SIMILAR or OPPOSITE pointers inside ONTOLOGY_LINKS, in field order: 1
  // with a new collection in *topConcepts. 0 with *topConcepts null when there is no group, no
  // such pointer, a pointer without a record ID, or no database. Targets are read only as the walk
  // reaches them (LinkedTopConcepts.h).
  int GetSubs(LinkedTopConcepts** topConcepts);
  int GetSimilars(LinkedTopConcepts** topConcepts);
  int GetOpposites(LinkedTopConcepts** topConcepts);

  // The words naming this top concept in language store `store`, in the order of the top concept
  // variant index. Throw PLXException with source unit TopConcept: ePLXOutOfMemory, or kind ARBOR
  // with the store's code (also kept as this record's last error) when the store refuses the
  // query; a cursor that cannot start throws ArbError.
  // A new collection of them.
  TopConceptVariants* GetTopConceptVariants(std::uint32_t store);
  // The one at 1-based position `number` as a new object; ePLXInvalidVariantNumber (no source unit)
  // when there is none, any number below 1 included.
  TopConceptVariant* GetTopConceptVariant(std::uint32_t store, std::int16_t number);
  // Their number, cut to 16 bits.
  std::int16_t GetTopConceptVariantCount(std::uint32_t store);

 protected:
  friend class lexicon::Factory;

  TopConcept() = default;
  ~TopConcept() override;

  // The walk behind GetSubs and its kin, for the pointers tagged `relation`.
  int GetLinkedTopConcepts(std::uint16_t relation, LinkedTopConcepts** topConcepts);

 private:
  // Gives `cursor` (over container 32001 of a language store) the order and criterion that select
  // this top concept's variants; refused criteria throw as the variant operations say, naming
  // `line`.
  void SelectVariants(ArbCursor& cursor, int line);
};
