// A record read in two steps, for cursors: the stored body first, so that it can be weighed against
// the criteria, then the tree handed out, made from that same body instead of a second read.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "Node.h"

namespace store {

struct Database;

// Replaces *body with the record's stored body, its checksum proven. Codes as Retrieve.
std::uint32_t ReadStoredBody(Database* db, std::uint32_t store, std::uint16_t container,
                             std::uint32_t recordId, std::string* body);

// Rebuilds the record from a body read with ReadStoredBody into `pool`, its root carrying ID and
// source as Retrieve gives them. Codes as DecodeRecord; the pool is left as it was on failure.
std::uint32_t DecodeStoredBody(std::string_view body, Database* db, std::uint32_t store,
                               std::uint16_t container, std::uint32_t recordId,
                               PoolMemoryManager* pool, node** root);

}  // namespace store
