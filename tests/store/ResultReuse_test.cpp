// Complete cursor results kept for cursors built again alike: the name under which they are kept
// must tell apart every cursor whose results may differ, and a cursor must never take the results
// of one that differs from it or that was not read to its end.
#include <string>
#include <vector>

#include "TextIndexStoreTest.h"
#include "store/CursorState.h"
#include "store/ResultReuse.h"

namespace {

constexpr std::uint16_t kCaseSensitiveMode = 0x10A;

class ResultReuse : public TextIndexStoreTest {
 protected:
  void TearDown() override {
    for (store::Cursor*& cursor : cursors_) store::CursorFree(&cursor);
    TextIndexStoreTest::TearDown();
  }

  // A cursor over the test container selecting records whose text equals `text`.
  store::Cursor* TextCursor(const char* text, std::uint16_t mode = store::kDefaultMode,
                            std::uint16_t masterIndex = 0) {
    store::Cursor* cursor = nullptr;
    EXPECT_EQ(store::CursorInit(db_, kStore, kContainer, &cursor), arbcode::SUCCESS);
    cursors_.push_back(cursor);
    EXPECT_EQ(store::CursorSetMode(cursor, mode), arbcode::SUCCESS);
    if (masterIndex != 0) {
      EXPECT_EQ(store::CursorSetMasterIndex(cursor, masterIndex, 0), arbcode::SUCCESS);
    }
    EXPECT_EQ(store::CursorAddField(cursor, kText, 0), arbcode::SUCCESS);
    EXPECT_EQ(store::CursorAddOperator(cursor, static_cast<std::uint16_t>(store::QueryOp::kEqual)),
              arbcode::SUCCESS);
    EXPECT_EQ(store::CursorAddValue(cursor, store::kValueAnsiText, text), arbcode::SUCCESS);
    return cursor;
  }

  std::string KeyOf(const store::Cursor* cursor) {
    store::Database* home = nullptr;
    return store::CursorResultsKey(*cursor, &home);
  }

