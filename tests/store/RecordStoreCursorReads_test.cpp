// What cursors read while other handles change the file: index definitions and records changed
// elsewhere must be seen once committed, and a join must yield exactly the targets of the driving
// records that satisfy their own part of the criteria.
#include <algorithm>
#include <vector>

#include "StoreTestSupport.h"
#include "store/Cursor.h"
#include "store/QueryTerms.h"

namespace {

constexpr std::uint32_t kStore = 100;
constexpr std::uint16_t kTargets = 1;
constexpr std::uint16_t kLinks = 2;
constexpr std::uint16_t kText = 2;
constexpr std::uint16_t kTargetPointer = 50;
constexpr std::uint16_t kRelation = 7;
constexpr std::uint16_t kTextIndex = 251;

class RecordStoreCursorReads : public StoreTest {
 protected:
  void SetUp() override { db_ = CreateAndOpen("cursor.fdb"); }
  void TearDown() override {
    if (other_ != nullptr) Close(&other_);
    if (db_ != nullptr) Close(&db_);
    if (cursor_ != nullptr) store::CursorFree(&cursor_);
  }

  void StartCursor(store::Database* db, std::uint16_t container) {
    if (cursor_ != nullptr) store::CursorFree(&cursor_);
    ASSERT_EQ(store::CursorInit(db, kStore, container, &cursor_), arbcode::SUCCESS);
  }

  void DefineTextIndex(store::Database* db) {
    const store::IndexComponent text = {{1, kText}, 2, store::KeyType::kText};
    ASSERT_EQ(store::DefineIndex(db, kStore, kTextIndex, kTargets, &text, 1), arbcode::SUCCESS);
  }

  std::uint32_t AddLink(std::uint32_t target, std::int32_t relation) {
    node* root = Root(1);
    AddPointer(root, kTargetPointer, target);
    AddNumber(root, kRelation, relation);
    std::uint32_t id = 0;
    EXPECT_EQ(store::Add(db_, kStore, kLinks, &id, root, 0), arbcode::SUCCESS);
    return id;
  }

  void Modify(store::Database* db, std::uint32_t id, std::string_view text) {
    ASSERT_EQ(store::Modify(db, kStore, kTargets, id, TextRecord(&pool_, 1, kText, text), 0),
              arbcode::SUCCESS);
  }

  // The text of the record the cursor reads with `move`, or the code it fails with.
  std::string ReadText(store::CursorMove move) {
    node* root = nullptr;
    const std::uint32_t code = store::CursorRead(cursor_, move, &pool_, &root);
    return code == arbcode::SUCCESS ? TextOf(root, kText) : CodeText(code);
  }

  // Every result's record ID, read forward.
  std::vector<std::uint32_t> Results() {
    std::vector<std::uint32_t> ids;
    std::uint32_t id = 0;
    while (store::CursorGo(cursor_, store::CursorMove::kNext, &id) == arbcode::SUCCESS) {
      ids.push_back(id);
    }
    return ids;
  }
  // The same, in record ID order.
  std::vector<std::uint32_t> SortedResults() {
    std::vector<std::uint32_t> ids = Results();
    std::sort(ids.begin(), ids.end());
    return ids;
  }

  // A cursor of no source of its own over links (set 1) and targets (set 2), joined by the
  // link's pointer, with `relationTest` (items appended after the join) on the links.
  template <typename RelationTest>
  void StartJoin(RelationTest relationTest) {
    StartCursor(nullptr, kTargets);
    ASSERT_EQ(store::CursorAddContext(cursor_, 1, db_, kStore, kLinks), arbcode::SUCCESS);
    ASSERT_EQ(store::CursorAddContext(cursor_, 2, db_, kStore, kTargets), arbcode::SUCCESS);
    Op(store::QueryOp::kOpenParen);
    ASSERT_EQ(store::CursorAddField(cursor_, kTargetPointer, 1), arbcode::SUCCESS);
    Op(store::QueryOp::kEqual);
    ASSERT_EQ(store::CursorAddField(cursor_, store::kRecordIdTag, 2), arbcode::SUCCESS);
    Op(store::QueryOp::kCloseParen);
    relationTest();
    ASSERT_EQ(store::CursorValidate(cursor_), arbcode::SUCCESS);
  }

  void Op(store::QueryOp op) {
    ASSERT_EQ(store::CursorAddOperator(cursor_, static_cast<std::uint16_t>(op)), arbcode::SUCCESS);
  }
  void Number(std::int32_t value) {
    ASSERT_EQ(store::CursorAddValue(cursor_, store::kValueInt32, &value), arbcode::SUCCESS);
  }
  void RelationIs(std::int32_t relation) {
    ASSERT_EQ(store::CursorAddField(cursor_, kRelation, 1), arbcode::SUCCESS);
    Op(store::QueryOp::kEqual);
    Number(relation);
  }

