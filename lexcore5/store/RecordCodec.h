// The stored form of a record tree. A body is a format byte, a CRC-32 of the rest, then every field
// in pre-order: level (8-bit), flags (low six bits the field type, 0x80 a record ID follows, 0x40
// the field has a value), tag (16-bit), value length (16-bit), the record ID when flagged (32-bit),
// the value bytes; numbers little-endian. The root's record ID and source are not stored: they are
// the record's address.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "Node.h"

namespace store {

// Replaces *body with the encoding of the tree that starts at `root` (which must be level 0) and
// runs to the end of its node list. GED_BAD_LEVEL / GED_SKIP_LEVEL for broken levels, INVALID_TAG
// for tag 0, BAD_FIELD_TYPE for an unknown type, GED_BAD_VALUE for a length without a value.
std::uint32_t EncodeRecord(const node* root, std::string* body);

// Rebuilds a tree in `pool` from a body; the root carries no record ID or source yet. Never trusts
// the body: BLOCK_CHECKSUM when the checksum disagrees, UNSUPPORTED_VERSION for an unknown format
// byte, DATA_ERROR for a body whose structure is broken, MEM when the pool has no memory. Nothing
// is written to *root on failure (the pool may hold a partial copy).
std::uint32_t DecodeRecord(std::string_view body, PoolMemoryManager* pool, node** root);

}  // namespace store
