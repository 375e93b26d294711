// What cursors read from a database besides whole records: pages of index keys and of record IDs,
// copies of index definitions and the locale of a store. Every function locks the database for its
// own duration only, so a cursor holds nothing between two reads.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "store/IndexDefinition.h"

namespace store {

struct Database;

// Up to `limit` index entry keys k with from <= k < to, in key order (`to` empty: no upper bound).
std::uint32_t ReadIndexKeys(Database* db, std::string_view from, std::string_view to,
                            std::size_t limit, std::vector<std::string>* keys);

// Up to `limit` record IDs of (store, container) above `afterId`, in ID order.
std::uint32_t ReadRecordIds(Database* db, std::uint32_t store, std::uint16_t container,
                            std::uint32_t afterId, std::size_t limit,
                            std::vector<std::uint32_t>* ids);

// Up to `limit` records of (store, container) above `afterId`, in ID order, as stored bodies.
struct StoredRecord {
  std::uint32_t id;
  std::string body;
};
std::uint32_t ReadRecordPage(Database* db, std::uint32_t store, std::uint16_t container,
                             std::uint32_t afterId, std::size_t limit,
                             std::vector<StoredRecord>* records);

// A copy of index `number` of `store`; BAD_IX when there is none.
std::uint32_t FindIndexDefinition(Database* db, std::uint32_t store, std::uint16_t number,
                                  IndexDefinition* out);
// Copies of the indexes over (store, container).
std::uint32_t IndexDefinitionsOver(Database* db, std::uint32_t store, std::uint16_t container,
                                   std::vector<IndexDefinition>* out);
// The locale of a store's text keys (empty for the root collation).
std::uint32_t StoreLocale(Database* db, std::uint32_t store, std::string* locale);

}  // namespace store
