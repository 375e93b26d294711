#include "ArbContext.h"

void ArbContext::SetSource(void* database, std::uint16_t container, std::uint32_t store) {
  database_ = database;
  container_ = container;
  store_ = store;
}

ArbContext::~ArbContext() = default;
