// Packs compressed against a dictionary trained on them: every record reads back as written,
// through the handle that trained and through others; changes afterwards keep working; a
// rolled-back training leaves nothing behind; a lost or wrong dictionary is reported, never read as
// data.
#include <sqlite3.h>

#include <filesystem>
#include <set>

#include "DatabaseChecker.h"
#include "StoreTestSupport.h"
#include "store/DatabaseCheck.h"

namespace {

constexpr std::uint32_t kStore = 7;
constexpr std::uint16_t kContainer = 32001;
constexpr std::uint16_t kRoot = 1;
constexpr std::uint16_t kText = 2;
// About 1.3 MB of text: enough for the store to train on.
constexpr std::uint32_t kRecords = 5000;

// A sentence of about 250 bytes, different for every ID, from words the records share.
std::string SentenceFor(std::uint32_t id) {
  static const char* const kWords[] = {
      "animal", "domestic", "wolf",   "bark",  "the",    "of",    "a",     "small",
      "large",  "plant",    "flower", "green", "leaf",   "river", "water", "move",
      "quick",  "slowly",   "person", "who",   "makes",  "tools", "house", "built",
      "stone",  "wood",     "light",  "dark",  "colour", "sound", "loud",  "music"};
  std::string text = std::to_string(id) + ":";
  std::uint32_t state = id * 2654435761U + 12345;
  while (text.size() < 250) {
    state = state * 1103515245U + 12345;
    text += ' ';
    text += kWords[(state >> 16) % (sizeof kWords / sizeof kWords[0])];
  }
  return text;
}

class PackDictionary : public StoreTest {
 protected:
  void SetUp() override {
    db_ = CreateAndOpen("dictionary.fdb");
    ASSERT_NE(db_, nullptr);
    ASSERT_EQ(store::PackRecords(db_), arbcode::SUCCESS);
  }
  void TearDown() override {
    if (db_ != nullptr) Close(&db_);
  }

  void AddRecords(std::uint32_t count) {
    ASSERT_EQ(store::BeginBulk(db_, true), arbcode::SUCCESS);
    for (std::uint32_t id = 1; id <= count; ++id) {
      ASSERT_EQ(AddTextRecord(db_, kStore, kContainer, kRoot, kText, SentenceFor(id)), id);
    }
    ASSERT_EQ(store::CommitBulk(db_), arbcode::SUCCESS);
  }
  std::string Text(store::Database* db, std::uint32_t id) {
    return StoredText(db, kStore, kContainer, id, kText);
  }

  // Runs a query of one value on the closed-or-open file, read-only, past the store.
  std::string Query(const char* sql) {
    std::string value = "<failed>";
    sqlite3* connection = nullptr;
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_open_v2(PathOf("dictionary.fdb").c_str(), &connection, SQLITE_OPEN_READONLY,
                        nullptr) == SQLITE_OK &&
        sqlite3_prepare_v2(connection, sql, -1, &statement, nullptr) == SQLITE_OK &&
        sqlite3_step(statement) == SQLITE_ROW) {
      const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement, 0));
      value = text == nullptr ? "<null>" : text;
    }
    sqlite3_finalize(statement);
    sqlite3_close(connection);
    return value;
  }
  std::string Layout() { return Query("SELECT value FROM meta WHERE key = 'layout'"); }
  // The distinct format bytes of the stored packs, as hexadecimal.
  std::string PackFormats() {
    return Query(
        "SELECT group_concat(format) FROM (SELECT DISTINCT hex(substr(body, 1, 1)) AS "
        "format FROM records ORDER BY format)");
  }
  std::int64_t StoredBytes() {
    return std::stoll(Query("SELECT total(length(body)) FROM records"));
  }

  store::Database* db_ = nullptr;
};

