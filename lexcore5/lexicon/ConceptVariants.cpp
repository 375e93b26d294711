#include "ConceptVariants.h"

ConceptVariants::ConceptVariants(void* database, std::uint16_t container, std::uint32_t store)
    : Collection<ConceptVariant>(database, container, store) {}

ConceptVariants::~ConceptVariants() = default;

ConceptVariant* ConceptVariants::Add(const char* /*literal*/, std::int16_t /*sense*/) {
  return nullptr;
}

void ConceptVariants::Remove(const VARIANT& /*index*/) {}

ConceptVariant* ConceptVariants::GetItem(const VARIANT& /*index*/) {
  return nullptr;
}
