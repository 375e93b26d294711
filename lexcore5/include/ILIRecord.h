// One record of the inter-lingual index (store 98, container 32001): a meaning shared by all
// language wordnets, with its gloss, part of speech and offset in the source WordNet.
//
// Text results are new strings freed with SysFreeString, null when the field is absent. Getters
// never throw.
#pragma once

#include <cstdint>

#include "ArbRecord.h"
#include "LexcoreExport.h"
#include "SysString.h"

class Domain;
class TopConcept;
namespace lexicon {
class Factory;
}

class LEXCORE_API ILIRecord : public ArbRecord {
 public:
  ILIRecord(const ILIRecord& other) = default;
  ILIRecord& operator=(const ILIRecord& other) = default;
  using ArbRecord::operator=;

  void Destroy() { delete this; }

  std::int32_t GetRecordID() { return static_cast<std::int32_t>(GetID()); }
  BSTR GetGloss();
  // "?" for code 0 or a missing field, then "n", "v", "a", "b", "pn" for 1 to 5; null for 6 and
  // more.
  BSTR GetPartOfSpeech();
  // WORDNET_OFFSET; 0 when absent.
  std::int32_t GetWordNetOffset();
  // The first top concept (in record ID order) whose TARGET_ILI names this record: 1 with a new
  // top concept in *topConcept. 0 with *topConcept left as it was when none does or the store
  // refuses the query; a cursor that cannot start throws ArbError.
  int GetTopConcept(TopConcept** topConcept);
  // No domains are stored: always 0, and *domain is left as it was.
  int GetDomain(Domain** domain);

 protected:
  friend class lexicon::Factory;

  ILIRecord() = default;
  ~ILIRecord() override;
};
