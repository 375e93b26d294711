// How a file lays out records and index entries: new files share the entries of indexes defined
// alike, files made before keep their own layout, and a layout of a newer build is refused.
#include <sqlite3.h>

#include "StoreTestSupport.h"

namespace {

constexpr std::uint16_t kVariant = 60;
constexpr std::uint16_t kLiteral = 120;
constexpr std::uint16_t kSense = 121;
constexpr std::uint32_t kStore = 100;
constexpr std::uint16_t kContainer = 32001;

const store::IndexComponent kLiteralOrder[] = {
    {{1, kVariant, kLiteral}, 3, store::KeyType::kText},
    {{1, kVariant, kLiteral, kSense}, 4, store::KeyType::kNumber}};
const store::IndexComponent kSenseOrder[] = {
    {{1, kVariant, kLiteral, kSense}, 4, store::KeyType::kNumber}};

class RecordStoreLayout : public StoreTest {
 protected:
  void Define(store::Database* db, std::uint16_t number, const store::IndexComponent* components,
              std::size_t count) {
    ASSERT_EQ(store::DefineIndex(db, kStore, number, kContainer, components, count),
              arbcode::SUCCESS);
  }

  std::uint32_t AddVariant(store::Database* db, std::string_view literal, std::int32_t sense) {
    node* root = Root(1);
    AddNumber(AddText(AddGroup(root, kVariant), kLiteral, literal), kSense, sense);
    std::uint32_t id = 0;
    EXPECT_EQ(store::Add(db, kStore, kContainer, &id, root, 0), arbcode::SUCCESS);
    return id;
  }

  std::vector<std::string> Literals(store::Database* db, std::uint16_t index) {
    std::vector<std::string> literals;
    for (std::uint32_t id : List(db, kStore, index)) {
      literals.push_back(StoredText(db, kStore, kContainer, id, kLiteral));
    }
    return literals;
  }

  // One number from the closed file, read past the store.
  std::int64_t Count(const std::string& name, const char* sql) {
    sqlite3* connection = nullptr;
    std::int64_t value = -1;
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_open_v2(PathOf(name).c_str(), &connection, SQLITE_OPEN_READONLY, nullptr) ==
            SQLITE_OK &&
        sqlite3_prepare_v2(connection, sql, -1, &statement, nullptr) == SQLITE_OK &&
        sqlite3_step(statement) == SQLITE_ROW) {
      value = sqlite3_column_int64(statement, 0);
    }
    sqlite3_finalize(statement);
    sqlite3_close(connection);
    return value;
  }

  std::int64_t Entries(const std::string& name) {
    return Count(name, "SELECT count(*) FROM index_entries");
  }
  // Bodies whose format byte is not `format`.
  std::int64_t BodiesNotIn(const std::string& name, int format) {
    const std::string sql = "SELECT count(*) FROM records WHERE unicode(substr(body, 1, 1)) != " +
                            std::to_string(format);
    return Count(name, sql.c_str());
  }
};

TEST_F(RecordStoreLayout, IndexesDefinedAlikeShareTheirEntriesThroughEveryChange) {
  store::Database* db = CreateAndOpen("twins.fdb");
  ASSERT_NE(db, nullptr);
  Define(db, 32050, kLiteralOrder, 2);
  const std::uint32_t dog = AddVariant(db, "dog", 1);
  AddVariant(db, "cat", 1);
  const std::uint32_t ant = AddVariant(db, "ant", 1);
  // A twin defined over records already there, numbered lower: it takes the entries over.
  Define(db, 251, kLiteralOrder, 2);
  node* root = Root(1);
  AddNumber(AddText(AddGroup(root, kVariant), kLiteral, "bee"), kSense, 1);
  ASSERT_EQ(store::Modify(db, kStore, kContainer, dog, root, 0), arbcode::SUCCESS);
  ASSERT_EQ(store::Delete(db, kStore, kContainer, ant, 0), arbcode::SUCCESS);
  const std::vector<std::string> expected = {"bee", "cat"};
  EXPECT_EQ(Literals(db, 251), expected);
  EXPECT_EQ(Literals(db, 32050), expected);
  Close(&db);
  EXPECT_EQ(Entries("twins.fdb"), 2);
  EXPECT_EQ(BodiesNotIn("twins.fdb", 3), 0);

  // The owner redefined apart: its former twin gets entries of its own again.
  db = Open("twins.fdb");
  ASSERT_NE(db, nullptr);
  Define(db, 251, kSenseOrder, 1);
  EXPECT_EQ(Literals(db, 32050), expected);
  EXPECT_EQ(List(db, kStore, 251).size(), 2u);
  Close(&db);
  EXPECT_EQ(Entries("twins.fdb"), 4);
}

TEST_F(RecordStoreLayout, FilesMadeBeforeKeepTheirLayout) {
  store::Database* db = CreateAndOpen("before.fdb");
  ASSERT_NE(db, nullptr);
  Close(&db);
  RunSqlBehindTheStore(PathOf("before.fdb"), "DELETE FROM meta WHERE key = 'layout'");
  db = Open("before.fdb");
  ASSERT_NE(db, nullptr);
  Define(db, 251, kLiteralOrder, 2);
  Define(db, 32050, kLiteralOrder, 2);
  AddVariant(db, "dog", 1);
  AddVariant(db, "cat", 1);
  EXPECT_EQ(Literals(db, 32050), (std::vector<std::string>{"cat", "dog"}));
  Close(&db);
  EXPECT_EQ(Entries("before.fdb"), 4);
  EXPECT_EQ(BodiesNotIn("before.fdb", 1), 0);

  RunSqlBehindTheStore(PathOf("before.fdb"),
                       "INSERT INTO meta(key, value) VALUES('layout', 'tomorrow')");
  store::Database* refused = nullptr;
  EXPECT_EQ(
      store::OpenDatabase(session_, PathOf("before.fdb").c_str(), nullptr, 0, &refused, nullptr),
      arbcode::NEWER_DB);
  EXPECT_EQ(refused, nullptr);
}

}  // namespace
