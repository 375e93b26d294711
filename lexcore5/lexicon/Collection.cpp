#include "Collection.h"

#include "ArbRecord.h"
#include "Concept.h"
#include "ConceptLink.h"
#include "ConceptVariant.h"
#include "EqLink.h"
#include "ILIRecord.h"
#include "ILIVariant.h"
#include "Relation.h"
#include "TopConcept.h"
#include "TopConceptVariant.h"
#include "lexicon/Factory.h"

template <typename Item>
Collection<Item>::Collection(void* database, std::uint16_t container, std::uint32_t store)
    : ArbCursor(database, container, store) {}

template <typename Item>
Collection<Item>::~Collection() = default;

template <typename Item>
int Collection<Item>::HandOut(int (ArbCursor::*read)(ArbRecord&), Item** item) {
  if (item == nullptr) return 0;
  // A read of a damaged file throws; the holder destroys the object on the way out.
  lexicon::Owned<Item> fresh(lexicon::Factory::New<Item>());
  if (fresh == nullptr || (this->*read)(*fresh) == 0) return 0;
  *item = fresh.release();
  return 1;
}

template <typename Item>
int Collection<Item>::GetFirst(Item** item) {
  return HandOut(&ArbCursor::ReadFirst, item);
}

template <typename Item>
int Collection<Item>::GetNext(Item** item) {
  return HandOut(&ArbCursor::ReadNext, item);
}

template <typename Item>
int Collection<Item>::GetPrevious(Item** item) {
  return HandOut(&ArbCursor::ReadPrevious, item);
}

template <typename Item>
int Collection<Item>::GetLast(Item** item) {
  return HandOut(&ArbCursor::ReadLast, item);
}

template <typename Item>
int Collection<Item>::GetCurrent(Item** item) {
  return HandOut(&ArbCursor::ReadCurrent, item);
}

template <typename Item>
std::int32_t Collection<Item>::GetCount() {
  return static_cast<std::int32_t>(GetRecCount());
}

template <typename Item>
void Collection<Item>::Destroy() {
  delete this;
}

template class Collection<Concept>;
template class Collection<ConceptVariant>;
template class Collection<ConceptLink>;
template class Collection<EqLink>;
template class Collection<Relation>;
template class Collection<ILIRecord>;
template class Collection<ILIVariant>;
template class Collection<TopConcept>;
template class Collection<TopConceptVariant>;
