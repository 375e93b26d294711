#include "ConceptIterator.h"

namespace pylex {

ConceptIterator::ConceptIterator(std::shared_ptr<LanguageView> language, Concepts* concepts)
    : language_(std::move(language)), concepts_(concepts) {}

std::shared_ptr<ConceptView> ConceptIterator::Next() {
  language_->WordNet();
  Concept* item = nullptr;
  if (!concepts_ || concepts_->GetNext(&item) == 0) return nullptr;
  return language_->Wrap(Owned<Concept>(item));
}

}  // namespace pylex
