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
  *home = nullptr;
  for (const CursorSource& source : cursor.sources) {
    if (source.db == nullptr) continue;
    if (*home != nullptr && source.db != *home) return {};
    *home = source.db;
  }
  if (*home == nullptr) return {};
  // The cursor keeps the name of its items once they are validated.
  std::string unvalidated;
  const std::string& criteria = cursor.criteriaKey.empty() && !cursor.items.empty()
                                    ? (unvalidated = CriteriaKey(cursor.items))
                                    : cursor.criteriaKey;
  std::size_t size = kCursorSize + criteria.size();
  for (const CursorSource& source : cursor.sources) {
    size += source.db != nullptr ? kSourceSize : kAbsentSourceSize;
  }
  std::string key(size, '\0');
  KeyWriter writer(key.data());
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
  writer.Bytes(criteria);
  assert(writer.End() == key.data() + key.size());
  return key;
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
                       std::uint64_t* transaction) {
  bool found = false;
  *transaction = 0;
  WithDatabase(db, [&]() -> std::uint32_t {
    if (!ReadCacheCurrent(db)) return 0;
    *transaction = db->reader.HeldTransaction();
    found = db->reads.FindResults(key, results);
    return 0;
  });
  return found;
}

void KeepCursorResults(Database* db, std::uint64_t transaction, const std::string& key,
                       const CursorResults& results) {
  WithDatabase(db, [&]() -> std::uint32_t {
    if (ReadCacheCurrent(db) && db->reader.HeldTransaction() == transaction) {
      db->reads.KeepResults(key, results);
    }
    return 0;
  });
}

}  // namespace store
