// Keeping index entries in step with the records, always inside the caller's WriteScope.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "Node.h"
#include "store/IndexDefinition.h"

namespace store {

struct Database;

// The keys that `root`, stored as (store, container, recordId), gives in every index over that
// container, sorted. Codes as BuildIndexKeys; IX_FAILURE when no collator can be opened.
std::uint32_t KeysOfRecord(Database* db, std::uint32_t store, std::uint16_t container,
                           std::uint32_t recordId, const node* root,
                           std::vector<std::string>* keys);

std::uint32_t InsertEntries(Database* db, const std::vector<std::string>& keys);
std::uint32_t DeleteEntries(Database* db, const std::vector<std::string>& keys);
// Moves a record's entries from `before` to `after` (both sorted), touching only the difference.
std::uint32_t ReplaceEntries(Database* db, const std::vector<std::string>& before,
                             const std::vector<std::string>& after);

// Removes whatever entries a record has in the indexes of its container without knowing its
// stored content (when that content is damaged): a scan of those indexes.
std::uint32_t PurgeEntriesOfRecord(Database* db, std::uint32_t store, std::uint16_t container,
                                   std::uint32_t recordId);

// Drops the index's entries and makes them again from the records of its container. Records whose
// stored body is damaged are left out (they cannot be read either).
std::uint32_t RebuildIndex(Database* db, const IndexDefinition& definition);

}  // namespace store