TEST_F(PackDictionary, TrainedPacksReadBackAsWrittenBeforeAndAfterChanges) {
  AddRecords(kRecords);
  const std::int64_t plainBytes = StoredBytes();
  // A second handle read the file before its packs changed.
  store::Database* other = Open("dictionary.fdb");
  ASSERT_NE(other, nullptr);
  EXPECT_EQ(Text(other, 7), SentenceFor(7));

  ASSERT_EQ(store::TrainPackDictionary(db_), arbcode::SUCCESS);
  EXPECT_EQ(Layout(), "narrow-packed-dictionary");
  EXPECT_EQ(PackFormats(), "51");
  // Every pack of thirty-two was split in two.
  EXPECT_EQ(Query("SELECT count(*) FROM records WHERE id % 16 != 0"), "0");
  EXPECT_NE(Query("SELECT count(*) FROM records WHERE id % 32 = 16"), "0");
  EXPECT_LT(StoredBytes(), plainBytes * 9 / 10);
  for (std::uint32_t id = 1; id <= kRecords; ++id) ASSERT_EQ(Text(db_, id), SentenceFor(id)) << id;
  EXPECT_EQ(Text(other, 4000), SentenceFor(4000));
  Close(&other);

  // Changed, deleted and added records are packed against the same dictionary.
  for (std::uint32_t id = 100; id <= kRecords; id += 100) {
    node* root = Root(kRoot);
    AddText(root, kText, "changed " + SentenceFor(id));
    ASSERT_EQ(store::Modify(db_, kStore, kContainer, id, root, 0), arbcode::SUCCESS);
  }
  for (std::uint32_t id = 2001; id <= 2040; ++id) {
    ASSERT_EQ(store::Delete(db_, kStore, kContainer, id, 0), arbcode::SUCCESS);
  }
  ASSERT_EQ(AddTextRecord(db_, kStore, kContainer, kRoot, kText, "new"), kRecords + 1);
  EXPECT_EQ(store::TrainPackDictionary(db_), arbcode::SUCCESS);
  Close(&db_);
  EXPECT_EQ(PackFormats(), "51");

  db_ = Open("dictionary.fdb");
  ASSERT_NE(db_, nullptr);
  for (std::uint32_t id = 1; id <= kRecords; ++id) {
    if (id > 2000 && id <= 2040) {
      EXPECT_EQ(Text(db_, id), "<code " + CodeText(arbcode::NOT_FOUND) + ">") << id;
    } else {
      ASSERT_EQ(Text(db_, id), (id % 100 == 0 ? "changed " : "") + SentenceFor(id)) << id;
    }
  }
  EXPECT_EQ(Text(db_, kRecords + 1), "new");
  Close(&db_);
  store::CheckFindings findings;
  ASSERT_EQ(
      store::CheckDatabaseFile(session_, PathOf("dictionary.fdb").c_str(), nullptr, &findings),
      arbcode::SUCCESS);
  EXPECT_TRUE(findings.damagedPacks.empty());
  EXPECT_TRUE(findings.damagedRecords.empty());
  EXPECT_EQ(findings.records, kRecords + 1 - 40);
}

TEST_F(PackDictionary, FewRecordsOrARolledBackTrainingLeaveThePacksAsTheyWere) {
  AddRecords(100);
  ASSERT_EQ(store::TrainPackDictionary(db_), arbcode::SUCCESS);
  EXPECT_EQ(Layout(), "packed");
  EXPECT_EQ(PackFormats(), "50");

  ASSERT_EQ(store::BeginBulk(db_, false), arbcode::SUCCESS);
  for (std::uint32_t id = 101; id <= kRecords; ++id) {
    ASSERT_EQ(AddTextRecord(db_, kStore, kContainer, kRoot, kText, SentenceFor(id)), id);
  }
  ASSERT_EQ(store::TrainPackDictionary(db_), arbcode::SUCCESS);
  EXPECT_EQ(Text(db_, 4321), SentenceFor(4321));
  ASSERT_EQ(store::AbortBulk(db_), arbcode::SUCCESS);
  EXPECT_EQ(Layout(), "packed");
  EXPECT_EQ(Text(db_, 100), SentenceFor(100));
  EXPECT_EQ(Text(db_, 101), "<code " + CodeText(arbcode::NOT_FOUND) + ">");
  // Packed without a dictionary again, readable by the handle and after reopening.
  ASSERT_EQ(AddTextRecord(db_, kStore, kContainer, kRoot, kText, "after"), 101u);
  Close(&db_);
  EXPECT_EQ(PackFormats(), "50");
  db_ = Open("dictionary.fdb");
  EXPECT_EQ(Text(db_, 101), "after");

  store::Database* plain = CreateAndOpen("plain.fdb");
  ASSERT_NE(plain, nullptr);
  EXPECT_EQ(store::TrainPackDictionary(plain), arbcode::ILLEGAL_OP);
  Close(&plain);
}

TEST_F(PackDictionary, ALostOrWrongDictionaryIsReportedAndNeverRead) {
  AddRecords(kRecords);
  ASSERT_EQ(store::TrainPackDictionary(db_), arbcode::SUCCESS);
  Close(&db_);
  const std::vector<char> trained = ReadFile(PathOf("dictionary.fdb"));

  // The trained file changed behind the store, then opened.
  const auto openChanged = [&](const char* sql) {
    WriteFile(PathOf("dictionary.fdb"), trained);
    RunSqlBehindTheStore(PathOf("dictionary.fdb"), sql);
    return Open("dictionary.fdb");
  };
  db_ = openChanged("DELETE FROM meta WHERE key = 'pack_dictionary'");
  ASSERT_NE(db_, nullptr);
  EXPECT_EQ(Text(db_, 1), "<code " + CodeText(arbcode::DATA_ERROR) + ">");
  node* root = Root(kRoot);
  AddText(root, kText, "lost");
  std::uint32_t id = 0;
  EXPECT_EQ(store::Add(db_, kStore, kContainer, &id, root, 0), arbcode::DATA_ERROR);
  Close(&db_);

  // Another dictionary of the same size, and a pack that claims to need none.
  db_ =
      openChanged("UPDATE meta SET value = zeroblob(length(value)) WHERE key = 'pack_dictionary'");
  ASSERT_NE(db_, nullptr);
  EXPECT_EQ(Text(db_, 1), "<code " + CodeText(arbcode::BLOCK_CHECKSUM) + ">");
  Close(&db_);
  db_ = openChanged(
      "UPDATE records SET body = CAST(x'50' || substr(body, 2) AS BLOB) WHERE id = (SELECT "
      "min(id) FROM records)");
  ASSERT_NE(db_, nullptr);
  EXPECT_EQ(Text(db_, 1), "<code " + CodeText(arbcode::BLOCK_CHECKSUM) + ">");
  EXPECT_EQ(Text(db_, 33), SentenceFor(33));
}

