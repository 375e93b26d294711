#include "ConceptLink.h"

#include "ArbCodes.h"
#include "Concept.h"
#include "ConceptVariant.h"
#include "LexicalSchema.h"
#include "PLXException.h"
#include "lexicon/CurrentFieldGuard.h"
#include "lexicon/Factory.h"
#include "lexicon/RecordPointer.h"

using lexicon::Factory;
using lexicon::Owned;

namespace {

// Reads record `recordId` of the link's database and store, container `container`, into a new T.
// A failed read throws its code as PLXException of kind ARBOR.
template <typename T>
T* ReadLinked(const ArbRecord& link, std::uint16_t container, std::uint32_t recordId) {
  Owned<T> record(Factory::New<T>());
  if (!record) throw PLXException(ePLXOutOfMemory);
  if (record->Retrieve(link.GetDatabase(), link.GetStore(), container, recordId) == 0) {
    throw PLXException(static_cast<std::uint32_t>(record->GetLastError()), nullptr, 0);
  }
  return record.release();
}

}  // namespace

ConceptLink::~ConceptLink() = default;

std::int16_t ConceptLink::GetRelation() {
  return FindGetWSWORD(schema::RELATION);
}

std::int32_t ConceptLink::GetSourceConceptID() {
  return static_cast<std::int32_t>(FindGetRecPtr(schema::SOURCE_CONCEPT));
}

std::int32_t ConceptLink::GetTargetConceptID() {
  return static_cast<std::int32_t>(FindGetRecPtr(schema::TARGET_CONCEPT));
}

Concept* ConceptLink::GetSourceConcept() {
  return RetrieveConcept(schema::SOURCE_CONCEPT);
}

Concept* ConceptLink::GetTargetConcept() {
  return RetrieveConcept(schema::TARGET_CONCEPT);
}

ConceptVariant* ConceptLink::GetSourceVariant() {
  return RetrieveVariant(schema::SOURCE_CONCEPT);
}

ConceptVariant* ConceptLink::GetTargetVariant() {
  return RetrieveVariant(schema::TARGET_CONCEPT);
}

std::int16_t ConceptLink::GetConjunctive() {
  return FindGetWSWORD(schema::CONJUNCTIVE);
}

std::int16_t ConceptLink::GetDisjunctive() {
  return FindGetWSWORD(schema::DISJUNCTIVE);
}

std::int16_t ConceptLink::GetFactivity() {
  if (GetFieldCount(schema::FACTIVE) != 0) return 1;
  if (GetFieldCount(schema::NON_FACTIVE) != 0) return 2;
  return 0;
}

int ConceptLink::GetNegative() {
  return GetFieldCount(schema::NEGATIVE) != 0 ? 1 : 0;
}

int ConceptLink::GetReversed() {
  return GetFieldCount(schema::REVERSED) != 0 ? 1 : 0;
}

Concept* ConceptLink::RetrieveConcept(std::uint16_t tag) {
  // A field without a record ID reads as all bits set; the read of that ID then fails with the
  // store's code, which tells it apart from a missing field.
  const std::uint32_t id = FindGetRecPtr(tag);
  if (id == 0) throw PLXException(arbcode::BAD_DRN, nullptr, 0);
  return ReadLinked<Concept>(*this, schema::kConcepts, id);
}

ConceptVariant* ConceptLink::RetrieveVariant(std::uint16_t tag) {
  std::uint32_t id = 0;
  {
    const lexicon::CurrentFieldGuard guard(*this);
    if (FindField(tag) == 0 || FindField(schema::VARIANT, 1, eFromChild, eInForest) == 0) {
      return nullptr;
    }
    id = FindGetRecPtr(schema::VARIANT, 1, eFromCurrent, eInTree);
  }
  if (!lexicon::IsRecordPointer(id)) throw PLXException(arbcode::BAD_DRN, nullptr, 0);
  return ReadLinked<ConceptVariant>(*this, schema::kDefaultContainer, id);
}
