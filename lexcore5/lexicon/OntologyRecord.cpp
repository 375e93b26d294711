#include "OntologyRecord.h"

#include "LexicalSchema.h"
#include "lexicon/AssignText.h"

OntologyRecord::OntologyRecord(std::uint16_t recordType, int flag)
    : ArbRecord(recordType), flag_(flag) {}

OntologyRecord::~OntologyRecord() = default;

int OntologyRecord::GetGloss(BSTR* gloss) {
  if (gloss == nullptr || GetFieldCount(schema::GLOSS) == 0) return 0;
  *gloss = FindGetBSTR(schema::GLOSS);
  return *gloss != nullptr ? 1 : 0;
}

int OntologyRecord::PutGloss(const char* gloss) {
  return lexicon::AssignText(*this, schema::GLOSS, gloss, kLast);
}

int OntologyRecord::Link(eOntologyRelation relation, std::uint32_t /*target*/) {
  if (relation == eOntologyFlaggedRelation && flag_ == 0) return 0;
  if (GetFieldCount(schema::ONTOLOGY_LINKS) != 0) return 0;
  AddField(schema::ONTOLOGY_LINKS, kLast, eFromRoot, eGraftChild);
  return 0;
}
