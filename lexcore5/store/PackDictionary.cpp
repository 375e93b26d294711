// Giving the packs of a file a dictionary trained on them.
#include <zdict.h>

#include <algorithm>
#include <cstddef>
#include <string>
#include <vector>

#include "ArbCodes.h"
#include "store/Database.h"
#include "store/RecordPack.h"
#include "store/RecordRows.h"
#include "store/WriteScope.h"

namespace store {
namespace {

constexpr const char* kStoredSize = "SELECT count(*), total(length(body)) FROM records";
constexpr const char* kRowsAfter =
    "SELECT id, body FROM records WHERE id > ?1 ORDER BY id LIMIT ?2";

// On WordNet 3.0 the trainer fills about 72 KiB of it; twice as much gains 3% and trains twice as
// long.
constexpr std::size_t kDictionaryCapacity = 112 * 1024;
// The trainer is made for about a hundred times the dictionary in samples.
constexpr std::size_t kMostSampleBytes = 100 * kDictionaryCapacity;
// A pack unpacks to about three times its stored size. The samples are spread over the whole table
// on a guess of four, so that packs of every store and container are among them even where packs
// shrink more.
constexpr double kGuessedExpansion = 4.0;
// Fewer records than this gain too little from a dictionary to pay for keeping it.
constexpr std::size_t kLeastSampleBytes = 1 << 20;
// Packs read, unpacked and stored again at a time.
constexpr std::int64_t kBatchRows = 1024;

struct StoredRow {
  std::int64_t key = 0;
  std::string body;
};

// The next rows after `after`, at most kBatchRows, copied out of the statement so that the table
// can be written while they are held.
std::uint32_t RowsAfter(Database* db, std::int64_t after, std::vector<StoredRow>* rows) {
  rows->clear();
  sqlite3_stmt* statement = nullptr;
  if (std::uint32_t code = db->statements.Get(kRowsAfter, &statement)) return code;
  StatementUse use(statement);
  use.BindInt(1, after);
  use.BindInt(2, kBatchRows);
  int result;
  while ((result = use.Step()) == SQLITE_ROW) {
    rows->push_back({use.ColumnInt(0), std::string(use.ColumnBytes(1))});
  }
  return result == SQLITE_DONE ? arbcode::SUCCESS : CodeOfSqlite(result);
}

// Calls visit(rowKey, stored) for every row of the record table, in order of keys.
template <typename Visit>
std::uint32_t ForEachRow(Database* db, Visit&& visit) {
  std::vector<StoredRow> rows;
  for (std::int64_t after = -1;; after = rows.back().key) {
    if (std::uint32_t code = RowsAfter(db, after, &rows)) return code;
    if (rows.empty()) return arbcode::SUCCESS;
    for (const StoredRow& row : rows) {
      if (std::uint32_t code = visit(row.key, row.body)) return code;
    }
  }
}

// Every stride-th pack unpacked, back to back, and the size of each.
struct Samples {
  std::string bytes;
  std::vector<std::size_t> sizes;
};

std::uint32_t SamplePacks(Database* db, Samples* samples) {
  sqlite3_stmt* statement = nullptr;
  if (std::uint32_t code = db->statements.Get(kStoredSize, &statement)) return code;
  std::uint64_t stride = 1;
  {
    StatementUse use(statement);
    if (const int result = use.Step(); result != SQLITE_ROW) return CodeOfSqlite(result);
    const double guessed = sqlite3_column_double(statement, 1) * kGuessedExpansion;
    stride = std::max<std::uint64_t>(1, static_cast<std::uint64_t>(guessed / kMostSampleBytes));
  }
  std::uint64_t seen = 0;
  return ForEachRow(db, [&](std::int64_t, const std::string& stored) -> std::uint32_t {
    if (seen++ % stride != 0 || samples->bytes.size() >= kMostSampleBytes) {
      return arbcode::SUCCESS;
    }
    if (std::uint32_t code = UnpackPack(stored, &db->packer, &db->unpacked)) return code;
    samples->bytes.append(db->unpacked);
    samples->sizes.push_back(db->unpacked.size());
    return arbcode::SUCCESS;
  });
}

// Stores every pack again as the compressor now compresses, each as the two packs of the narrow
// layout it splits into, a batch at a time through the pending packs.
std::uint32_t StorePacksAgain(Database* db) {
  constexpr unsigned kNarrow = PackSlotsOf(FileLayout::kNarrowPackedWithDictionary);
  std::string body;
  return ForEachRow(db, [&](std::int64_t rowKey, const std::string& stored) -> std::uint32_t {
    // The second half of a pack split in an earlier batch.
    if (SlotOf(rowKey, kPackSlots) != 0) return arbcode::SUCCESS;
    if (std::uint32_t code = UnpackPack(stored, &db->packer, &db->unpacked)) return code;
    // The first half replaces the row even when it is empty, which deletes it.
    db->pendingPacks[rowKey] = RecordPack();
    const std::uint32_t code =
        ForEachPackedBody(db->unpacked, &body, [&](unsigned slot, std::string_view bytes) {
          const std::int64_t key = rowKey + slot;
          return db->pendingPacks[PackKeyOf(key, kNarrow)].Put(SlotOf(key, kNarrow), bytes);
        });
    if (code != arbcode::SUCCESS) return code;
    return db->pendingPacks.size() < static_cast<std::size_t>(kBatchRows) ? arbcode::SUCCESS
                                                                          : StorePendingPacks(db);
  });
}

std::uint32_t Train(Database* db, WriteScope* scope) {
  if (std::uint32_t code = scope->Begin()) return code;
  // Another connection may have trained one meanwhile.
  if (UsesPackDictionary(db->layout)) return arbcode::SUCCESS;
  Samples samples;
  if (std::uint32_t code = SamplePacks(db, &samples)) return code;
  if (samples.bytes.size() < kLeastSampleBytes) return scope->Commit();
  std::string dictionary(std::min(kDictionaryCapacity, samples.bytes.size() / 10), '\0');
  const std::size_t size =
      ZDICT_trainFromBuffer(dictionary.data(), dictionary.size(), samples.bytes.data(),
                            samples.sizes.data(), static_cast<unsigned>(samples.sizes.size()));
  // Records with too little in common to train on keep their packs as they are.
  if (ZDICT_isError(size)) return scope->Commit();
  dictionary.resize(size);
  db->packer.UseDictionary(dictionary);
  if (std::uint32_t code = StorePacksAgain(db)) return code;
  if (std::uint32_t code = StorePendingPacks(db)) return code;
  if (std::uint32_t code = StorePackDictionary(db->connection, dictionary)) return code;
  // Other connections reload their catalog, and with it the layout and the dictionary.
  if (std::uint32_t code = BumpCatalogGeneration(db)) return code;
  if (std::uint32_t code = scope->Commit()) return code;
  db->layout = FileLayout::kNarrowPackedWithDictionary;
  return arbcode::SUCCESS;
}

}  // namespace

std::uint32_t TrainPackDictionary(Database* db) {
  return WithDatabase(db, [&]() -> std::uint32_t {
    if (UsesPackDictionary(db->layout)) return arbcode::SUCCESS;
    if (db->layout != FileLayout::kPacked) return arbcode::ILLEGAL_OP;
    WriteScope scope(db, WriteScope::Kind::kCatalogChange);
    return Train(db, &scope);
  });
}

}  // namespace store
