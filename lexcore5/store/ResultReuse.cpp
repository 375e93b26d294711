#include "store/ResultReuse.h"

#include <cassert>

#include "store/CriteriaKey.h"
#include "store/CursorState.h"
#include "store/Database.h"

namespace store {
namespace {

// A set without a source names only its index: the key stays short, and it is hashed on every
// cursor.
constexpr std::size_t kAbsentSourceSize = sizeof(std::uint8_t) + sizeof(std::uint16_t);
constexpr std::size_t kSourceSize =
    kAbsentSourceSize + sizeof(std::uint32_t) + sizeof(std::uint16_t);
constexpr std::size_t kCursorSize = 3 * sizeof(std::uint16_t);

}  // namespace

std::string CursorResultsKey(const Cursor& cursor, Database** home) {
  std::string key;
  WriteCursorResultsKey(cursor, home, &key);
  return key;
}

void WriteCursorResultsKey(const Cursor& cursor, Database** home, std::string* key) {
  key->clear();
  *home = nullptr;
  for (const CursorSource& source : cursor.sources) {
    if (source.db == nullptr) continue;
    if (*home != nullptr && source.db != *home) return;
    *home = source.db;
  }
  if (*home == nullptr) return;
  std::size_t size = kCursorSize + CriteriaKeySize(cursor.items);
  for (const CursorSource& source : cursor.sources) {
    size += source.db != nullptr ? kSourceSize : kAbsentSourceSize;
  }
  key->resize(size);
  KeyWriter writer(key->data());
  for (const CursorSource& source : cursor.sources) {
    writer.Put(static_cast<std::uint8_t>(source.db != nullptr));
    writer.Put(source.index);
    if (source.db == nullptr) continue;
    writer.Put(source.store);
    writer.Put(source.container);
  }
  writer.Put(cursor.anySetIndex);
  writer.Put(cursor.masterIndex);
  writer.Put(cursor.mode);
  WriteCriteriaKey(cursor.items, &writer);
  assert(writer.End() == key->data() + key->size());
}

std::uint64_t ReusableTransaction(Database* db) {
  std::uint64_t transaction = 0;
  WithDatabase(db, [&]() -> std::uint32_t {
    if (ReadCacheCurrent(db)) transaction = db->reader.HeldTransaction();
    return 0;
  });
  return transaction;
}

bool FindCursorResults(Database* db, const std::string& key, CursorResults* results,
                       std::uint64_t* transaction, const CursorSource* sources) {
  bool found = false;
  *transaction = 0;
  WithDatabase(db, [&]() -> std::uint32_t {
    if (!ReadCacheCurrent(db)) return 0;
    *transaction = db->reader.HeldTransaction();
    found = db->reads.FindResults(key, results);
    // The bodies kept with the results are at hand; those of the next ones are readied.
    const std::size_t bodies = results->bodyEnds.size();
    if (found && sources != nullptr && bodies < results->recordIds.size()) {
      const CursorSource& yielding = sources[results->yieldingSet];
      db->reads.PrefetchBodies(yielding.store, yielding.container,
                               results->recordIds.data() + bodies,
                               results->recordIds.size() - bodies);
    }
    return 0;
  });
  return found;
}

void KeepCursorResults(Database* db, std::uint64_t transaction, const std::string& key,
                       const CursorResults& results, const CursorSource& yielding) {
  WithDatabase(db, [&]() -> std::uint32_t {
    if (ReadCacheCurrent(db) && db->reader.HeldTransaction() == transaction) {
      db->reads.KeepResults(key, results, yielding.store, yielding.container);
    }
    return 0;
  });
}

}  // namespace store
