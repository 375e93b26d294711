// Records kept in packs: every change of a record, in and out of bulk transactions, reads back as
// written; a rolled-back change leaves nothing behind; damage to a pack is reported for every
// record in it and never read as data.
#include <sqlite3.h>

#include <algorithm>

#include "StoreTestSupport.h"
#include "store/DatabaseCheck.h"
#include "store/IndexScan.h"

namespace {

constexpr std::uint32_t kStore = 7;
constexpr std::uint16_t kContainer = 32001;
constexpr std::uint16_t kIndex = 9;
constexpr std::uint16_t kRoot = 1;
constexpr std::uint16_t kText = 2;
// Enough records for several packs, the last one partly filled.
constexpr std::uint32_t kRecords = 100;

std::string TextFor(std::uint32_t id) {
  return "record " + std::to_string(id);
}

class PackedRecords : public StoreTest {
 protected:
  void SetUp() override {
    db_ = CreateAndOpen("packed.fdb");
    ASSERT_NE(db_, nullptr);
    ASSERT_EQ(store::PackRecords(db_), arbcode::SUCCESS);
    const store::IndexComponent text{{kRoot, kText}, 2, store::KeyType::kText};
    ASSERT_EQ(store::DefineIndex(db_, kStore, kIndex, kContainer, &text, 1), arbcode::SUCCESS);
  }
  void TearDown() override {
    if (db_ != nullptr) Close(&db_);
  }

  std::uint32_t Add(std::string_view text) {
    return AddTextRecord(db_, kStore, kContainer, kRoot, kText, text);
  }
  std::uint32_t Modify(std::uint32_t id, std::string_view text) {
    node* root = Root(kRoot);
    AddText(root, kText, text);
    return store::Modify(db_, kStore, kContainer, id, root, 0);
  }
  std::string Text(std::uint32_t id) { return StoredText(db_, kStore, kContainer, id, kText); }

  // Adds kRecords records; records 40-72 (all of one pack and its neighbours' edges) are deleted
  // and every tenth of the rest is rewritten.
  void WriteAndChange() {
    for (std::uint32_t id = 1; id <= kRecords; ++id) ASSERT_EQ(Add(TextFor(id)), id);
    for (std::uint32_t id = 40; id <= 72; ++id) {
      ASSERT_EQ(store::Delete(db_, kStore, kContainer, id, 0), arbcode::SUCCESS);
    }
    for (std::uint32_t id = 10; id <= kRecords; id += 10) {
      if (id < 40 || id > 72) {
        ASSERT_EQ(Modify(id, TextFor(id) + " changed"), arbcode::SUCCESS);
      }
    }
  }

  void ExpectWrittenAndChanged() {
    std::vector<std::string> listed;
    for (std::uint32_t id : List(db_, kStore, kIndex)) listed.push_back(Text(id));
    std::vector<std::string> expected;
    for (std::uint32_t id = 1; id <= kRecords; ++id) {
      const std::string text = Text(id);
      if (id >= 40 && id <= 72) {
        EXPECT_EQ(text, "<code " + CodeText(arbcode::NOT_FOUND) + ">") << id;
        continue;
      }
      expected.push_back(id % 10 == 0 ? TextFor(id) + " changed" : TextFor(id));
      EXPECT_EQ(text, expected.back()) << id;
    }
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(listed, expected);
  }

  std::int64_t Rows() {
    std::int64_t rows = -1;
    sqlite3* connection = nullptr;
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_open_v2(PathOf("packed.fdb").c_str(), &connection, SQLITE_OPEN_READONLY, nullptr) ==
            SQLITE_OK &&
        sqlite3_prepare_v2(connection, "SELECT count(*) FROM records", -1, &statement, nullptr) ==
            SQLITE_OK &&
        sqlite3_step(statement) == SQLITE_ROW) {
      rows = sqlite3_column_int64(statement, 0);
    }
    sqlite3_finalize(statement);
    sqlite3_close(connection);
    return rows;
  }

  store::Database* db_ = nullptr;
};

TEST_F(PackedRecords, ChangesOneByOneReadBackAndKeepOneRowPerPack) {
  WriteAndChange();
  ExpectWrittenAndChanged();
  // Scans start inside a pack, stop at their limit and step over emptied packs.
  std::vector<std::uint32_t> ids;
  ASSERT_EQ(store::ReadRecordIds(db_, kStore, kContainer, 35, 3, &ids), arbcode::SUCCESS);
  EXPECT_EQ(ids, (std::vector<std::uint32_t>{36, 37, 38}));
  std::vector<store::StoredRecord> page;
  ASSERT_EQ(store::ReadRecordPage(db_, kStore, kContainer, 38, 2, &page), arbcode::SUCCESS);
  ASSERT_EQ(page.size(), 2u);
  EXPECT_EQ(page[0].id, 39u);
  EXPECT_EQ(page[1].id, 73u);
  ASSERT_EQ(store::ReadRecordIds(db_, kStore, kContainer, kRecords, 5, &ids), arbcode::SUCCESS);
  EXPECT_TRUE(ids.empty());
  // The next ID follows the highest in use, also after the highest are deleted.
  for (std::uint32_t id = 73; id <= kRecords; ++id) {
    ASSERT_EQ(store::Delete(db_, kStore, kContainer, id, 0), arbcode::SUCCESS);
  }
  EXPECT_EQ(Add("after"), 40u);
  Close(&db_);
  // IDs 1-31, 32-39 and 40 share two packs; nothing else is left.
  EXPECT_EQ(Rows(), 2);
}

