// Finding a shared definition (store 96) by its ID when the container has no index by that ID.
#pragma once

#include <cstdint>

#include "ArbRecord.h"

namespace lexicon {

// Reads into `definition` the first record of container `container` of store 96 whose first
// `idTag` field reads as unsigned 16-bit `id`: 1 when found, 0 when no record matches or the store
// fails on the way (`definition` then holds whatever was read last).
int FindSharedDefinition(void* database, std::uint16_t container, std::uint16_t idTag,
                         std::uint16_t id, ArbRecord& definition);

}  // namespace lexicon
