// Record bodies, pages of index entries and complete results of cursors read recently, so that
// reading them again costs no B-tree search and no second weighing of candidates: a look-up
// reaches the same synsets as senses, hyperonyms and members' synsets, and the viewer looks the
// same words up again and again. It knows nothing of the file: its owner
// (Database) empties it whenever what it holds may no longer be what the file says.
//
// Two generations bound it: new entries go into the young one; when that is full the old one is
// dropped and the young one takes its place. An entry found in the old one moves to the young one,
// so what is in use survives while what is not is dropped a generation later.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "store/ArenaTable.h"

namespace store {

struct IndexPage {
  std::vector<std::uint32_t> recordIds;
  std::string lastKey;
};

// Every result of a cursor, in order, and the context set they belong to.
struct CursorResults {
  std::uint16_t yieldingSet = 0;
  std::vector<std::uint32_t> recordIds;
  // The stored bodies of the first results when they were kept with them, back to back: the body
  // of recordIds[i] ends at bodyEnds[i]. Empty when none were.
  std::string bodies;
  std::vector<std::uint32_t> bodyEnds;
};

class ReadCache {
 public:
  // At most about `bytes` in all; 0 keeps nothing.
  void SetBudget(std::size_t bytes);
  void Clear();

  // The body, or false. The view is valid until the next change of the cache.
  bool FindBody(std::int64_t rowKey, std::string_view* body);
  void KeepBody(std::int64_t rowKey, std::string_view body);
  // Readies what FindBody will touch for the first few of these records, whose reads are about to
  // follow (the results of a cursor): finding them then waits on memory once instead of for each.
  void PrefetchBodies(std::uint32_t store, std::uint16_t container, const std::uint32_t* recordIds,
                      std::size_t count) const;

  // A pack of records unpacked lately (RecordPack.h), or null: a look-up reads neighbouring
  // records of a few containers in turn, and unpacking costs more than reading. Swapping in a pack
  // leaves the one it replaces (or an empty string) in *unpacked.
  const std::string* FindPack(std::int64_t packKey) const;
  void SwapPack(std::int64_t packKey, std::string* unpacked);

  // `range` names the read completely (bounds and limit: see IndexRangeName). When found, the
  // page's record IDs are appended to *recordIds, and *lastKey is its last key if it has any.
  bool FindIndexPage(const std::string& range, std::vector<std::uint32_t>* recordIds,
                     std::string* lastKey);
  void KeepIndexPage(const std::string& range, const IndexPage& page);

  // `criteria` names the cursor completely (see CursorResultsKey). When found, *results is
  // replaced.
  bool FindResults(const std::string& criteria, CursorResults* results);
  // Keeps the IDs of `results` and, with them, the bodies of its first records that this cache
  // holds (records of `store` and `container`): a cursor that takes the results then hands out
  // those records without looking each up again.
  void KeepResults(const std::string& criteria, const CursorResults& results, std::uint32_t store,
                   std::uint16_t container);

 private:
  struct Generation {
    ArenaTable bodies;
    ArenaTable pages;
    ArenaTable results;
    std::size_t bytes = 0;
  };
  // Makes room for `bytes` more in the young generation; false when they exceed a generation.
  bool MakeRoom(std::size_t bytes);
  // The same for every kind of entry; `table` picks the kind within a generation.
  bool Find(ArenaTable Generation::*table, std::string_view key, std::string_view* value);
  void Keep(ArenaTable Generation::*table, std::string_view key, std::string_view value);

  Generation young_;
  Generation old_;
  // An entry on its way from the old generation to the young one, which may drop the old one.
  std::string promotedKey_;
  std::string promotedValue_;
  // Values being encoded for keeping.
  std::string encoded_;
  std::string bodies_;
  std::vector<std::uint32_t> bodyEnds_;
  struct RecentPack {
    std::int64_t key = -1;
    std::string unpacked;
  };
  // Replaced in turn.
  std::array<RecentPack, 32> recentPacks_;
  std::size_t nextPack_ = 0;
  std::size_t generationBudget_ = 0;
};

// The name of an index read in a ReadCache: its bounds and its limit.
std::string IndexRangeName(std::string_view from, std::string_view to, std::size_t limit);

}  // namespace store
