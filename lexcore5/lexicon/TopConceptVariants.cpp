#include "TopConceptVariants.h"

TopConceptVariants::TopConceptVariants(void* database, std::uint16_t container, std::uint32_t store)
    : Collection<TopConceptVariant>(database, container, store) {}

TopConceptVariants::~TopConceptVariants() = default;
