// The line of one concept: it shows the concept's variants (its own text stays empty), owns the
// concept, and has the concept's ILI lines attached below it. Its children are relation lines.
#pragma once

#include "Concept.h"
#include "lexicon/Factory.h"
#include "tree/TreeItem.h"

class ConceptItem : public TreeItem {
 public:
  // Takes the concept over (null is allowed: a line that lost its concept). The current variant
  // is 1. No variant is read yet: see LoadVariants.
  explicit ConceptItem(lexicon::Owned<Concept> meaning);

  // Owned by the line; null when it has none.
  Concept* GetConcept() const { return concept_.get(); }
  // Takes a fresh copy of the concept over, destroying the one held (a refresh).
  void ReplaceConcept(lexicon::Owned<Concept> meaning) { concept_ = std::move(meaning); }

  // Replaces the variant lines by one per variant of the concept, in the library's order. The
  // current variant goes back to 1 when it names a variant no longer there. What the library
  // throws passes through, with the variant lines read before it kept.
  void LoadVariants();

  // Hands the line to LineExpander::ExpandConcept.
  int Expand(LineExpander& expander) override;

 private:
  lexicon::Owned<Concept> concept_;
};
