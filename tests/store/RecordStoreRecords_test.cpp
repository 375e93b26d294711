// Records: automatic IDs, the round trip of a tree through the file, and the refusals.
#include <algorithm>
#include <cstring>

#include "StoreTestSupport.h"
#include "store/FieldTree.h"
#include "store/FieldValue.h"

namespace {

class RecordStoreRecords : public StoreTest {
 protected:
  void SetUp() override { db_ = CreateAndOpen("records.fdb"); }
  void TearDown() override {
    if (db_ != nullptr) Close(&db_);
  }
  store::Database* db_ = nullptr;
};

TEST_F(RecordStoreRecords, AutomaticIdsCountPerStoreAndContainer) {
  EXPECT_EQ(AddTextRecord(db_, 0, 32001, 1, 2, "a"), 1u);
  EXPECT_EQ(AddTextRecord(db_, 0, 32001, 1, 2, "b"), 2u);
  EXPECT_EQ(AddTextRecord(db_, 0, 200, 1, 2, "c"), 1u);
  EXPECT_EQ(AddTextRecord(db_, 100, 32001, 1, 2, "d"), 1u);
  EXPECT_EQ(AddTextRecord(db_, 32767, 65535, 1, 2, "e"), 1u);

  node* root = Root(1);
  std::uint32_t id = 0xFFFFFFF0;
  ASSERT_EQ(store::Add(db_, 0, 200, &id, root, 0), arbcode::SUCCESS);
  EXPECT_EQ(AddTextRecord(db_, 0, 200, 1, 2, "f"), 0xFFFFFFF1u);
  id = 0xFFFFFFFF;
  ASSERT_EQ(store::Add(db_, 0, 200, &id, root, 0), arbcode::SUCCESS);
  id = 0;
  EXPECT_EQ(store::Add(db_, 0, 200, &id, root, 0), arbcode::NO_MORE_DRNS);
  // The neighbouring container was not disturbed by the full one.
  EXPECT_EQ(AddTextRecord(db_, 0, 201, 1, 2, "g"), 1u);
  EXPECT_EQ(AddTextRecord(db_, 0, 32001, 1, 2, "h"), 3u);

  id = 2;
  EXPECT_EQ(store::Add(db_, 0, 32001, &id, root, 0), arbcode::EXISTS);
  EXPECT_EQ(StoredText(db_, 0, 32001, 2, 2), "b");
}

TEST_F(RecordStoreRecords, TreesComeBackFieldForField) {
  node* root = Root(60);
  node* group = AddGroup(root, 61);
  AddText(group, 120, "déjà vu");
  AddNumber(group, 2, -12345);
  node* deeper = AddGroup(group, 62);
  AddPointer(deeper, 50, 987654);
  AddText(root, 121, "");
  std::uint32_t id = 0;
  ASSERT_EQ(store::Add(db_, 100, 202, &id, root, 0), arbcode::SUCCESS);

  Close(&db_);
  db_ = Open("records.fdb");
  PoolMemoryManager other;
  store::PoolInit(&other, 128);
  node* back = nullptr;
  ASSERT_EQ(store::Retrieve(db_, 100, 202, id, 0, &other, &back), arbcode::SUCCESS);
  EXPECT_TRUE(back->HasRecordId());
  EXPECT_TRUE(back->HasSource());
  EXPECT_EQ(back->recordId, id);
  EXPECT_EQ(back->store, 100u);
  EXPECT_EQ(back->container, 202);
  EXPECT_EQ(back->database, db_);
  const node* original = root;
  const node* copy = back;
  for (; original != nullptr && copy != nullptr; original = original->next, copy = copy->next) {
    EXPECT_EQ(copy->tag, original->tag);
    EXPECT_EQ(copy->level, original->level);
    EXPECT_EQ(copy->FieldKind(), original->FieldKind());
    ASSERT_EQ(copy->length, original->length);
    EXPECT_EQ((copy->value == nullptr), (original->value == nullptr));
    if (copy->length != 0) {
      EXPECT_EQ(std::memcmp(copy->value, original->value, copy->length), 0);
    }
  }
  EXPECT_EQ(original, nullptr);
  EXPECT_EQ(copy, nullptr);
  std::int32_t number = 0;
  ASSERT_EQ(store::GetInt32(store::Find(1, back, 2, 1), &number), arbcode::SUCCESS);
  EXPECT_EQ(number, -12345);
  store::PoolFree(&other);
}

TEST_F(RecordStoreRecords, ModifyAndDeleteReplaceAndRemove) {
  const std::uint32_t id = AddTextRecord(db_, 0, 32001, 1, 2, "first");
  node* root = Root(1);
  AddText(root, 2, "second");
  ASSERT_EQ(store::Modify(db_, 0, 32001, id, root, 0), arbcode::SUCCESS);
  EXPECT_EQ(StoredText(db_, 0, 32001, id, 2), "second");
  ASSERT_EQ(store::Delete(db_, 0, 32001, id, 0), arbcode::SUCCESS);
  node* gone = nullptr;
  EXPECT_EQ(store::Retrieve(db_, 0, 32001, id, 0, &pool_, &gone), arbcode::NOT_FOUND);
  EXPECT_EQ(store::Modify(db_, 0, 32001, id, root, 0), arbcode::NOT_FOUND);
  EXPECT_EQ(store::Delete(db_, 0, 32001, id, 0), arbcode::NOT_FOUND);
  // The highest ID was deleted, so it is free again.
  EXPECT_EQ(AddTextRecord(db_, 0, 32001, 1, 2, "again"), id);
}

TEST_F(RecordStoreRecords, BadArgumentsAndBadTreesStoreNothing) {
  node* root = Root(1);
  node* child = AddText(root, 2, "x");
  std::uint32_t id = 0;
  EXPECT_EQ(store::Add(db_, 32768, 1, &id, root, 0), arbcode::INVALID_STORE_NUM);
  node* found = nullptr;
  EXPECT_EQ(store::Retrieve(db_, 0, 1, 0, 0, &pool_, &found), arbcode::BAD_DRN);

  child->level = 2;  // a level jump
  EXPECT_EQ(store::Add(db_, 0, 1, &id, root, 0), arbcode::GED_SKIP_LEVEL);
  child->level = 1;
  child->tag = 0;
  EXPECT_EQ(store::Add(db_, 0, 1, &id, root, 0), arbcode::INVALID_TAG);
  EXPECT_EQ(id, 0u);
  child->tag = 2;
  // Nothing was stored by the refused adds: the first ID is still free.
  ASSERT_EQ(store::Add(db_, 0, 1, &id, root, 0), arbcode::SUCCESS);
  EXPECT_EQ(id, 1u);
  child->level = 2;
  EXPECT_EQ(store::Modify(db_, 0, 1, id, root, 0), arbcode::GED_SKIP_LEVEL);
  EXPECT_EQ(StoredText(db_, 0, 1, id, 2), "x");
}

TEST_F(RecordStoreRecords, AFlippedByteInAStoredBodyIsCaught) {
  store::IndexComponent text{{1, 2}, 2, store::KeyType::kText};
  ASSERT_EQ(store::DefineIndex(db_, 0, 9, 32001, &text, 1), arbcode::SUCCESS);
  const std::uint32_t damaged = AddTextRecord(db_, 0, 32001, 1, 2, "MARKER-TO-DAMAGE-0123456789");
  const std::uint32_t intact = AddTextRecord(db_, 0, 32001, 1, 2, "another record");
  Close(&db_);

  // The page around the body stays intact (its checksum is put right): only the record's own
  // checksum can tell. The eighth byte of the marker, 'T', becomes 'U'.
  RunSqlBehindTheStore(PathOf("records.fdb"),
                       "UPDATE records SET body = CAST(substr(body, 1, instr(body, "
                       "CAST('MARKER-TO-DAMAGE' AS BLOB)) + 6) || x'55' || substr(body, "
                       "instr(body, CAST('MARKER-TO-DAMAGE' AS BLOB)) + 8) AS BLOB) WHERE "
                       "instr(body, CAST('MARKER-TO-DAMAGE' AS BLOB)) > 0");

  db_ = Open("records.fdb");
  node* root = nullptr;
  EXPECT_EQ(store::Retrieve(db_, 0, 32001, damaged, 0, &pool_, &root), arbcode::BLOCK_CHECKSUM);
  // Bodies read again come from the read cache unsummed: a damaged one must never get there.
  EXPECT_EQ(store::Retrieve(db_, 0, 32001, damaged, 0, &pool_, &root), arbcode::BLOCK_CHECKSUM);
  EXPECT_EQ(StoredText(db_, 0, 32001, intact, 2), "another record");
  // The damaged record can still be replaced or deleted, index entries included.
  root = Root(1);
  AddText(root, 2, "repaired");
  ASSERT_EQ(store::Modify(db_, 0, 32001, damaged, root, 0), arbcode::SUCCESS);
  EXPECT_EQ(StoredText(db_, 0, 32001, damaged, 2), "repaired");
  EXPECT_EQ(List(db_, 0, 9), (std::vector<std::uint32_t>{intact, damaged}));
}

}  // namespace
