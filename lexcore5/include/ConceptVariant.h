// One variant of a concept: a copy of a variant record (container 32001 of a language store), the
// word form (literal and sense number) with its definition, examples, usage labels and features.
//
// Ownership: objects returned are new, owned by the caller and released with Destroy(); text
// results are new strings freed with SysFreeString, null when the field is absent. Getters of a
// single field never throw.
#pragma once

#include <cstdint>

#include "ArbRecord.h"
#include "LexcoreExport.h"
#include "SysString.h"

class Concept;
class Examples;
class UsageLabel;
class VariantFeature;
namespace lexicon {
class Factory;
}

class LEXCORE_API ConceptVariant : public ArbRecord {
 public:
  ConceptVariant(const ConceptVariant& other) = default;
  ConceptVariant& operator=(const ConceptVariant& other) = default;
  // Copies any record into this object.
  using ArbRecord::operator=;

  void Destroy() { delete this; }

  BSTR GetLiteral();
  // SENSE; 0 when absent.
  std::int16_t GetSense();
  BSTR GetDefinition();
  BSTR GetStatus();
  // The first PART_OF_SPEECH of the record in tree order (the one kept with the concept pointer);
  // 0 when absent.
  std::uint16_t GetPartOfSpeechCode();
  // Its short name as Concept::GetPartOfSpeech gives it; null for codes of 6 and more.
  BSTR GetPartOfSpeech();

  // The record ID of the variant's concept. A variant whose CONCEPT field is missing or holds no
  // record ID throws PLXException (kind ARBOR, BAD_DRN).
  std::int32_t GetBaseConceptID();
  // The variant's concept, read from the concept container of the variant's store. Throws as
  // GetBaseConceptID, and PLXException (kind ARBOR, the read's code: NOT_FOUND for a concept that
  // is not there) when the concept cannot be read.
  Concept* GetBaseConcept();
  // A copy of the variant's examples, empty when it has none; null only when memory runs out.
  Examples* GetExamples();

  // One line per feature or usage label, each ended by "\r\n": the definition's name, and its
  // value where the definition takes one; a line that cannot be built names the fault
  // ("Error! ..."). Null when the variant has no features or usage labels.
  BSTR GetFeatures();
  BSTR GetUsageLabels();

 protected:
  friend class lexicon::Factory;

  ConceptVariant() = default;
  ~ConceptVariant() override;

 private:
  // The definition with that ID: shared (store 96) for IDs of 1 or more, else local to the
  // variant's store. Null when there is none or the variant has no database.
  UsageLabel* GetUsageLabel(std::int32_t id);
  VariantFeature* GetVariantFeature(std::int32_t id);
};
