// One word naming a top concept in a language: a copy of a top concept variant record (root
// TOP_CONCEPT_VARIANT, container 32001 of a language store), whose TOP_CONCEPT points to the top
// concept it names.
//
// Text results are new strings freed with SysFreeString, null when the field is absent. Getters
// never throw.
#pragma once

#include <cstdint>

#include "ArbRecord.h"
#include "LexcoreExport.h"
#include "SysString.h"

namespace lexicon {
class Factory;
}

class LEXCORE_API TopConceptVariant : public ArbRecord {
 public:
  TopConceptVariant(const TopConceptVariant& other) = default;
  TopConceptVariant& operator=(const TopConceptVariant& other) = default;
  // Copies any record into this object.
  using ArbRecord::operator=;

  void Destroy() { delete this; }

  BSTR GetLiteral();
  // SENSE; 0 when absent.
  std::int16_t GetSense();
  BSTR GetStatus();

 protected:
  friend class lexicon::Factory;

  TopConceptVariant() = default;
  ~TopConceptVariant() override;
};
