#include "ConceptLinks.h"

ConceptLinks::ConceptLinks(void* database, std::uint16_t container, std::uint32_t store)
    : Collection<ConceptLink>(database, container, store) {}

ConceptLinks::~ConceptLinks() = default;
