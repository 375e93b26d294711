#include "TopConcept.h"

#include "ArbCodes.h"
#include "ArbCursor.h"
#include "ArbTreeWalker.h"
#include "LexicalSchema.h"
#include "LinkedTopConcepts.h"
#include "PLXException.h"
#include "TopConceptVariant.h"
#include "TopConceptVariants.h"
#include "lexicon/AssignText.h"
#include "lexicon/CurrentFieldGuard.h"
#include "lexicon/Factory.h"
#include "lexicon/RecordPointer.h"
#include "lexicon/SourceUnit.h"
#include "lexicon/TopConceptVariantQuery.h"

using lexicon::Factory;
using lexicon::kTopConceptSource;
using lexicon::Owned;

namespace {

// The places the variant operations name in their exceptions. They are fixed numbers rather than
// __LINE__ so that the message texts, which callers may match, survive edits of this file.
constexpr int kVariantsOutOfMemoryLine = 151;
constexpr int kVariantsRefusedLine = 165;
constexpr int kNumberedVariantRefusedLine = 183;
constexpr int kVariantCountRefusedLine = 226;

}  // namespace

TopConcept::~TopConcept() = default;

BSTR TopConcept::GetGloss() {
  return FindGetBSTR(schema::GLOSS);
}

void TopConcept::PutGloss(const char* gloss) {
  lexicon::AssignText(*this, schema::GLOSS, gloss, kFirst);
}

int TopConcept::GetSuper(TopConcept** super) {
  if (super == nullptr) return 0;
  *super = nullptr;
  std::uint32_t target = 0;
  {
    const lexicon::CurrentFieldGuard keep(*this);
    if (FindField(schema::ONTOLOGY_LINKS) == 0) return 0;
    target = FindGetRecPtr(schema::SUPER, 1, eFromCurrent);
  }
  if (!lexicon::IsRecordPointer(target) || GetDatabase() == nullptr) return 0;
  Owned<TopConcept> found(Factory::New<TopConcept>());
  if (!found ||
      found->Retrieve(GetDatabase(), schema::kIliStore, schema::kTopConcepts, target) == 0) {
    return 0;
  }
  *super = found.release();
  return 1;
}

int TopConcept::GetSubs(LinkedTopConcepts** topConcepts) {
  return GetLinkedTopConcepts(schema::SUB, topConcepts);
}

int TopConcept::GetSimilars(LinkedTopConcepts** topConcepts) {
  return GetLinkedTopConcepts(schema::SIMILAR, topConcepts);
}

int TopConcept::GetOpposites(LinkedTopConcepts** topConcepts) {
  return GetLinkedTopConcepts(schema::OPPOSITE, topConcepts);
}

int TopConcept::GetLinkedTopConcepts(std::uint16_t relation, LinkedTopConcepts** topConcepts) {
  if (topConcepts == nullptr) return 0;
  *topConcepts = nullptr;
  const lexicon::CurrentFieldGuard keep(*this);
  if (FindField(schema::ONTOLOGY_LINKS) == 0) return 0;
  node* const links = GetCurrentField();
  const int count = GetFieldCount(relation, eFromCurrent);
  if (count == 0 || GetDatabase() == nullptr) return 0;
  Owned<LinkedTopConcepts> targets(Factory::New<LinkedTopConcepts>(GetDatabase(), count));
  if (!targets) return 0;
  // One walk over the group collects the pointers in field order.
  int position = 0;
  ArbTreeWalker walk(links);
  do {
    node* const field = walk.Current();
    if (field->tag != relation) continue;
    SetCurrentField(field);
    const std::uint32_t target = FindGetRecPtr(relation, 1, eFromCurrent);
    // A pointer that names no record would leave a hole that every walk stumbles over.
    if (!lexicon::IsRecordPointer(target)) return 0;
    targets->SetRecPtr(++position, target);
  } while (walk.GoNext() != 0);
  *topConcepts = targets.release();
  return 1;
}

void TopConcept::SelectVariants(ArbCursor& cursor, int line) {
  lexicon::CriteriaBuilder criteria = lexicon::SelectTopConceptVariants(cursor, GetID());
  if (criteria.Validate()) return;
  SetLastError(criteria.Failure());
  throw PLXException(criteria.Failure(), kTopConceptSource, line);
}

TopConceptVariants* TopConcept::GetTopConceptVariants(std::uint32_t store) {
  Owned<TopConceptVariants> variants(
      Factory::New<TopConceptVariants>(GetDatabase(), schema::kDefaultContainer, store));
  if (!variants) throw PLXException(ePLXOutOfMemory, kTopConceptSource, kVariantsOutOfMemoryLine);
  SelectVariants(*variants, kVariantsRefusedLine);
  return variants.release();
}

TopConceptVariant* TopConcept::GetTopConceptVariant(std::uint32_t store, std::int16_t number) {
  ArbCursor cursor(GetDatabase(), schema::kDefaultContainer, store);
  SelectVariants(cursor, kNumberedVariantRefusedLine);
  if (number < 1) throw PLXException(ePLXInvalidVariantNumber);
  for (int position = 1;; ++position) {
    if ((position == 1 ? cursor.GoFirst() : cursor.GoNext()) == 0) {
      // Running out of variants is the caller's wrong number; any other failure is the store's.
      if (cursor.GetErrorCode() == arbcode::EOF_HIT) throw PLXException(ePLXInvalidVariantNumber);
      throw PLXException(cursor.GetErrorCode(), kTopConceptSource, 0);
    }
    if (position == number) break;
  }
  Owned<TopConceptVariant> variant(Factory::New<TopConceptVariant>());
  if (!variant) throw PLXException(ePLXOutOfMemory, kTopConceptSource, 0);
  if (cursor.ReadCurrent(*variant) == 0) {
    throw PLXException(cursor.GetErrorCode(), kTopConceptSource, 0);
  }
  return variant.release();
}

std::int16_t TopConcept::GetTopConceptVariantCount(std::uint32_t store) {
  ArbCursor cursor(GetDatabase(), schema::kDefaultContainer, store);
  SelectVariants(cursor, kVariantCountRefusedLine);
  return static_cast<std::int16_t>(cursor.GetRecCount());
}
