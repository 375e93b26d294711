// Index entry keys. Every entry of every index is one key in one ordered table; keys compare
// bytewise (shorter first when one is a prefix of the other), and that order is the index order:
//
//   store (16-bit big-endian) | index number (16-bit big-endian)
//   | per component: 0x00 when the record lacks it, or 0x01 followed by the value key
//   | record ID (32-bit big-endian)
//
// Value keys: text = the collation sort key of the store's locale, zero terminator included (so a
// key never runs into the next component); number = the 32-bit value big-endian with its sign bit
// flipped; record pointer = the 32-bit record ID big-endian. All entries of one index therefore
// share the 4-byte prefix, and a range of values is a range of keys.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "Node.h"
#include "store/Collation.h"
#include "store/IndexDefinition.h"

namespace store {

constexpr char kComponentAbsent = 0x00;
constexpr char kComponentPresent = 0x01;
constexpr std::size_t kIndexPrefixSize = 4;
// Repeated fields multiply (one entry per combination of occurrences); beyond this many entries for
// one record the change is refused.
constexpr std::size_t kMaxEntriesPerRecord = 65536;

void AppendIndexPrefix(std::uint32_t store, std::uint16_t number, std::string* key);
void AppendNumberKey(std::int32_t value, std::string* key);
// Also the record ID that ends every key.
void AppendPointerKey(std::uint32_t recordId, std::string* key);
// The record ID at the end of a complete key (0 for a key too short to hold one).
std::uint32_t RecordIdOfKey(std::string_view key);
// The smallest key greater than every key that starts with `prefix` (empty when there is none,
// i.e. the prefix is all 0xFF bytes): the exclusive upper bound of a prefix scan.
std::string PrefixEnd(std::string_view prefix);

// The keys that the record `root`, stored under `recordId`, gives in the index `definition`,
// sorted and without duplicates; none when the first component is missing. A field that is present
// but valueless counts as missing. A value that cannot be read as its key type fails with the
// conversion code (CONV_BAD_SRC_TYPE, CONV_NUM_OVERFLOW, ...); more than kMaxEntriesPerRecord
// entries fail with IX_FAILURE; MEM when the collator runs out of memory.
std::uint32_t BuildIndexKeys(const IndexDefinition& definition, const Collator& collator,
                             const node* root, std::uint32_t recordId,
                             std::vector<std::string>* keys);

}  // namespace store
