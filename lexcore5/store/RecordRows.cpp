#include "store/RecordRows.h"

#include <algorithm>
#include <bit>

#include "ArbCodes.h"
#include "store/Database.h"
#include "store/RecordAddress.h"
#include "store/RecordCodec.h"
#include "store/RecordPack.h"
#include "store/Schema.h"
#include "store/Session.h"

namespace store {
namespace {

constexpr const char* kInsertRow = "INSERT INTO records(id, body) VALUES(?1, ?2)";
constexpr const char* kUpdateRow = "UPDATE records SET body = ?2 WHERE id = ?1";
constexpr const char* kStoreRow = "INSERT OR REPLACE INTO records(id, body) VALUES(?1, ?2)";
constexpr const char* kDeleteRow = "DELETE FROM records WHERE id = ?1";
constexpr const char* kLastRow =
    "SELECT id, body FROM records WHERE id BETWEEN ?1 AND ?2 ORDER BY id DESC LIMIT 1";
constexpr const char* kRowsBetween =
    "SELECT id, body FROM records WHERE id BETWEEN ?1 AND ?2 ORDER BY id";
constexpr const char* kRowKeysBetween =
    "SELECT id FROM records WHERE id BETWEEN ?1 AND ?2 ORDER BY id";
constexpr const char* kCountRows = "SELECT count(*) FROM records";
// Packs a bulk transaction keeps unpacked at most (a few megabytes) before it stores them.
constexpr std::size_t kMaxPendingPacks = 4096;

bool Packed(const Database* db) {
  return KeepsPacks(db->layout);
}

std::int64_t PackKeyIn(const Database* db, std::int64_t rowKey) {
  return PackKeyOf(rowKey, PackSlotsOf(db->layout));
}
unsigned SlotIn(const Database* db, std::int64_t rowKey) {
  return SlotOf(rowKey, PackSlotsOf(db->layout));
}

// Runs a statement over one row: the row key in slot 1 and, when given, the body in slot 2.
std::uint32_t RunOnRow(Database* db, const char* sql, std::int64_t rowKey,
                       const std::string* body) {
  sqlite3_stmt* statement = nullptr;
  if (std::uint32_t code = db->statements.Get(sql, &statement)) return code;
  StatementUse use(statement);
  use.BindInt(1, rowKey);
  if (body != nullptr) use.BindBlob(2, *body);
  return use.Run();
}

// The body of `rowKey` from a pending pack; NOT_FOUND when that pack is pending without it, EOF_HIT
// when the pack is not pending.
std::uint32_t PendingBody(Database* db, std::int64_t rowKey, std::string* body) {
  const auto found = db->pendingPacks.find(PackKeyIn(db, rowKey));
  if (found == db->pendingPacks.end()) return arbcode::EOF_HIT;
  if (!found->second.Has(SlotIn(db, rowKey))) return arbcode::NOT_FOUND;
  found->second.Take(SlotIn(db, rowKey), body);
  return arbcode::SUCCESS;
}

// The dictionary of the file's packs is read when first needed, so that opening a file costs
// nothing for it.
std::uint32_t ReadyPackDictionary(Database* db) {
  if (!UsesPackDictionary(db->layout) || db->packer.HasDictionary()) {
    return arbcode::SUCCESS;
  }
  std::string dictionary;
  if (std::uint32_t code = ReadPackDictionary(db->connection, &dictionary)) return code;
  db->packer.UseDictionary(dictionary);
  return arbcode::SUCCESS;
}

// Unpacks a stored pack into db->unpacked. A pack made against a dictionary this handle has not
// read may have been stored after another connection trained one: the catalog is read again. A
// pack with records past the file's width would lend them the IDs of the next pack's.
std::uint32_t Unpack(Database* db, std::string_view stored) {
  if (!stored.empty() && static_cast<std::uint8_t>(stored[0]) == kDictionaryPackFormat &&
      !db->packer.HasDictionary()) {
    if (std::uint32_t code = RefreshCatalog(db)) return code;
    if (std::uint32_t code = ReadyPackDictionary(db)) return code;
  }
  if (std::uint32_t code = UnpackPack(stored, &db->packer, &db->unpacked)) return code;
  const unsigned slots = PackSlotsOf(db->layout);
  if (slots < kPackSlots && detail::MaskOf(db->unpacked) >> slots != 0) return arbcode::DATA_ERROR;
  return arbcode::SUCCESS;
}

std::uint32_t BodyOfUnpacked(const Database* db, const std::string& unpacked, std::int64_t rowKey,
                             std::string* body) {
  return TakePackedBody(unpacked, SlotIn(db, rowKey), body) ? arbcode::SUCCESS : arbcode::NOT_FOUND;
}

// The pack holding `rowKey`, made pending (loaded from the table, or empty when it has no row yet).
std::uint32_t PendingPack(Database* db, std::int64_t rowKey, RecordPack** pack) {
  const std::int64_t packKey = PackKeyIn(db, rowKey);
  auto found = db->pendingPacks.find(packKey);
  if (found == db->pendingPacks.end()) {
    RecordPack loaded;
    std::string stored;
    const std::uint32_t code = SelectBody(&db->statements, packKey, &stored);
    if (code == arbcode::SUCCESS) {
      if (std::uint32_t unpack = Unpack(db, stored)) return unpack;
      loaded.Load(db->unpacked);
    } else if (code != arbcode::NOT_FOUND) {
      return code;
    }
    found = db->pendingPacks.emplace(packKey, std::move(loaded)).first;
  }
  *pack = &found->second;
  return arbcode::SUCCESS;
}

// After a pending pack changed: counts the change (see WriteScope) and stores the pending packs of
// a bulk transaction once they grow many.
std::uint32_t NotePackChange(Database* db) {
  ++db->packChanges;
  return db->pendingPacks.size() > kMaxPendingPacks ? StorePendingPacks(db) : arbcode::SUCCESS;
}

std::uint32_t ChangePack(Database* db, std::int64_t rowKey, const std::string* body, bool mustExist,
                         bool mustBeNew) {
  RecordPack* pack = nullptr;
  if (std::uint32_t code = PendingPack(db, rowKey, &pack)) return code;
  const unsigned slot = SlotIn(db, rowKey);
  if (mustBeNew && pack->Has(slot)) return arbcode::EXISTS;
  if (mustExist && !pack->Has(slot)) return arbcode::SUCCESS;
  if (body == nullptr) {
    pack->Erase(slot);
  } else if (std::uint32_t code = pack->Put(slot, *body)) {
    return code;
  }
  return NotePackChange(db);
}

std::uint32_t ScanRows(Database* db, const char* sql, std::int64_t first, std::int64_t last,
                       const std::function<std::uint32_t(StatementUse&)>& row) {
  if (std::uint32_t code = StorePendingPacks(db)) return code;
  sqlite3_stmt* statement = nullptr;
  if (std::uint32_t code = db->statements.Get(sql, &statement)) return code;
  StatementUse use(statement);
  use.BindInt(1, Packed(db) ? PackKeyIn(db, first) : first);
  use.BindInt(2, last);
  int result;
  while ((result = use.Step()) == SQLITE_ROW) {
    if (std::uint32_t code = row(use)) return code;
  }
  return result == SQLITE_DONE ? arbcode::SUCCESS : CodeOfSqlite(result);
}

}  // namespace

std::uint32_t ReadBody(Database* db, std::int64_t rowKey) {
  const bool packed = Packed(db);
  if (packed && !db->pendingPacks.empty()) {
    const std::uint32_t code = PendingBody(db, rowKey, &db->body);
    if (code != arbcode::EOF_HIT) return code;
  }
  const std::int64_t row = packed ? PackKeyIn(db, rowKey) : rowKey;
  if (ReadCacheCurrent(db)) {
    if (std::string_view kept; db->reads.FindBody(rowKey, &kept)) {
      db->body.assign(kept);
      return arbcode::SUCCESS;
    }
    if (const std::string* pack = packed ? db->reads.FindPack(row) : nullptr) {
      const std::uint32_t code = BodyOfUnpacked(db, *pack, rowKey, &db->body);
      if (code == arbcode::SUCCESS) db->reads.KeepBody(rowKey, db->body);
      return code;
    }
  }
  bool openedRead = false;
  std::uint32_t code =
      db->reader.Read(db->connection, &db->statements, row, &db->body, &openedRead);
  if (openedRead && db->session != nullptr) db->session->releaser->Wake();
  if (code == arbcode::SUCCESS && packed) {
    // The frame's checksum proves the bodies in a pack.
    if ((code = Unpack(db, db->body))) return code;
    code = BodyOfUnpacked(db, db->unpacked, rowKey, &db->body);
    if (ConfirmReadCache(db)) db->reads.SwapPack(row, &db->unpacked);
  } else if (code == arbcode::SUCCESS) {
    code = CheckBody(db->body);
  }
  if (code == arbcode::SUCCESS && ConfirmReadCache(db)) db->reads.KeepBody(rowKey, db->body);
  return code;
}

std::uint32_t SelectRecordBody(Database* db, std::int64_t rowKey, std::string* body) {
  if (!Packed(db)) return SelectBody(&db->statements, rowKey, body);
  const std::uint32_t code = PendingBody(db, rowKey, body);
  if (code != arbcode::EOF_HIT) return code;
  if (std::uint32_t select = SelectBody(&db->statements, PackKeyIn(db, rowKey), &db->body))
    return select;
  if (std::uint32_t unpack = Unpack(db, db->body)) return unpack;
  return BodyOfUnpacked(db, db->unpacked, rowKey, body);
}

std::uint32_t InsertRecordBody(Database* db, std::int64_t rowKey, const std::string& body) {
  if (!Packed(db)) return RunOnRow(db, kInsertRow, rowKey, &body);
  return ChangePack(db, rowKey, &body, false, true);
}

std::uint32_t ReplaceRecordBody(Database* db, std::int64_t rowKey, const std::string& body) {
  if (!Packed(db)) return RunOnRow(db, kUpdateRow, rowKey, &body);
  return ChangePack(db, rowKey, &body, true, false);
}

std::uint32_t EraseRecordBody(Database* db, std::int64_t rowKey) {
  if (!Packed(db)) return RunOnRow(db, kDeleteRow, rowKey, nullptr);
  return ChangePack(db, rowKey, nullptr, true, false);
}

std::uint32_t LastRecordId(Database* db, std::int64_t first, std::int64_t last,
                           std::uint32_t* recordId) {
  *recordId = 0;
  sqlite3_stmt* statement = nullptr;
  if (std::uint32_t code = db->statements.Get(kLastRow, &statement)) return code;
  // The last stored row up to `bound` into storedKey (-1: none), with its pack's mask.
  std::int64_t storedKey = -1;
  SlotMask storedMask = 0;
  const auto lastRowUpTo = [&](std::int64_t bound) -> std::uint32_t {
    storedKey = -1;
    StatementUse use(statement);
    use.BindInt(1, Packed(db) ? PackKeyIn(db, first) : first);
    use.BindInt(2, bound);
    const int result = use.Step();
    if (result == SQLITE_DONE) return arbcode::SUCCESS;
    if (result != SQLITE_ROW) return CodeOfSqlite(result);
    storedKey = use.ColumnInt(0);
    if (Packed(db) && !StoredPackMask(use.ColumnBytes(1), &storedMask)) return arbcode::DATA_ERROR;
    return arbcode::SUCCESS;
  };
  if (!Packed(db)) {
    if (std::uint32_t code = lastRowUpTo(last)) return code;
    if (storedKey >= 0) *recordId = RecordIdOfRowKey(storedKey);
    return arbcode::SUCCESS;
  }
  // Packs pending without records may hide the last stored ones: step down past them.
  for (std::int64_t bound = last; bound >= first;) {
    if (std::uint32_t code = lastRowUpTo(bound)) return code;
    auto pending = db->pendingPacks.upper_bound(bound);
    std::int64_t pendingKey = -1;
    if (pending != db->pendingPacks.begin() && (--pending)->first >= PackKeyIn(db, first)) {
      pendingKey = pending->first;
    }
    const std::int64_t key = std::max(storedKey, pendingKey);
    if (key < 0) return arbcode::SUCCESS;
    const SlotMask mask = key == pendingKey ? pending->second.Mask() : storedMask;
    if (mask != 0) {
      *recordId = RecordIdOfRowKey(key) + static_cast<std::uint32_t>(std::bit_width(mask)) - 1;
      return arbcode::SUCCESS;
    }
    bound = key - 1;
  }
  return arbcode::SUCCESS;
}

std::uint32_t ScanRecords(Database* db, std::int64_t first, std::int64_t last,
                          const RecordVisit& visit, const DamageVisit& damaged) {
  std::string body;
  return ScanRows(db, kRowsBetween, first, last, [&](StatementUse& row) -> std::uint32_t {
    const std::int64_t rowKey = row.ColumnInt(0);
    if (!Packed(db)) return visit(rowKey, row.ColumnBytes(1));
    if (std::uint32_t code = Unpack(db, row.ColumnBytes(1))) {
      return damaged(rowKey, code);
    }
    return ForEachPackedBody(db->unpacked, &body, [&](unsigned slot, std::string_view bytes) {
      const std::int64_t key = rowKey + slot;
      return key < first || key > last ? arbcode::SUCCESS : visit(key, bytes);
    });
  });
}

std::uint32_t ScanRecordKeys(Database* db, std::int64_t first, std::int64_t last,
                             const std::function<std::uint32_t(std::int64_t rowKey)>& visit) {
  if (!Packed(db)) {
    return ScanRows(db, kRowKeysBetween, first, last,
                    [&](StatementUse& row) { return visit(row.ColumnInt(0)); });
  }
  // Unpacked, not read from the header alone: the mask is proven only with the records.
  return ScanRecords(
      db, first, last, [&](std::int64_t rowKey, std::string_view) { return visit(rowKey); },
      [](std::int64_t, std::uint32_t damage) { return damage; });
}

std::uint32_t CountRecordRows(Database* db, std::uint64_t* rows) {
  sqlite3_stmt* statement = nullptr;
  if (std::uint32_t code = db->statements.Get(kCountRows, &statement)) return code;
  StatementUse use(statement);
  const int result = use.Step();
  if (result != SQLITE_ROW) return CodeOfSqlite(result);
  *rows = static_cast<std::uint64_t>(use.ColumnInt(0));
  return arbcode::SUCCESS;
}

std::uint32_t StorePendingPacks(Database* db) {
  if (db->pendingPacks.empty()) return arbcode::SUCCESS;
  // Packs of a file with a dictionary are made against it.
  if (std::uint32_t code = ReadyPackDictionary(db)) {
    if (db->bulkActive) db->bulkDoomed = true;
    return code;
  }
  std::string stored;
  for (auto pending = db->pendingPacks.begin(); pending != db->pendingPacks.end();) {
    const RecordPack& pack = pending->second;
    std::uint32_t code = arbcode::SUCCESS;
    if (pack.Empty()) {
      code = RunOnRow(db, kDeleteRow, pending->first, nullptr);
    } else if ((code = pack.Store(&db->packer, &stored)) == arbcode::SUCCESS) {
      code = RunOnRow(db, kStoreRow, pending->first, &stored);
    }
    if (code != arbcode::SUCCESS) {
      if (db->bulkActive) db->bulkDoomed = true;
      return code;
    }
    pending = db->pendingPacks.erase(pending);
  }
  return arbcode::SUCCESS;
}

void DropPendingPacks(Database* db) {
  db->pendingPacks.clear();
}

}  // namespace store
