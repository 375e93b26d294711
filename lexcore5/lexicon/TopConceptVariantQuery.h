// The one query for "the words naming top concept X in language store S", shared by the top
// concept and the language wordnet so that both list the same variants in the same order. Each
// caller validates and reports a refusal in its own way.
#pragma once

#include <cstdint>

#include "ArbCursor.h"
#include "lexicon/CriteriaBuilder.h"

namespace lexicon {

// Orders `cursor` (over container 32001 of a language store) by the top concept variant index and
// appends the criterion TOP_CONCEPT_VARIANT/TOP_CONCEPT == topConceptId. Returns the builder
// holding the criterion, not yet validated. Setting the index throws ArbError on failure.
CriteriaBuilder SelectTopConceptVariants(ArbCursor& cursor, std::uint32_t topConceptId);

}  // namespace lexicon