TEST_F(PackedRecords, ChangesInABulkTransactionAreReadBeforeAndAfterTheCommit) {
  ASSERT_EQ(store::BeginBulk(db_, true), arbcode::SUCCESS);
  WriteAndChange();
  ExpectWrittenAndChanged();
  // Taking the last IDs of the container steps past the pack emptied in this transaction.
  for (std::uint32_t id = 73; id <= kRecords; ++id) {
    ASSERT_EQ(store::Delete(db_, kStore, kContainer, id, 0), arbcode::SUCCESS);
  }
  EXPECT_EQ(Add("after"), 40u);
  ASSERT_EQ(store::Delete(db_, kStore, kContainer, 40, 0), arbcode::SUCCESS);
  for (std::uint32_t id = 73; id <= kRecords; ++id) ASSERT_EQ(Add(TextFor(id)), id - 33);
  ASSERT_EQ(store::CommitBulk(db_), arbcode::SUCCESS);
  Close(&db_);
  db_ = Open("packed.fdb");
  for (std::uint32_t id = 73; id <= kRecords; ++id) EXPECT_EQ(Text(id - 33), TextFor(id));
  EXPECT_EQ(Text(39), TextFor(39));
  EXPECT_EQ(List(db_, kStore, kIndex).size(), 39u + (kRecords - 72));
}

TEST_F(PackedRecords, WhatARolledBackTransactionChangedIsGone) {
  ASSERT_EQ(Add("kept"), 1u);
  ASSERT_EQ(store::BeginBulk(db_, false), arbcode::SUCCESS);
  ASSERT_EQ(Add("dropped"), 2u);
  ASSERT_EQ(Modify(1, "dropped too"), arbcode::SUCCESS);
  ASSERT_EQ(store::AbortBulk(db_), arbcode::SUCCESS);
  EXPECT_EQ(Text(1), "kept");
  EXPECT_EQ(Add("next"), 2u);
  // A record that cannot be stored (an ID in use) changes nothing either.
  node* root = Root(kRoot);
  AddText(root, kText, "clash");
  std::uint32_t taken = 1;
  EXPECT_EQ(store::Add(db_, kStore, kContainer, &taken, root, 0), arbcode::EXISTS);
  EXPECT_EQ(Text(1), "kept");
  EXPECT_EQ(List(db_, kStore, kIndex).size(), 2u);
}

TEST_F(PackedRecords, OnlyANewDatabaseIsPacked) {
  EXPECT_EQ(store::PackRecords(db_), arbcode::SUCCESS);
  store::Database* other = CreateAndOpen("other.fdb");
  ASSERT_NE(other, nullptr);
  ASSERT_EQ(AddTextRecord(other, kStore, kContainer, kRoot, kText, "x"), 1u);
  EXPECT_EQ(store::PackRecords(other), arbcode::ILLEGAL_OP);
  ASSERT_EQ(store::BeginBulk(other, false), arbcode::SUCCESS);
  EXPECT_EQ(store::PackRecords(other), arbcode::TRANS_ACTIVE);
  ASSERT_EQ(store::AbortBulk(other), arbcode::SUCCESS);
  EXPECT_EQ(StoredText(other, kStore, kContainer, 1, kText), "x");
  Close(&other);
}

TEST_F(PackedRecords, ADamagedPackIsReportedForEachOfItsRecordsAndNeverRead) {
  for (std::uint32_t id = 1; id <= 40; ++id) ASSERT_EQ(Add(TextFor(id)), id);
  Close(&db_);
  // The pages stay intact (their checksums are put right): only the pack's own checks can tell.
  // A byte in the middle of the first pack's compressed bytes changes.
  RunSqlBehindTheStore(PathOf("packed.fdb"),
                       "UPDATE records SET body = CAST(substr(body, 1, length(body) / 2) || "
                       "x'A5' || substr(body, length(body) / 2 + 2) AS BLOB) WHERE id = "
                       "(SELECT min(id) FROM records)");
  db_ = Open("packed.fdb");
  for (std::uint32_t id = 1; id <= 31; ++id) {
    node* root = nullptr;
    const std::uint32_t code = store::Retrieve(db_, kStore, kContainer, id, 0, &pool_, &root);
    EXPECT_TRUE(code == arbcode::BLOCK_CHECKSUM || code == arbcode::DATA_ERROR) << CodeText(code);
  }
  EXPECT_EQ(Text(32), TextFor(32));
  // Changing a record of the damaged pack would lose its neighbours: refused.
  EXPECT_NE(Modify(5, "repaired"), arbcode::SUCCESS);
  EXPECT_EQ(Text(32), TextFor(32));

  store::CheckFindings findings;
  ASSERT_EQ(store::CheckDatabaseFile(session_, PathOf("packed.fdb").c_str(), nullptr, &findings),
            arbcode::SUCCESS);
  EXPECT_TRUE(findings.damagedRecords.empty());
  ASSERT_EQ(findings.damagedPacks.size(), 1u);
  EXPECT_EQ(findings.damagedPacks[0] & 0xFFFFFFFF, 0);
  EXPECT_EQ(findings.records, 9u);
  EXPECT_TRUE(findings.pages.damaged.empty());
}

}  // namespace
