#include "CursorTopConcepts.h"

#include "LexicalSchema.h"

CursorTopConcepts::CursorTopConcepts(void* database)
    : Collection<TopConcept>(database, schema::kTopConcepts, schema::kIliStore) {}

CursorTopConcepts::~CursorTopConcepts() = default;

void CursorTopConcepts::Destroy() {
  delete this;
}

std::int16_t CursorTopConcepts::GetCount() {
  return static_cast<std::int16_t>(GetRecCount());
}

int CursorTopConcepts::GetFirst(TopConcept** topConcept) {
  return Collection<TopConcept>::GetFirst(topConcept);
}

int CursorTopConcepts::GetNext(TopConcept** topConcept) {
  return Collection<TopConcept>::GetNext(topConcept);
}

int CursorTopConcepts::GetPrevious(TopConcept** topConcept) {
  return Collection<TopConcept>::GetPrevious(topConcept);
}

int CursorTopConcepts::GetLast(TopConcept** topConcept) {
  return Collection<TopConcept>::GetLast(topConcept);
}

int CursorTopConcepts::GetCurrent(TopConcept** topConcept) {
  return Collection<TopConcept>::GetCurrent(topConcept);
}