// Files an earlier build gave a dictionary keep packs of thirty-two records, plain ones among
// them: each record is found in its place, changes are packed as wide, and the check names whole
// packs of the file's width.
TEST_F(PackDictionary, FilesOfWidePacksWithADictionaryStillReadAndChange) {
  AddRecords(kRecords);
  Close(&db_);
  RunSqlBehindTheStore(PathOf("dictionary.fdb"),
                       "UPDATE meta SET value = 'packed-dictionary' WHERE key = 'layout';"
                       "INSERT INTO meta(key, value) VALUES('pack_dictionary', CAST('animal "
                       "domestic wolf bark the of a small large plant flower green leaf river "
                       "water move quick slowly person who makes tools house' AS BLOB))");
  db_ = Open("dictionary.fdb");
  ASSERT_NE(db_, nullptr);
  for (std::uint32_t id = 1; id <= kRecords; ++id) ASSERT_EQ(Text(db_, id), SentenceFor(id)) << id;
  node* root = Root(kRoot);
  AddText(root, kText, "changed");
  ASSERT_EQ(store::Modify(db_, kStore, kContainer, 60, root, 0), arbcode::SUCCESS);
  ASSERT_EQ(AddTextRecord(db_, kStore, kContainer, kRoot, kText, "new"), kRecords + 1);
  Close(&db_);
  EXPECT_EQ(PackFormats(), "50,51");
  EXPECT_EQ(Query("SELECT count(*) FROM records WHERE id % 32 != 0"), "0");
  db_ = Open("dictionary.fdb");
  EXPECT_EQ(Text(db_, 60), "changed");
  EXPECT_EQ(Text(db_, 63), SentenceFor(63));
  EXPECT_EQ(Text(db_, kRecords + 1), "new");
  Close(&db_);

  RunSqlBehindTheStore(PathOf("dictionary.fdb"),
                       "UPDATE records SET body = CAST(substr(body, 1, 30) || x'00' || "
                       "substr(body, 32) AS BLOB) WHERE id % (1 << 32) = 64");
  DatabaseChecker checker;
  ASSERT_EQ(checker.Run(PathOf("dictionary.fdb").c_str(), nullptr), 1);
  std::string report;
  for (const std::string& line : checker.GetReport()) report += line + "\n";
  EXPECT_NE(report.find("record 64 to 95;"), std::string::npos) << report;
}

TEST_F(PackDictionary, CompactingGivesBackTheRoomOfDeletedRecords) {
  AddRecords(kRecords);
  ASSERT_EQ(store::BeginBulk(db_, false), arbcode::SUCCESS);
  EXPECT_EQ(store::CompactFile(db_), arbcode::TRANS_ACTIVE);
  for (std::uint32_t id = 1; id <= kRecords; id += 2) {
    ASSERT_EQ(store::Delete(db_, kStore, kContainer, id, 0), arbcode::SUCCESS);
  }
  ASSERT_EQ(store::CommitBulk(db_), arbcode::SUCCESS);
  // A record just read holds no read open against the rewrite.
  EXPECT_EQ(Text(db_, 4), SentenceFor(4));
  const auto before = std::filesystem::file_size(PathOf("dictionary.fdb"));
  ASSERT_EQ(store::CompactFile(db_), arbcode::SUCCESS);
  EXPECT_LT(std::filesystem::file_size(PathOf("dictionary.fdb")), before * 3 / 4);
  for (std::uint32_t id = 2; id <= kRecords; id += 500) EXPECT_EQ(Text(db_, id), SentenceFor(id));
  Close(&db_);
  store::CheckFindings findings;
  ASSERT_EQ(
      store::CheckDatabaseFile(session_, PathOf("dictionary.fdb").c_str(), nullptr, &findings),
      arbcode::SUCCESS);
  EXPECT_TRUE(findings.pages.damaged.empty());
  EXPECT_EQ(findings.records, kRecords / 2);
}

}  // namespace
