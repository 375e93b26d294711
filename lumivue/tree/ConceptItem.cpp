#include "tree/ConceptItem.h"

#include <utility>

#include "ConceptVariants.h"
#include "tree/LineExpander.h"

ConceptItem::ConceptItem(lexicon::Owned<Concept> meaning)
    : TreeItem(LineKind::kConcept, std::string(), 2, line_flag::kVisible, 1),
      concept_(std::move(meaning)) {}

void ConceptItem::LoadVariants() {
  ClearVariants();
  if (concept_) {
    const lexicon::Owned<ConceptVariants> variants(concept_->GetConceptVariants());
    ConceptVariant* variant = nullptr;
    while (variants->GetNext(&variant) != 0) {
      AddVariant(VariantLine(lexicon::Owned<ConceptVariant>(variant)));
    }
  }
  if (CurrentVariant() > VariantCount()) SetCurrentVariant(1);
}

int ConceptItem::Expand(LineExpander& expander) {
  return expander.ExpandConcept(*this);
}
