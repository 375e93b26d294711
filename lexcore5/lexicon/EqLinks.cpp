#include "EqLinks.h"

EqLinks::EqLinks(void* database, std::uint16_t container, std::uint32_t store)
    : Collection<EqLink>(database, container, store) {}

EqLinks::~EqLinks() = default;