  store::Database* db_ = nullptr;
  store::Database* other_ = nullptr;
  store::Cursor* cursor_ = nullptr;
};

TEST_F(RecordStoreCursorReads, AnIndexDefinedThroughAnotherHandleIsUsableOnceCommitted) {
  const std::uint32_t pear = AddTextRecord(db_, kStore, kTargets, 1, kText, "pear");
  const std::uint32_t apple = AddTextRecord(db_, kStore, kTargets, 1, kText, "apple");
  // This handle reads (and so checks its catalog) before the index exists elsewhere.
  StartCursor(db_, kTargets);
  EXPECT_EQ(ReadText(store::CursorMove::kFirst), "pear");
  EXPECT_EQ(store::CursorSetMasterIndex(cursor_, kTextIndex, 0), arbcode::BAD_IX);

  other_ = Open("cursor.fdb");
  DefineTextIndex(other_);
  StartCursor(db_, kTargets);
  ASSERT_EQ(store::CursorSetMasterIndex(cursor_, kTextIndex, 0), arbcode::SUCCESS);
  EXPECT_EQ(Results(), (std::vector<std::uint32_t>{apple, pear}));
}

TEST_F(RecordStoreCursorReads, AnIndexDroppedByARolledBackDefinitionIsNotUsedFromMemory) {
  AddTextRecord(db_, kStore, kTargets, 1, kText, "pear");
  DefineTextIndex(db_);
  // A definition over components that no stored record fits fails half-way and is rolled back;
  // the earlier definition must stay in force, read back from the file.
  const store::IndexComponent number = {{1, kText}, 2, store::KeyType::kNumber};
  EXPECT_NE(store::DefineIndex(db_, kStore, kTextIndex, kTargets, &number, 1), arbcode::SUCCESS);
  StartCursor(db_, kTargets);
  ASSERT_EQ(store::CursorSetMasterIndex(cursor_, kTextIndex, 0), arbcode::SUCCESS);
  EXPECT_EQ(ReadText(store::CursorMove::kFirst), "pear");
}

TEST_F(RecordStoreCursorReads, ARecordChangedSinceItWasReadIsReadAfresh) {
  const std::uint32_t id = AddTextRecord(db_, kStore, kTargets, 1, kText, "first");
  StartCursor(db_, kTargets);
  ASSERT_EQ(ReadText(store::CursorMove::kNext), "first");

  Modify(db_, id, "second");
  EXPECT_EQ(ReadText(store::CursorMove::kCurrent), "second");
  EXPECT_EQ(ReadText(store::CursorMove::kFirst), "second");

  other_ = Open("cursor.fdb");
  Modify(other_, id, "third");
  EXPECT_EQ(ReadText(store::CursorMove::kCurrent), "third");
  EXPECT_EQ(ReadText(store::CursorMove::kLast), "third");
}

TEST_F(RecordStoreCursorReads, AJoinYieldsTheTargetsOfTheLinksThatPassTheirOwnTests) {
  std::vector<std::uint32_t> targets;
  for (const char* text : {"a", "b", "c", "d"}) {
    targets.push_back(AddTextRecord(db_, kStore, kTargets, 1, kText, text));
  }
  AddLink(targets[2], 1);
  AddLink(targets[0], 2);
  AddLink(targets[1], 1);
  AddLink(targets[3], 3);
  AddLink(targets[1], 2);

  StartJoin([&] {
    Op(store::QueryOp::kAnd);
    RelationIs(1);
  });
  EXPECT_EQ(SortedResults(), (std::vector<std::uint32_t>{targets[1], targets[2]}));

  // A test that is not a top-level conjunct of the links decides nothing alone.
  StartJoin([&] {
    Op(store::QueryOp::kAnd);
    Op(store::QueryOp::kOpenParen);
    RelationIs(3);
    Op(store::QueryOp::kOr);
    ASSERT_EQ(store::CursorAddField(cursor_, kText, 2), arbcode::SUCCESS);
    Op(store::QueryOp::kEqual);
    ASSERT_EQ(store::CursorAddValue(cursor_, store::kValueAnsiText, "a"), arbcode::SUCCESS);
    Op(store::QueryOp::kCloseParen);
  });
  EXPECT_EQ(SortedResults(), (std::vector<std::uint32_t>{targets[0], targets[3]}));

  // A negated test of the links alone still rules their targets out.
  StartJoin([&] {
    Op(store::QueryOp::kAnd);
    Op(store::QueryOp::kNot);
    RelationIs(2);
  });
  EXPECT_EQ(SortedResults(), (std::vector<std::uint32_t>{targets[1], targets[2], targets[3]}));
}

}  // namespace
