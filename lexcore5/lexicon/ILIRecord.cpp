#include "ILIRecord.h"

#include "LexicalSchema.h"
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

int ILIRecord::GetTopConcept(TopConcept** /*topConcept*/) {
  return 0;
}

int ILIRecord::GetDomain(Domain** /*domain*/) {
  return 0;
}
