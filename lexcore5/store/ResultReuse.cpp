#include "store/ResultReuse.h"

#include <cassert>
#include <cstring>

#include "store/CursorState.h"
#include "store/Database.h"

namespace store {
namespace {

// Writes a key into memory sized beforehand: keys are built for every cursor, so appending piece
// by piece to a growing string would cost more than the look-up they save.
class KeyWriter {
 public:
  explicit KeyWriter(char* out) : out_(out) {}

  template <typename Value>
  void Put(Value value) {
    std::memcpy(out_, &value, sizeof value);
    out_ += sizeof value;
  }
  void Text(const std::string& text) {
    // Length first, so that text and the items after it cannot run into each other.
    Put(static_cast<std::uint32_t>(text.size()));
    std::memcpy(out_, text.data(), text.size());
    out_ += text.size();
  }

  const char* End() const { return out_; }

 private:
  char* out_;
};

constexpr std::size_t kSourceSize =
    sizeof(std::uint8_t) + sizeof(std::uint32_t) + 2 * sizeof(std::uint16_t);
constexpr std::size_t kCursorSize = (kMaxContextSets + 1) * kSourceSize + 3 * sizeof(std::uint16_t);

std::size_t ItemSize(const CriteriaItem& item) {
  switch (item.kind) {
    case CriteriaItem::Kind::kField:
      return 1 + sizeof(std::uint16_t) + 1 + sizeof(std::uint32_t) +
             item.field.path.size() * sizeof(std::uint16_t);
    case CriteriaItem::Kind::kOperator:
      return 1 + sizeof(std::uint16_t);
    case CriteriaItem::Kind::kValue:
      return 1 + 1 + sizeof(std::int64_t) + sizeof(std::uint32_t) + item.value.text.size();
  }
  return 1;
}

void WriteItem(const CriteriaItem& item, KeyWriter* key) {
  key->Put(static_cast<std::uint8_t>(item.kind));
  switch (item.kind) {
    case CriteriaItem::Kind::kField:
      key->Put(item.field.contextSet);
      key->Put(static_cast<std::uint8_t>(item.field.anchored));
      key->Put(static_cast<std::uint32_t>(item.field.path.size()));
      for (std::uint16_t tag : item.field.path) key->Put(tag);
      break;
    case CriteriaItem::Kind::kOperator:
      key->Put(static_cast<std::uint16_t>(item.op));
      break;
    case CriteriaItem::Kind::kValue:
      key->Put(static_cast<std::uint8_t>(item.value.isText));
      key->Put(item.value.number);
      key->Text(item.value.text);
      break;
  }
}

}  // namespace

std::string CursorResultsKey(const Cursor& cursor, Database** home) {
  *home = nullptr;
  for (const CursorSource& source : cursor.sources) {
    if (source.db == nullptr) continue;
    if (*home != nullptr && source.db != *home) return {};
    *home = source.db;
  }
  if (*home == nullptr) return {};
  std::size_t size = kCursorSize;
  for (const CriteriaItem& item : cursor.items) size += ItemSize(item);
  std::string key(size, '\0');
  KeyWriter writer(key.data());
  for (const CursorSource& source : cursor.sources) {
    writer.Put(static_cast<std::uint8_t>(source.db != nullptr));
    writer.Put(source.store);
    writer.Put(source.container);
    writer.Put(source.index);
  }
  writer.Put(cursor.anySetIndex);
  writer.Put(cursor.masterIndex);
  writer.Put(cursor.mode);
  for (const CriteriaItem& item : cursor.items) WriteItem(item, &writer);
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

bool FindCursorResults(Database* db, const std::string& key, CursorResults* results) {
  bool found = false;
  WithDatabase(db, [&]() -> std::uint32_t {
    if (!ReadCacheCurrent(db)) return 0;
    if (const CursorResults* kept = db->reads.FindResults(key)) {
      *results = *kept;
      found = true;
    }
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
