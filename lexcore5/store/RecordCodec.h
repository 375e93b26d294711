// The stored form of a record tree. A body is a format byte, a CRC-32, then every field in
// pre-order. The root's record ID and source are not stored: they are the record's address.
//
// Fixed format (1), written by the first files and still read: the CRC covers the fields; a field
// is level (8-bit), flags (low six bits the field type, 0x80 a record ID follows, 0x40 the field
// has a value), tag (16-bit), value length (16-bit), the record ID when flagged (32-bit), the value
// bytes; numbers little-endian.
//
// Compact format (3): the CRC covers the format byte too, so that a damaged format byte cannot
// turn one format into the other. A field is one byte (type in bits 0-2, 0x08 a value follows, 0x10
// a record ID follows, 0x20 the value is a 4-byte record pointer stored as a varint, level step in
// bits 6-7: 0 one deeper than the field before, 1 the same, 2 a level byte follows), the tag, the
// value length (for a value not packed), the packed pointer, the record ID, the value bytes; every
// integer but the level an unsigned LEB128 varint.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "Node.h"

namespace store {

enum class BodyFormat : std::uint8_t { kFixed = 1, kCompact = 3 };

// The format byte and the CRC-32 before the fields.
constexpr std::size_t kBodyHeaderSize = 5;

// Replaces *body with the encoding of the tree that starts at `root` (which must be level 0) and
// runs to the end of its node list. GED_BAD_LEVEL / GED_SKIP_LEVEL for broken levels, INVALID_TAG
// for tag 0, BAD_FIELD_TYPE for an unknown type, GED_BAD_VALUE for a length without a value.
std::uint32_t EncodeRecord(const node* root, std::string* body,
                           BodyFormat format = BodyFormat::kCompact);

// kProven: the body's checksum was already proven since it left the file (CheckBody, or a pack's
// own checksum), so that a record read again and again from a cache is not summed again and again.
// Its structure is still checked.
enum class BodyTrust { kVerify, kProven };

// Rebuilds a tree in `pool` from a body of either format; the root carries no record ID or source
// yet. Never trusts the body's structure: BLOCK_CHECKSUM when the checksum disagrees (unless
// proven), UNSUPPORTED_VERSION for an unknown format byte, DATA_ERROR for a body whose structure is
// broken, MEM when the pool has no memory. Nothing is written to *root on failure (the pool may
// hold a partial copy).
std::uint32_t DecodeRecord(std::string_view body, PoolMemoryManager* pool, node** root,
                           BodyTrust trust = BodyTrust::kVerify);

// What DecodeRecord says of the header and the checksum of `body`: SUCCESS, DATA_ERROR,
// UNSUPPORTED_VERSION or BLOCK_CHECKSUM.
std::uint32_t CheckBody(std::string_view body);

// Puts the checksum of a body right for its format byte (a body shorter than the header stays as
// it is): for tools that build bodies by hand.
void SealRecordBody(std::string* body);

}  // namespace store
