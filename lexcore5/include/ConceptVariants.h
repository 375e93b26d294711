// A collection of variants (the collection protocol of Collection.h), as Concept::
// GetConceptVariants makes it: one concept's variants in the order of the variant-concept index.
#pragma once

#include <cstdint>

#include "Collection.h"
#include "ConceptVariant.h"
#include "LexcoreExport.h"
#include "Variant.h"

namespace lexicon {
class Factory;
}

class LEXCORE_API ConceptVariants : public Collection<ConceptVariant> {
 public:
  ConceptVariants(const ConceptVariants& other) = default;
  ConceptVariants& operator=(const ConceptVariants& other) = default;

  // Placeholders of the interface: variants are not added or removed through a collection, nor
  // reached by position here (Concept::GetConceptVariant does that). Add stores nothing and
  // returns null, Remove does nothing, GetItem returns null.
  ConceptVariant* Add(const char* literal, std::int16_t sense);
  void Remove(const VARIANT& index);
  ConceptVariant* GetItem(const VARIANT& index);

 protected:
  friend class lexicon::Factory;

  ConceptVariants() = default;
  ConceptVariants(void* database, std::uint16_t container, std::uint32_t store);
  ~ConceptVariants() override;
};