  std::vector<store::Cursor*> cursors_;
};

TEST_F(ResultReuse, KeysTellApartCursorsWhoseResultsMayDiffer) {
  const std::string plain = KeyOf(TextCursor("a"));
  ASSERT_FALSE(plain.empty());
  EXPECT_EQ(KeyOf(TextCursor("a")), plain);

  const std::vector<std::string> others = {
      KeyOf(TextCursor("b")),
      KeyOf(TextCursor("a ")),
      KeyOf(TextCursor("a", kCaseSensitiveMode)),
      KeyOf(TextCursor("a", store::kDefaultMode, kTextIndex)),
  };
  for (const std::string& other : others) EXPECT_NE(other, plain);

  // The same tag as a number, and as a path anchored at the root.
  store::Cursor* number = nullptr;
  ASSERT_EQ(store::CursorInit(db_, kStore, kContainer, &number), arbcode::SUCCESS);
  cursors_.push_back(number);
  const std::int32_t value = 97;
  ASSERT_EQ(store::CursorAddField(number, kText, 0), arbcode::SUCCESS);
  ASSERT_EQ(store::CursorAddOperator(number, static_cast<std::uint16_t>(store::QueryOp::kEqual)),
            arbcode::SUCCESS);
  ASSERT_EQ(store::CursorAddValue(number, store::kValueInt32, &value), arbcode::SUCCESS);
  EXPECT_NE(KeyOf(number), plain);

  // Context sets in a second database: not kept at all.
  other_ = CreateAndOpen("other.fdb");
  store::Cursor* joined = TextCursor("a");
  ASSERT_EQ(store::CursorAddContext(joined, 1, other_, kStore, kContainer), arbcode::SUCCESS);
  EXPECT_TRUE(KeyOf(joined).empty());
}

TEST_F(ResultReuse, CursorsBuiltAgainGiveTheirOwnCompleteResults) {
  AddTextRecord(db_, kStore, kContainer, 1, kText, "a");
  AddTextRecord(db_, kStore, kContainer, 1, kText, "A");
  AddTextRecord(db_, kStore, kContainer, 1, kText, "b");
  const std::vector<std::string> both = {"a", "A"};

  // A cursor read only in part leaves nothing that a later one could take as complete.
  EXPECT_EQ(ReadTexts(TextCursor("a", store::kDefaultMode, kTextIndex), 1).size(), 1u);
  EXPECT_EQ(ReadTexts(TextCursor("a", store::kDefaultMode, kTextIndex)).size(), 2u);
  EXPECT_EQ(ReadTexts(TextCursor("a", store::kDefaultMode, kTextIndex)).size(), 2u);

  for (int time = 0; time < 2; ++time) {
    EXPECT_EQ(ReadTexts(TextCursor("a")), both) << time;
    EXPECT_EQ(ReadTexts(TextCursor("a", kCaseSensitiveMode)), std::vector<std::string>{"a"})
        << time;
    EXPECT_EQ(ReadTexts(TextCursor("b")), std::vector<std::string>{"b"}) << time;
    std::uint32_t count = 0;
    EXPECT_EQ(store::CursorCount(TextCursor("a"), &count), arbcode::SUCCESS);
    EXPECT_EQ(count, 2u) << time;
  }

  // Read backwards from results taken whole.
  store::Cursor* backwards = TextCursor("a");
  node* root = nullptr;
  ASSERT_EQ(store::CursorRead(backwards, store::CursorMove::kLast, &pool_, &root),
            arbcode::SUCCESS);
  EXPECT_EQ(TextOf(root, kText), "A");
  ASSERT_EQ(store::CursorRead(backwards, store::CursorMove::kPrevious, &pool_, &root),
            arbcode::SUCCESS);
  EXPECT_EQ(TextOf(root, kText), "a");

  AddTextRecord(db_, kStore, kContainer, 1, kText, "a");
  EXPECT_EQ(ReadTexts(TextCursor("a")), (std::vector<std::string>{"a", "A", "a"}));
}

// Validation may be answered by kept results (sparing the compilation); whatever happens between
// validation and the first read must still be seen.
TEST_F(ResultReuse, CursorsValidatedFromKeptResultsSeeWhatChangesBeforeTheirFirstRead) {
  AddTextRecord(db_, kStore, kContainer, 1, kText, "a");
  AddTextRecord(db_, kStore, kContainer, 1, kText, "A");
  AddTextRecord(db_, kStore, kContainer, 1, kText, "b");
  const std::vector<std::string> both = {"a", "A"};
  ASSERT_EQ(ReadTexts(TextCursor("a")), both);

  store::Cursor* validated = TextCursor("a");
  ASSERT_EQ(store::CursorValidate(validated), arbcode::SUCCESS);
  EXPECT_EQ(ReadTexts(validated), both);

  // A write between validation and read: the criteria are compiled then, and select as before.
  validated = TextCursor("a");
  ASSERT_EQ(store::CursorValidate(validated), arbcode::SUCCESS);
  AddTextRecord(db_, kStore, kContainer, 1, kText, "c");
  EXPECT_EQ(ReadTexts(validated), both);
  ASSERT_EQ(ReadTexts(TextCursor("a")), both);
  validated = TextCursor("a");
  ASSERT_EQ(store::CursorValidate(validated), arbcode::SUCCESS);
  AddTextRecord(db_, kStore, kContainer, 1, kText, "a");
  EXPECT_EQ(ReadTexts(validated), (std::vector<std::string>{"a", "A", "a"}));

  // Another mode after validation names other results.
  ASSERT_EQ(ReadTexts(TextCursor("a")).size(), 3u);
  validated = TextCursor("a");
  ASSERT_EQ(store::CursorValidate(validated), arbcode::SUCCESS);
  ASSERT_EQ(store::CursorSetMode(validated, kCaseSensitiveMode), arbcode::SUCCESS);
  EXPECT_EQ(ReadTexts(validated), (std::vector<std::string>{"a", "a"}));
}

// Results keep the bodies of their first records, handed out without another look-up: never once
// a change may have made them out of date.
TEST_F(ResultReuse, BodiesKeptWithResultsAreNeverHandedOutOutOfDate) {
  AddTextRecord(db_, kStore, kContainer, 1, kText, "a");
  const std::uint32_t second = AddTextRecord(db_, kStore, kContainer, 1, kText, "A");
  const std::vector<std::string> both = {"a", "A"};
  ASSERT_EQ(ReadTexts(TextCursor("a")), both);
  ASSERT_EQ(ReadTexts(TextCursor("a")), both);

  // Changed between the reads of one cursor, through this handle.
  store::Cursor* reading = TextCursor("a");
  ASSERT_EQ(ReadTexts(reading, 1), std::vector<std::string>{"a"});
  ASSERT_EQ(store::Modify(db_, kStore, kContainer, second, TextRecord(&pool_, 1, kText, "a"), 0),
            arbcode::SUCCESS);
  EXPECT_EQ(ReadTexts(reading), std::vector<std::string>{"a"});
  ASSERT_EQ(ReadTexts(TextCursor("a")), (std::vector<std::string>{"a", "a"}));

  // Changed between validation and the first read.
  store::Cursor* validated = TextCursor("a");
  ASSERT_EQ(store::CursorValidate(validated), arbcode::SUCCESS);
  ASSERT_EQ(store::Modify(db_, kStore, kContainer, second, TextRecord(&pool_, 1, kText, "A"), 0),
            arbcode::SUCCESS);
  EXPECT_EQ(ReadTexts(validated), both);
}

}  // namespace
