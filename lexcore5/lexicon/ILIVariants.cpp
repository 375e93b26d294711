#include "ILIVariants.h"

ILIVariants::ILIVariants(void* database, std::uint16_t container, std::uint32_t store)
    : Collection<ILIVariant>(database, container, store) {}

ILIVariants::~ILIVariants() = default;
