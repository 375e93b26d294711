// What cursors read from a database besides whole records: pages of index keys and of record IDs,
// and what the catalog says about their sources. Every function locks the database for its own
// duration only, so a cursor holds nothing between two reads.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "store/IndexDefinition.h"

namespace store {

struct Database;
class Collator;

// Up to `limit` index entries k with from <= k < to, in key order (`to` empty: no upper bound):
// the record ID of each is appended to *recordIds, and *lastKey becomes the last key read (it is
// left alone when there is none).
std::uint32_t ReadIndexEntries(Database* db, std::string_view from, std::string_view to,
                               std::size_t limit, std::vector<std::uint32_t>* recordIds,
                               std::string* lastKey);

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

// The container that index `number` of `store` covers; BAD_IX when there is no such index.
std::uint32_t FindIndexContainer(Database* db, std::uint32_t store, std::uint16_t number,
                                 std::uint16_t* container);

// What a cursor plans its search of (store, container) with: every index over it, in index number
// order, and the collator of the store's locale (null only when ICU cannot open any). Both stay
// valid for as long as they are held, whatever happens to the catalog meanwhile.
struct SourceCatalog {
  std::shared_ptr<const std::vector<IndexDefinition>> indexes;
  std::shared_ptr<const Collator> collator;
};
std::uint32_t CatalogOfSource(Database* db, std::uint32_t store, std::uint16_t container,
                              SourceCatalog* out);

}  // namespace store
