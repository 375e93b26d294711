// Reads kept for reading again: whatever changes the file (this handle, another connection, a bulk
// transaction that is rolled back) must be seen by the next read, and the cache stays within its
// budget.
#include <limits>
#include <vector>

#include "TextIndexStoreTest.h"
#include "store/ReadCache.h"

namespace {

class RecordStoreReadCache : public TextIndexStoreTest {
 protected:
  // The records in text order, read through the index as a cursor reads it.
  std::vector<std::string> InTextOrder(store::Database* db) {
    store::Cursor* cursor = nullptr;
    EXPECT_EQ(store::CursorInit(db, kStore, kContainer, &cursor), arbcode::SUCCESS);
    EXPECT_EQ(store::CursorSetMasterIndex(cursor, kTextIndex, 0), arbcode::SUCCESS);
    std::vector<std::string> texts = ReadTexts(cursor, std::numeric_limits<std::size_t>::max());
    store::CursorFree(&cursor);
    return texts;
  }

  void Modify(store::Database* db, std::uint32_t id, std::string_view text) {
    ASSERT_EQ(store::Modify(db, kStore, kContainer, id, TextRecord(&pool_, 1, kText, text), 0),
              arbcode::SUCCESS);
  }
};

TEST_F(RecordStoreReadCache, ChangesThroughEitherConnectionAreSeenByTheNextRead) {
  const std::uint32_t id = AddTextRecord(db_, kStore, kContainer, 1, kText, "b");
  const std::uint32_t unchanged = AddTextRecord(db_, kStore, kContainer, 1, kText, "x");
  // Everything read twice, so that the second reads come from what was kept. After each change
  // the unchanged record is read first: the read of a changed record must not be the one that
  // happens to read the file again.
  const auto readAll = [&] {
    for (int time = 0; time < 2; ++time) {
      StoredText(db_, kStore, kContainer, unchanged, kText);
      StoredText(db_, kStore, kContainer, id, kText);
      InTextOrder(db_);
    }
  };
  readAll();
  Modify(db_, id, "c");
  EXPECT_EQ(StoredText(db_, kStore, kContainer, unchanged, kText), "x");
  EXPECT_EQ(StoredText(db_, kStore, kContainer, id, kText), "c");
  EXPECT_EQ(InTextOrder(db_), (std::vector<std::string>{"c", "x"}));

  other_ = Open(kFileName);
  readAll();
  Modify(other_, id, "d");
  AddTextRecord(other_, kStore, kContainer, 1, kText, "a");
  EXPECT_EQ(StoredText(db_, kStore, kContainer, unchanged, kText), "x");
  EXPECT_EQ(StoredText(db_, kStore, kContainer, id, kText), "d");
  EXPECT_EQ(InTextOrder(db_), (std::vector<std::string>{"a", "d", "x"}));

  readAll();
  ASSERT_EQ(store::Delete(other_, kStore, kContainer, id, 0), arbcode::SUCCESS);
  EXPECT_EQ(StoredText(db_, kStore, kContainer, unchanged, kText), "x");
  node* root = nullptr;
  EXPECT_EQ(store::Retrieve(db_, kStore, kContainer, id, 0, &pool_, &root), arbcode::NOT_FOUND);
  EXPECT_EQ(InTextOrder(db_), (std::vector<std::string>{"a", "x"}));
}

TEST_F(RecordStoreReadCache, WhatARolledBackBulkTransactionWroteIsNotReadAfterwards) {
  const std::uint32_t id = AddTextRecord(db_, kStore, kContainer, 1, kText, "kept");
  ASSERT_EQ(StoredText(db_, kStore, kContainer, id, kText), "kept");
  ASSERT_EQ(InTextOrder(db_), std::vector<std::string>{"kept"});

  ASSERT_EQ(store::BeginBulk(db_, false), arbcode::SUCCESS);
  Modify(db_, id, "undone");
  const std::uint32_t added = AddTextRecord(db_, kStore, kContainer, 1, kText, "gone");
  EXPECT_EQ(StoredText(db_, kStore, kContainer, id, kText), "undone");
  EXPECT_EQ(InTextOrder(db_), (std::vector<std::string>{"gone", "undone"}));
  ASSERT_EQ(store::AbortBulk(db_), arbcode::SUCCESS);

  EXPECT_EQ(StoredText(db_, kStore, kContainer, id, kText), "kept");
  node* root = nullptr;
  EXPECT_EQ(store::Retrieve(db_, kStore, kContainer, added, 0, &pool_, &root), arbcode::NOT_FOUND);
  EXPECT_EQ(InTextOrder(db_), std::vector<std::string>{"kept"});
}

TEST(ReadCache, KeepsWhatIsInUseWithinItsBudgetAndDropsTheRest) {
  store::ReadCache cache;
  cache.SetBudget(4096);
  const std::string body(500, 'x');
  const auto found = [&cache](std::int64_t key) {
    std::string_view kept;
    return cache.FindBody(key, &kept) ? std::string(kept) : std::string("<none>");
  };
  cache.KeepBody(1, body);
  for (std::int64_t key = 2; key <= 40; ++key) {
    // Key 1 is read as often as a look-up's own synset would be; the rest only once.
    ASSERT_EQ(found(1), body) << key;
    cache.KeepBody(key, body);
  }
  EXPECT_EQ(found(1), body);
  EXPECT_EQ(found(2), "<none>");
  int kept = 0;
  for (std::int64_t key = 1; key <= 40; ++key) kept += found(key) != "<none>" ? 1 : 0;
  EXPECT_LE(kept * 500, 4096);
  EXPECT_GE(kept, 2);

  // An entry larger than a generation is not kept at all.
  cache.KeepBody(99, std::string(4096, 'y'));
  EXPECT_EQ(found(99), "<none>");

  const store::IndexPage page{{7, 8}, "last"};
  cache.KeepIndexPage(store::IndexRangeName("a", "b", 16), page);
  std::vector<std::uint32_t> ids;
  std::string lastKey;
  EXPECT_FALSE(cache.FindIndexPage(store::IndexRangeName("a", "b", 32), &ids, &lastKey));
  ASSERT_TRUE(cache.FindIndexPage(store::IndexRangeName("a", "b", 16), &ids, &lastKey));
  EXPECT_EQ(ids, page.recordIds);
  EXPECT_EQ(lastKey, page.lastKey);
  cache.Clear();
  EXPECT_FALSE(cache.FindIndexPage(store::IndexRangeName("a", "b", 16), &ids, &lastKey));
  EXPECT_EQ(found(1), "<none>");
}

}  // namespace
