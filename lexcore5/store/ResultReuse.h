// Complete results of cursors kept in the database's ReadCache, so that a cursor built again with
// the same criteria over the same sources is answered without planning, index reads or weighing
// candidates, and hands out its first records without looking each up. Results are kept only when
// every read that produced them happened in one read transaction in which the cache was current,
// and they are found only while the cache is current: so they are always what the file holds, and
// a write or another connection's commit drops them with everything else the cache holds. A cursor
// hands out a body that came with its results only while the read transaction they were found in
// is still the one held.
#pragma once

#include <cstdint>
#include <string>

#include "store/ReadCache.h"

namespace store {

struct Cursor;
struct CursorSource;
struct Database;

// Names everything the cursor's results depend on: criteria, sources, indexes and mode. Empty when
// its results cannot be kept: no source, or sources in more than one database. *home is the
// database that keeps them.
std::string CursorResultsKey(const Cursor& cursor, Database** home);
// The same into *key, whose memory is reused: a key is built for every cursor.
void WriteCursorResultsKey(const Cursor& cursor, Database** home, std::string* key);

// The read transaction in which the results of a cursor starting now may be kept (0: none, as
// when no read transaction is held or the cache is not current).
std::uint64_t ReusableTransaction(Database* db);

// Whether `db` holds the results named `key`, into *results. *transaction is set as
// ReusableTransaction gives it, found or not: in one step, as every cursor asks both. With the
// cursor's `sources`, the bodies of the results found are readied for reading (see
// ReadCache::PrefetchBodies).
bool FindCursorResults(Database* db, const std::string& key, CursorResults* results,
                       std::uint64_t* transaction, const CursorSource* sources = nullptr);

// Keeps `results` when `transaction` is still the current one: nothing can have changed the file
// since the cursor started. The bodies of the first results, records of the `yielding` source,
// are kept with them (see ReadCache::KeepResults).
void KeepCursorResults(Database* db, std::uint64_t transaction, const std::string& key,
                       const CursorResults& results, const CursorSource& yielding);

}  // namespace store
