// The record store's cursor object behind the functions of Cursor.h.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "store/Cursor.h"
#include "store/QueryTerms.h"
#include "store/ReadCache.h"

namespace store {

class Collator;
class ResultStream;

struct CursorSource {
  Database* db = nullptr;
  std::uint32_t store = 0;
  std::uint16_t container = 32001;
  // The index whose order this set's records follow when it drives a join (0: none chosen).
  std::uint16_t index = 0;
};

struct Cursor {
  Cursor();
  ~Cursor();
  Cursor(const Cursor&) = delete;
  Cursor& operator=(const Cursor&) = delete;

  // [0] is the cursor's own source; [1] to [8] the context sets (db null: no source).
  CursorSource sources[kMaxContextSets + 1];
  // An index chosen for whichever set it exists over ("the whole cursor").
  std::uint16_t anySetIndex = 0;
  std::uint16_t masterIndex = 0;
  std::uint8_t masterOption = 0;
  std::uint16_t mode = kDefaultMode;

  std::vector<CriteriaItem> items;
  // The tag paths of the items dropped at the last Reset, for the fields appended next: nearly
  // every field needs one, and a cursor started again is mostly built like the one before.
  std::vector<std::vector<std::uint16_t>> sparePaths;
  // The name of the cursor's results (ResultReuse.h) as last built: kept so that its memory serves
  // the next one.
  std::string resultsKey;
  // Compiled when the items are validated, unless results kept for cursors built alike showed
  // them valid: a cursor answered from those never needs them.
  CompiledQuery query;
  bool compiled = true;
  bool validated = true;

  // The results found so far and the position among them (-1: none). Rebuilt after any change of
  // criteria, mode, indexes or sources.
  std::unique_ptr<ResultStream> results;
  // The stream of results dropped last, started again for the next results (ResultStream::Restart).
  std::unique_ptr<ResultStream> spareResults;
  std::int64_t position = -1;
  // Kept results found when the items were validated, from `takenFrom` in its read transaction
  // `takenIn` (0: none), so that the first read need not search for them again.
  CursorResults taken;
  Database* takenFrom = nullptr;
  std::uint64_t takenIn = 0;

  // Back to the state of a new cursor over no source, keeping the memory its lists hold (see
  // CursorRecycler.h).
  void Reset();

  bool Wildcards() const { return (mode & 0x3) != 1; }
  bool CaseSensitive() const { return (mode & 0xC) == 8; }
  // Drops the results (taken ones too; their stream is kept as the spare) and the position.
  void Invalidate();
};

}  // namespace store
