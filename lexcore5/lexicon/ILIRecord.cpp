#include "ILIRecord.h"

#include "ArbCursor.h"
#include "LexicalSchema.h"
#include "TopConcept.h"
#include "lexicon/CriteriaBuilder.h"
#include "lexicon/Factory.h"
#include "lexicon/PartOfSpeechName.h"

ILIRecord::~ILIRecord() = default;

BSTR ILIRecord::GetGloss() {
  return FindGetBSTR(schema::GLOSS);
}

BSTR ILIRecord::GetPartOfSpeech() {
  return lexicon::NewPartOfSpeechName(FindGetWUWORD(schema::PART_OF_SPEECH));
}

std::int32_t ILIRecord::GetWordNetOffset() {
  return FindGetWSDWORD(schema::WORDNET_OFFSET);
}

int ILIRecord::GetTopConcept(TopConcept** topConcept) {
  // A record that was never stored is listed by no top concept.
  if (topConcept == nullptr || GetDatabase() == nullptr || GetID() == 0) return 0;
  ArbCursor cursor(GetDatabase(), schema::kTopConcepts, schema::kIliStore);
  lexicon::CriteriaBuilder criteria(cursor);
  // Compared unsigned, as record IDs are: a signed value would miss IDs of 2^31 and more.
  if (!criteria.Equals(schema::TARGET_ILI, GetID()).Validate()) return 0;
  lexicon::Owned<TopConcept> found(lexicon::Factory::New<TopConcept>());
  if (!found || cursor.ReadFirst(*found) == 0) return 0;
  *topConcept = found.release();
  return 1;
}

int ILIRecord::GetDomain(Domain** /*domain*/) {
  return 0;
}
