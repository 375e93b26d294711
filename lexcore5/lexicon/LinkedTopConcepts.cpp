#include "LinkedTopConcepts.h"

#include <cstddef>

#include "LexicalSchema.h"
#include "TopConcept.h"
#include "lexicon/Factory.h"

LinkedTopConcepts::LinkedTopConcepts(void* database, int count)
    : ArbContext(database),
      targets_(count > 0 ? static_cast<std::size_t>(count) : std::size_t{0}, 0) {}

LinkedTopConcepts::~LinkedTopConcepts() = default;

void LinkedTopConcepts::Destroy() {
  delete this;
}

std::int16_t LinkedTopConcepts::GetCount() {
  return static_cast<std::int16_t>(targets_.size());
}

int LinkedTopConcepts::GetFirst(TopConcept** topConcept) {
  return Goto(1, topConcept);
}

int LinkedTopConcepts::GetNext(TopConcept** topConcept) {
  return Goto(position_ + 1, topConcept);
}

int LinkedTopConcepts::GetPrevious(TopConcept** topConcept) {
  return Goto(position_ - 1, topConcept);
}

int LinkedTopConcepts::GetLast(TopConcept** topConcept) {
  return Goto(static_cast<int>(targets_.size()), topConcept);
}

int LinkedTopConcepts::GetCurrent(TopConcept** topConcept) {
  return Goto(position_, topConcept);
}

void LinkedTopConcepts::SetRecPtr(int position, std::uint32_t recordId) {
  if (position < 1 || static_cast<std::size_t>(position) > targets_.size()) return;
  targets_[static_cast<std::size_t>(position) - 1] = recordId;
}

int LinkedTopConcepts::Goto(int position, TopConcept** topConcept) {
  if (topConcept == nullptr) return 0;
  *topConcept = nullptr;
  if (position < 1 || static_cast<std::size_t>(position) > targets_.size()) return 0;
  lexicon::Owned<TopConcept> target(lexicon::Factory::New<TopConcept>());
  if (!target || target->Retrieve(GetDatabase(), schema::kIliStore, schema::kTopConcepts,
                                  targets_[static_cast<std::size_t>(position) - 1]) == 0) {
    return 0;
  }
  *topConcept = target.release();
  position_ = position;
  return 1;
}
