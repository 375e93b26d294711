// The record store's cursors: a query over one source (database, store, container) and up to
// eight joined context sets, with criteria, a mode word, indexes and a position in the result set.
// Every function returns a store code (0 = success) unless a result is named. A cursor belongs to
// one thread at a time; the databases it reads lock themselves.
//
// Result sets. A cursor whose own source has a database yields that source's records that satisfy
// the criteria. A cursor without one (null database) yields the records of the context set whose
// record-ID field (32171) the criteria join to another set's field; the other sets only have to
// hold some record that satisfies the criteria with it. Results are distinct, ordered by the
// master index (or the index set for the yielding set), else by record ID. A master index also
// restricts the results to the records it holds.
//
// Reading forward produces results as it goes: a cursor that only walks forward never holds more
// than it has read. Reading backward, reading the last record and counting produce the rest.
#pragma once

#include <cstdint>

#include "Node.h"

namespace store {

struct Database;
struct Cursor;

// Value kinds of CursorAddValue.
constexpr std::uint16_t kValueInt16 = 1;
constexpr std::uint16_t kValueInt32 = 2;
constexpr std::uint16_t kValueUInt16 = 3;
constexpr std::uint16_t kValueUInt32 = 4;
constexpr std::uint16_t kValueAnsiText = 12;  // NUL-terminated UTF-8
constexpr std::uint16_t kValueWideText = 14;  // NUL-terminated UTF-16

// Mode word groups: bits 0-1 (1 wildcards off, 2 on), bits 2-3 (4 case-insensitive, 8 case-
// sensitive), bits 8-11 (kept, no effect on comparisons). A new cursor has kDefaultMode.
constexpr std::uint16_t kDefaultMode = 0x106;

// Configuration options.
constexpr std::uint16_t kConfigReset = 3;
constexpr std::uint16_t kConfigGetSetIndex = 4;
constexpr std::uint16_t kConfigSetSetIndex = 8;

// A null database is allowed: the cursor then reads its context sets only.
std::uint32_t CursorInit(Database* db, std::uint32_t store, std::uint16_t container, Cursor** out);
// Frees the cursor and sets *cursor to null. A null *cursor is BAD_HDL.
std::uint32_t CursorFree(Cursor** cursor);

// Criteria. Appending after the criteria were validated starts appending to them again (they are
// validated anew at the next Validate or read). contextSet 0 is the own source, 1 to 8 the sets.
std::uint32_t CursorAddField(Cursor* cursor, std::uint16_t tag, std::uint16_t contextSet);
// `path` from the root down, `depth` tags long; the operand is anchored at the root.
std::uint32_t CursorAddFieldPath(Cursor* cursor, const std::uint16_t* path, std::uint16_t depth,
                                 std::uint16_t contextSet);
std::uint32_t CursorAddOperator(Cursor* cursor, std::uint16_t code);
// BAD_FIELD_TYPE for an unknown kind, CONV_ILLEGAL for text that is not valid UTF-8/UTF-16.
std::uint32_t CursorAddValue(Cursor* cursor, std::uint16_t kind, const void* value);
// Compiles the criteria (codes: see CompileCriteria) and checks that every context set they name
// has a source (BAD_QUERY_SOURCE otherwise).
std::uint32_t CursorValidate(Cursor* cursor);

std::uint32_t CursorSetMode(Cursor* cursor, std::uint16_t mode);
std::uint32_t CursorGetMode(const Cursor* cursor, std::uint16_t* mode);
// kConfigSetSetIndex: index `value` for context set `set` (BAD_IX if the set's store has no such
// index over its container, unless value is 0). kConfigReset (both 0): clears the position.
std::uint32_t CursorSetConfig(Cursor* cursor, std::uint16_t option, std::uint16_t set,
                              std::uint16_t value);
// kConfigGetSetIndex: the index of context set `set`.
std::uint32_t CursorGetConfig(const Cursor* cursor, std::uint16_t option, std::uint16_t set,
                              std::uint16_t* value);
// The master index orders (and restricts) the results; 0 removes it. The option byte is kept for
// the caller; results do not depend on it.
std::uint32_t CursorSetMasterIndex(Cursor* cursor, std::uint16_t index, std::uint8_t option);
std::uint32_t CursorGetMasterIndex(const Cursor* cursor, std::uint16_t* index);
// Adds a source to context set 1 to 8 (BAD_QUERY_SOURCE for other sets).
std::uint32_t CursorAddContext(Cursor* cursor, std::uint16_t set, Database* db, std::uint32_t store,
                               std::uint16_t container);

// Moves and reads. BOF_HIT / EOF_HIT past either end (the position stays). Next on a cursor without
// a position gives the first result, Previous the last. Criteria appended but not validated are
// validated first. The record is retrieved into `pool`, its root carrying ID and source.
enum class CursorMove : std::uint8_t { kFirst, kNext, kPrevious, kLast, kCurrent };
std::uint32_t CursorRead(Cursor* cursor, CursorMove move, PoolMemoryManager* pool, node** root);
std::uint32_t CursorGo(Cursor* cursor, CursorMove move, std::uint32_t* recordId);
// NOT_FOUND when the cursor has no position.
std::uint32_t CursorCurrentId(const Cursor* cursor, std::uint32_t* recordId);
std::uint32_t CursorCount(Cursor* cursor, std::uint32_t* count);

}  // namespace store
