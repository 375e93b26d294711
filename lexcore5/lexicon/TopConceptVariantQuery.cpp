#include "lexicon/TopConceptVariantQuery.h"

#include "LexicalSchema.h"

namespace lexicon {

CriteriaBuilder SelectTopConceptVariants(ArbCursor& cursor, std::uint32_t topConceptId) {
  cursor.SetMasterIndex(schema::kTopConceptVariantIndex, 1);
  static const std::uint16_t kTopConcept[] = {schema::TOP_CONCEPT_VARIANT, schema::TOP_CONCEPT, 0};
  CriteriaBuilder criteria(cursor);
  criteria.Path(kTopConcept).Op(kEqual).Value(topConceptId);
  return criteria;
}

}  // namespace lexicon
