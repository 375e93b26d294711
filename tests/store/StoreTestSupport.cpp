#include "StoreTestSupport.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include <sqlite3.h>

#include "store/ChecksumVfs.h"
#include "store/FieldTree.h"
#include "store/FieldValue.h"
#include "store/Pool.h"

StoreTest::StoreTest() {
  const char* base = std::getenv("TMPDIR");
  std::string pattern =
      std::string(base != nullptr && *base != '\0' ? base : "/tmp") + "/lexcore5-store-XXXXXX";
  if (mkdtemp(pattern.data()) != nullptr) dir_ = pattern;
  store::PoolInit(&pool_, 512);
  EXPECT_EQ(store::CreateSession(32, 0, &session_), arbcode::SUCCESS);
}

StoreTest::~StoreTest() {
  store::CloseSession(&session_);
  store::PoolFree(&pool_);
  if (!dir_.empty()) std::filesystem::remove_all(dir_);
}

store::Database* StoreTest::CreateAndOpen(std::string_view name, std::uint32_t flags) {
  EXPECT_EQ(store::CreateDatabase(session_, PathOf(name).c_str(), nullptr), arbcode::SUCCESS);
  return Open(name, flags);
}

store::Database* StoreTest::Open(std::string_view name, std::uint32_t flags) {
  store::Database* db = nullptr;
  const std::uint32_t code =
      store::OpenDatabase(session_, PathOf(name).c_str(), nullptr, flags, &db, nullptr);
  EXPECT_EQ(code, arbcode::SUCCESS) << CodeText(code);
  return db;
}

void StoreTest::Close(store::Database** db) {
  EXPECT_EQ(store::CloseDatabase(db), arbcode::SUCCESS);
}

node* StoreTest::Root(std::uint16_t tag) {
  node* root = nullptr;
  EXPECT_EQ(store::CreateField(&pool_, tag, 0, &root), arbcode::SUCCESS);
  return root;
}

node* StoreTest::AddGroup(node* parent, std::uint16_t tag) {
  node* field = Root(tag);
  EXPECT_EQ(store::GraftChild(parent, field, 32767), arbcode::SUCCESS);
  return field;
}

node* StoreTest::AddText(node* parent, std::uint16_t tag, std::string_view text) {
  node* field = Root(tag);
  EXPECT_EQ(store::SetUtf8(&pool_, field, text), arbcode::SUCCESS);
  EXPECT_EQ(store::GraftChild(parent, field, 32767), arbcode::SUCCESS);
  return field;
}

node* StoreTest::AddNumber(node* parent, std::uint16_t tag, std::int32_t value) {
  node* field = Root(tag);
  EXPECT_EQ(store::SetInt32(&pool_, field, value), arbcode::SUCCESS);
  EXPECT_EQ(store::GraftChild(parent, field, 32767), arbcode::SUCCESS);
  return field;
}

node* StoreTest::AddPointer(node* parent, std::uint16_t tag, std::uint32_t recordId) {
  node* field = Root(tag);
  EXPECT_EQ(store::SetRecordPointer(&pool_, field, recordId), arbcode::SUCCESS);
  EXPECT_EQ(store::GraftChild(parent, field, 32767), arbcode::SUCCESS);
  return field;
}

std::string StoreTest::TextOf(const node* root, std::uint16_t tag) {
  const node* field = store::Find(1, root, tag, 1);
  std::string_view text;
  if (field == nullptr || store::GetUtf8(field, &text) != arbcode::SUCCESS) return "<none>";
  return std::string(text);
}

std::string StoreTest::StoredText(store::Database* db, std::uint32_t store, std::uint16_t container,
                                  std::uint32_t recordId, std::uint16_t tag) {
  node* root = nullptr;
  const std::uint32_t code = store::Retrieve(db, store, container, recordId, 0, &pool_, &root);
  if (code != arbcode::SUCCESS) return "<code " + CodeText(code) + ">";
  return TextOf(root, tag);
}

std::uint32_t StoreTest::AddTextRecord(store::Database* db, std::uint32_t store,
                                       std::uint16_t container, std::uint16_t rootTag,
                                       std::uint16_t tag, std::string_view text) {
  std::uint32_t id = 0;
  const std::uint32_t code =
      store::Add(db, store, container, &id, TextRecord(&pool_, rootTag, tag, text), 0);
  EXPECT_EQ(code, arbcode::SUCCESS) << CodeText(code);
  return id;
}

std::vector<std::uint32_t> StoreTest::List(store::Database* db, std::uint32_t store,
                                           std::uint16_t index) {
  std::vector<std::uint32_t> ids;
  const std::uint32_t code = store::ListIndex(db, store, index, &ids);
  EXPECT_EQ(code, arbcode::SUCCESS) << CodeText(code);
  return ids;
}

void StoreTest::RunSqlBehindTheStore(const std::string& path, const char* sql) {
  sqlite3* connection = nullptr;
  ASSERT_EQ(
      sqlite3_open_v2(path.c_str(), &connection, SQLITE_OPEN_READWRITE, store::ChecksumVfsName()),
      SQLITE_OK);
  EXPECT_EQ(store::EnablePageChecksums(connection), arbcode::SUCCESS);
  EXPECT_EQ(sqlite3_exec(connection, sql, nullptr, nullptr, nullptr), SQLITE_OK)
      << sqlite3_errmsg(connection);
  sqlite3_close(connection);
}

std::vector<char> StoreTest::ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::vector<char>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void StoreTest::WriteFile(const std::string& path, const std::vector<char>& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string CodeText(std::uint32_t code) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%04X", code);
  return text;
}

node* TextRecord(PoolMemoryManager* pool, std::uint16_t rootTag, std::uint16_t tag,
                 std::string_view text) {
  node* root = nullptr;
  node* field = nullptr;
  if (store::CreateField(pool, rootTag, 0, &root) != arbcode::SUCCESS ||
      store::CreateField(pool, tag, 0, &field) != arbcode::SUCCESS ||
      store::SetUtf8(pool, field, text) != arbcode::SUCCESS ||
      store::GraftChild(root, field, 32767) != arbcode::SUCCESS) {
    return nullptr;
  }
  return root;
}
