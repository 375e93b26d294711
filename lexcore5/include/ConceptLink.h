// One internal link of a language wordnet: a copy of a link record (container 202 of a language
// store) that runs from the concept named by SOURCE_CONCEPT to the one named by TARGET_CONCEPT,
// with its relation and attributes. A variant-to-variant link also names a source and a target
// variant (VARIANT under SOURCE_CONCEPT and TARGET_CONCEPT).
//
// Ownership: objects returned are new, owned by the caller and released with Destroy().
#pragma once

#include <cstdint>

#include "ArbRecord.h"
#include "LexcoreExport.h"

class Concept;
class ConceptVariant;
namespace lexicon {
class Factory;
}

class LEXCORE_API ConceptLink : public ArbRecord {
 public:
  ConceptLink(const ConceptLink& other) = default;
  ConceptLink& operator=(const ConceptLink& other) = default;
  using ArbRecord::operator=;

  void Destroy() { delete this; }

  std::int32_t GetRecordID() { return static_cast<std::int32_t>(GetID()); }
  // RELATION: the relation's ID (a record ID of the relation definitions).
  std::int16_t GetRelation();
  // The concept pointers: 0 when the field is absent, -1 (all bits set) when it holds no record ID
  // (a target described in place).
  std::int32_t GetSourceConceptID();
  std::int32_t GetTargetConceptID();
  // The concept a pointer names, read from the concept container of the link's store. Throws
  // PLXException of kind ARBOR: BAD_DRN when the field is absent, else the read's code when the
  // concept cannot be read (a target described in place included).
  Concept* GetSourceConcept();
  Concept* GetTargetConcept();
  // The variant that a variant-to-variant link names at either end, read from the variant
  // container of the link's store; null when the link names none. Throws PLXException of kind
  // ARBOR: BAD_DRN when the VARIANT field holds no record ID, else the read's code.
  ConceptVariant* GetSourceVariant();
  ConceptVariant* GetTargetVariant();
  // CONJUNCTIVE and DISJUNCTIVE; 0 when absent.
  std::int16_t GetConjunctive();
  std::int16_t GetDisjunctive();
  // 1 when FACTIVE is present, else 2 when NON_FACTIVE is, else 0.
  std::int16_t GetFactivity();
  // 1 when NEGATIVE (REVERSED) is present, else 0.
  int GetNegative();
  int GetReversed();

 protected:
  friend class lexicon::Factory;

  ConceptLink() = default;
  ~ConceptLink() override;

  // The shared work of the getters above, for SOURCE_CONCEPT or TARGET_CONCEPT.
  Concept* RetrieveConcept(std::uint16_t tag);
  ConceptVariant* RetrieveVariant(std::uint16_t tag);
};
