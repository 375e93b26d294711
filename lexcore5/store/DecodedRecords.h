// Trees of records a session's cursors handed out recently, kept with the stored body each was
// decoded from, so that handing the same record out again costs two copies instead of a checksum
// and a parse. An entry serves only the very body it was made from: no write, commit or rollback
// can make it wrong, so it never needs emptying for correctness. Bounded by bytes in two
// generations, as ReadCache.
#pragma once

#include <cstddef>
#include <cstdint>
#include <mutex>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "Node.h"

namespace store {

struct Database;

// Where a record lives.
struct RecordPlace {
  Database* db;
  std::uint32_t store;
  std::uint16_t container;
  std::uint32_t recordId;
  bool operator==(const RecordPlace& other) const = default;
};

class DecodedRecords {
 public:
  // At most about `bytes` in all; 0 keeps nothing.
  void SetBudget(std::size_t bytes);

  // Rebuilds into `pool` the tree kept for `place` when it was decoded from `body`: the same
  // nodes, values and root source as DecodeStoredBody gives. False when none is kept (the pool
  // is untouched) or the pool has no memory (the pool is as it was). Thread-safe.
  bool Rebuild(const RecordPlace& place, std::string_view body, PoolMemoryManager* pool,
               node** root);
  // Keeps `root`, the tree DecodeStoredBody made of `body`. Thread-safe.
  void Keep(const RecordPlace& place, std::string_view body, const node* root);

 private:
  // A node without its links; values live in the entry's value bytes.
  struct FlatNode {
    std::uint32_t recordId;
    // Offset into the value bytes, or kNoValue.
    std::uint32_t valueOffset;
    std::uint16_t length;
    std::uint16_t tag;
    std::uint8_t level;
    std::uint8_t type;
  };
  static constexpr std::uint32_t kNoValue = 0xFFFFFFFF;
  struct Entry {
    std::string body;
    std::vector<FlatNode> nodes;
    std::string values;
    std::size_t Bytes() const;
  };
  struct PlaceHash {
    std::size_t operator()(const RecordPlace& place) const;
  };
  using Generation = std::unordered_map<RecordPlace, Entry, PlaceHash>;

  // The entry for `place` made from `body`, moved to the young generation; null when none.
  const Entry* Find(const RecordPlace& place, std::string_view body);

  // Adds `entry`, dropping the old generation first when the young one is full; null when the
  // entry exceeds a generation.
  const Entry* PutYoung(const RecordPlace& place, Entry entry);

  std::mutex mutex_;
  Generation young_;
  Generation old_;
  std::size_t youngBytes_ = 0;
  std::size_t generationBudget_ = 0;
};

}  // namespace store
