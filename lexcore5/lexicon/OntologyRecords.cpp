#include "OntologyRecords.h"

OntologyRecords::OntologyRecords(void* database, std::uint16_t container, std::uint32_t store)
    : ArbCursor(database, container, store) {}

OntologyRecords::~OntologyRecords() = default;
