// Retrieving, adding, modifying and deleting records, each change atomic with its index entries.
#include "ArbCodes.h"
#include "store/Database.h"
#include "store/FieldTree.h"
#include "store/IndexMaintenance.h"
#include "store/Pool.h"
#include "store/RecordAddress.h"
#include "store/RecordCodec.h"
#include "store/RecordRows.h"
#include "store/StoredBody.h"
#include "store/WriteScope.h"

namespace store {
namespace {

constexpr std::uint32_t kLastRecordIdValue = 0xFFFFFFFF;

BodyFormat BodyFormatOf(const Database* db) {
  return db->layout == FileLayout::kOriginal ? BodyFormat::kFixed : BodyFormat::kCompact;
}

std::uint32_t CheckAddress(Database* db, std::uint32_t store) {
  if (db == nullptr) return arbcode::DB_HANDLE;
  return IsValidStore(store) ? arbcode::SUCCESS : arbcode::INVALID_STORE_NUM;
}

// The next free record ID of (store, container): one past the highest in use (IDs start at 1).
std::uint32_t NextRecordId(Database* db, std::uint32_t store, std::uint16_t container,
                           std::uint32_t* recordId) {
  std::uint32_t last = 0;
  if (std::uint32_t code = LastRecordId(db, RowKey(store, container, 1),
                                        RowKey(store, container, kLastRecordIdValue), &last)) {
    return code;
  }
  if (last == kLastRecordIdValue) return arbcode::NO_MORE_DRNS;
  *recordId = last + 1;
  return arbcode::SUCCESS;
}

// Reads the stored record and the index keys it gives into db->oldKeys. NOT_FOUND when absent.
// *intact is false when the stored body is damaged: its entries are then unknown.
std::uint32_t StoredKeys(Database* db, std::uint32_t store, std::uint16_t container,
                         std::uint32_t recordId, bool* intact) {
  db->oldKeys.clear();
  if (std::uint32_t code = SelectRecordBody(db, RowKey(store, container, recordId), &db->body)) {
    return code;
  }
  ResetScratch(db);
  node* stored = nullptr;
  *intact = DecodeRecord(db->body, &db->scratchPool, &stored) == arbcode::SUCCESS;
  if (!*intact) return arbcode::SUCCESS;
  // A stored record whose keys cannot be made (a field no longer fitting a redefined index) has
  // no entries to remove in that index either; its other entries are purged below.
  const std::uint32_t code = KeysOfRecord(db, store, container, recordId, stored, &db->oldKeys);
  if (code != arbcode::SUCCESS && code != arbcode::MEM) *intact = false;
  ResetScratch(db);
  return code == arbcode::MEM ? code : arbcode::SUCCESS;
}

// Moves the record's entries from those of the stored record (db->oldKeys) to db->newKeys.
std::uint32_t UpdateEntries(Database* db, std::uint32_t store, std::uint16_t container,
                            std::uint32_t recordId, bool intact) {
  if (intact) return ReplaceEntries(db, db->oldKeys, db->newKeys);
  if (std::uint32_t code = PurgeEntriesOfRecord(db, store, container, recordId)) return code;
  return InsertEntries(db, db->newKeys);
}

}  // namespace

std::uint32_t Retrieve(Database* db, std::uint32_t store, std::uint16_t container,
                       std::uint32_t recordId, std::uint32_t /*flags*/, PoolMemoryManager* pool,
                       node** root) {
  if (std::uint32_t code = CheckAddress(db, store)) return code;
  if (pool == nullptr || root == nullptr) return arbcode::BAD_HDL;
  if (recordId == 0) return arbcode::BAD_DRN;
  return WithDatabase(db, [&]() -> std::uint32_t {
    if (std::uint32_t code = ReadBody(db, RowKey(store, container, recordId))) return code;
    return DecodeStoredBody(db->body, db, store, container, recordId, pool, root);
  });
}

std::uint32_t ReadStoredBody(Database* db, std::uint32_t store, std::uint16_t container,
                             std::uint32_t recordId, std::string* body) {
  if (std::uint32_t code = CheckAddress(db, store)) return code;
  if (recordId == 0) return arbcode::BAD_DRN;
  return WithDatabase(db, [&]() -> std::uint32_t {
    if (std::uint32_t code = ReadBody(db, RowKey(store, container, recordId))) return code;
    // Swapped, not copied: db->body is only a buffer kept for its capacity.
    body->swap(db->body);
    return arbcode::SUCCESS;
  });
}

std::uint32_t DecodeStoredBody(std::string_view body, Database* db, std::uint32_t store,
                               std::uint16_t container, std::uint32_t recordId,
                               PoolMemoryManager* pool, node** root) {
  void* mark = PoolMark(pool);
  node* tree = nullptr;
  // ReadBody proved the body when it left the file.
  if (std::uint32_t code = DecodeRecord(body, pool, &tree, BodyTrust::kProven)) {
    PoolReset(pool, mark);
    return code;
  }
  tree->type |= kHasRecordId | kHasSource;
  tree->recordId = recordId;
  tree->store = store;
  tree->container = container;
  tree->database = db;
  *root = tree;
  return arbcode::SUCCESS;
}

std::uint32_t Add(Database* db, std::uint32_t store, std::uint16_t container,
                  std::uint32_t* recordId, const node* root, std::uint32_t /*flags*/) {
  if (std::uint32_t code = CheckAddress(db, store)) return code;
  if (recordId == nullptr) return arbcode::BAD_DRN;
  if (root == nullptr) return arbcode::NULL_RECORD;
  if (std::uint32_t code = ValidateTree(root)) return code;
  return WithDatabase(db, [&]() -> std::uint32_t {
    if (std::uint32_t code = EncodeRecord(root, &db->body, BodyFormatOf(db))) return code;
    WriteScope scope(db);
    if (std::uint32_t code = scope.Begin()) return code;
    std::uint32_t id = *recordId;
    if (id == 0) {
      if (std::uint32_t code = NextRecordId(db, store, container, &id)) return code;
    }
    if (std::uint32_t code = KeysOfRecord(db, store, container, id, root, &db->newKeys)) {
      return code;
    }
    if (std::uint32_t code = InsertRecordBody(db, RowKey(store, container, id), db->body)) {
      return code;
    }
    if (std::uint32_t code = InsertEntries(db, db->newKeys)) return code;
    if (std::uint32_t code = scope.Commit()) return code;
    *recordId = id;
    return arbcode::SUCCESS;
  });
}

std::uint32_t Modify(Database* db, std::uint32_t store, std::uint16_t container,
                     std::uint32_t recordId, const node* root, std::uint32_t /*flags*/) {
  if (std::uint32_t code = CheckAddress(db, store)) return code;
  if (recordId == 0) return arbcode::BAD_DRN;
  if (root == nullptr) return arbcode::NULL_RECORD;
  if (std::uint32_t code = ValidateTree(root)) return code;
  return WithDatabase(db, [&]() -> std::uint32_t {
    WriteScope scope(db);
    if (std::uint32_t code = scope.Begin()) return code;
    bool intact = false;
    if (std::uint32_t code = StoredKeys(db, store, container, recordId, &intact)) return code;
    if (std::uint32_t code = KeysOfRecord(db, store, container, recordId, root, &db->newKeys)) {
      return code;
    }
    if (std::uint32_t code = EncodeRecord(root, &db->body, BodyFormatOf(db))) return code;
    if (std::uint32_t code = ReplaceRecordBody(db, RowKey(store, container, recordId), db->body)) {
      return code;
    }
    if (std::uint32_t code = UpdateEntries(db, store, container, recordId, intact)) return code;
    return scope.Commit();
  });
}

std::uint32_t Delete(Database* db, std::uint32_t store, std::uint16_t container,
                     std::uint32_t recordId, std::uint32_t /*flags*/) {
  if (std::uint32_t code = CheckAddress(db, store)) return code;
  if (recordId == 0) return arbcode::BAD_DRN;
  return WithDatabase(db, [&]() -> std::uint32_t {
    WriteScope scope(db);
    if (std::uint32_t code = scope.Begin()) return code;
    bool intact = false;
    if (std::uint32_t code = StoredKeys(db, store, container, recordId, &intact)) return code;
    db->newKeys.clear();
    if (std::uint32_t code = UpdateEntries(db, store, container, recordId, intact)) return code;
    if (std::uint32_t code = EraseRecordBody(db, RowKey(store, container, recordId))) {
      return code;
    }
    return scope.Commit();
  });
}

}  // namespace store
