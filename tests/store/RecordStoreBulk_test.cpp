// Bulk transactions: everything in one commit, or nothing at all.
#include "StoreTestSupport.h"

namespace {

class RecordStoreBulk : public StoreTest {
 protected:
  void SetUp() override {
    db_ = CreateAndOpen("bulk.fdb");
    const store::IndexComponent text{{1, 2}, 2, store::KeyType::kText};
    ASSERT_EQ(store::DefineIndex(db_, 0, 1, 32001, &text, 1), arbcode::SUCCESS);
  }
  void TearDown() override {
    if (db_ != nullptr) Close(&db_);
  }
  void Reopen() {
    Close(&db_);
    db_ = Open("bulk.fdb");
  }
  store::Database* db_ = nullptr;
};

TEST_F(RecordStoreBulk, CommittedWorkSurvivesReopening) {
  for (bool fast : {false, true}) {
    ASSERT_EQ(store::BeginBulk(db_, fast), arbcode::SUCCESS);
    for (int i = 0; i < 50; ++i) AddTextRecord(db_, 0, 32001, 1, 2, "w" + std::to_string(i));
    ASSERT_EQ(store::CommitBulk(db_), arbcode::SUCCESS);
  }
  Reopen();
  EXPECT_EQ(List(db_, 0, 1).size(), 100u);
  EXPECT_EQ(StoredText(db_, 0, 32001, 100, 2), "w49");
  // Back to normal: single changes commit on their own again.
  EXPECT_EQ(AddTextRecord(db_, 0, 32001, 1, 2, "single"), 101u);
}

TEST_F(RecordStoreBulk, AbortLeavesNothingBehind) {
  const std::uint32_t kept = AddTextRecord(db_, 0, 32001, 1, 2, "kept");
  for (bool fast : {false, true}) {
    ASSERT_EQ(store::BeginBulk(db_, fast), arbcode::SUCCESS);
    for (int i = 0; i < 20; ++i) AddTextRecord(db_, 0, 32001, 1, 2, "gone");
    node* root = Root(1);
    AddText(root, 2, "changed");
    ASSERT_EQ(store::Modify(db_, 0, 32001, kept, root, 0), arbcode::SUCCESS);
    ASSERT_EQ(store::AddFieldName(db_, 0, 2, "TEXT"), arbcode::SUCCESS);
    const store::IndexComponent other{{1, 3}, 2, store::KeyType::kNumber};
    ASSERT_EQ(store::DefineIndex(db_, 0, 2, 32001, &other, 1), arbcode::SUCCESS);
    ASSERT_EQ(store::SetStoreLocale(db_, 0, "sv"), arbcode::SUCCESS);
    ASSERT_EQ(store::AbortBulk(db_), arbcode::SUCCESS);

    EXPECT_EQ(StoredText(db_, 0, 32001, kept, 2), "kept");
    EXPECT_EQ(List(db_, 0, 1), (std::vector<std::uint32_t>{kept}));
    std::vector<std::uint32_t> ids;
    EXPECT_EQ(store::ListIndex(db_, 0, 2, &ids), arbcode::BAD_IX);
    std::uint16_t tag = 0;
    EXPECT_EQ(store::TagOfName(db_, 0, "TEXT", store::kFieldNameKind, &tag), arbcode::NOT_FOUND);
    // IDs handed out inside the aborted transaction are free again.
    EXPECT_EQ(AddTextRecord(db_, 0, 32001, 1, 2, "after"), kept + 1);
    ASSERT_EQ(store::Delete(db_, 0, 32001, kept + 1, 0), arbcode::SUCCESS);
  }
  Reopen();
  EXPECT_EQ(List(db_, 0, 1), (std::vector<std::uint32_t>{kept}));
}

TEST_F(RecordStoreBulk, AFailedChangeInsideABulkTransactionUndoesOnlyItself) {
  ASSERT_EQ(store::BeginBulk(db_, false), arbcode::SUCCESS);
  const std::uint32_t first = AddTextRecord(db_, 0, 32001, 1, 2, "first");
  node* root = Root(1);
  node* text = AddText(root, 2, "x");
  AddText(text, 3, "y");
  const store::IndexComponent number{{1, 2, 3}, 3, store::KeyType::kNumber};
  ASSERT_EQ(store::DefineIndex(db_, 0, 3, 32001, &number, 1), arbcode::SUCCESS);
  std::uint32_t id = 0;
  EXPECT_EQ(store::Add(db_, 0, 32001, &id, root, 0), arbcode::CONV_BAD_SRC_TYPE);
  ASSERT_EQ(store::CommitBulk(db_), arbcode::SUCCESS);
  EXPECT_EQ(List(db_, 0, 1), (std::vector<std::uint32_t>{first}));
  EXPECT_TRUE(List(db_, 0, 3).empty());
}

TEST_F(RecordStoreBulk, OneBulkTransactionAtATime) {
  EXPECT_EQ(store::CommitBulk(db_), arbcode::NO_TRANS_ACTIVE);
  EXPECT_EQ(store::AbortBulk(db_), arbcode::NO_TRANS_ACTIVE);
  ASSERT_EQ(store::BeginBulk(db_, false), arbcode::SUCCESS);
  EXPECT_EQ(store::BeginBulk(db_, true), arbcode::TRANS_ACTIVE);
  AddTextRecord(db_, 0, 32001, 1, 2, "open at close");
  // Closing with a bulk transaction open aborts it.
  Reopen();
  EXPECT_TRUE(List(db_, 0, 1).empty());
  EXPECT_EQ(store::BeginBulk(nullptr, false), arbcode::DB_HANDLE);
}

}  // namespace
