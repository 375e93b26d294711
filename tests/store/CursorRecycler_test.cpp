// Freed cursors are started again for later CursorInit calls: a cursor started from a freed one
// must behave exactly as a new one, carrying no criteria, results, position, mode, indexes or
// sources of its earlier use.
#include <string>
#include <vector>

#include "TextIndexStoreTest.h"
#include "store/CursorState.h"
#include "store/ResultReuse.h"

namespace {

constexpr std::uint16_t kCaseSensitiveMode = 0x10A;
constexpr std::uint16_t kOtherContainer = 2;

class CursorRecycler : public TextIndexStoreTest {
 protected:
  void SetUp() override {
    TextIndexStoreTest::SetUp();
    AddTextRecord(db_, kStore, kContainer, 1, kText, "a");
    AddTextRecord(db_, kStore, kContainer, 1, kText, "b");
    AddTextRecord(db_, kStore, kContainer, 1, kText, "c");
  }

  // Appends "text field of `set` == text".
  static void AddTextEquals(store::Cursor* cursor, std::uint16_t set, const char* text) {
    EXPECT_EQ(store::CursorAddField(cursor, kText, set), arbcode::SUCCESS);
    EXPECT_EQ(store::CursorAddOperator(cursor, static_cast<std::uint16_t>(store::QueryOp::kEqual)),
              arbcode::SUCCESS);
    EXPECT_EQ(store::CursorAddValue(cursor, store::kValueAnsiText, text), arbcode::SUCCESS);
  }

  store::Cursor* Start(store::Database* db, std::uint16_t container = kContainer) {
    store::Cursor* cursor = nullptr;
    EXPECT_EQ(store::CursorInit(db, kStore, container, &cursor), arbcode::SUCCESS);
    return cursor;
  }

  // A cursor with everything a use can leave behind: criteria selecting "b", a mode, a master
  // index, an index and a source for a context set, complete results (kept for cursors built
  // alike) and a position.
  store::Cursor* UsedCursor() {
    store::Cursor* cursor = Start(db_);
    EXPECT_EQ(store::CursorSetMode(cursor, kCaseSensitiveMode), arbcode::SUCCESS);
    EXPECT_EQ(store::CursorSetMasterIndex(cursor, kTextIndex, 2), arbcode::SUCCESS);
    EXPECT_EQ(store::CursorAddContext(cursor, 3, db_, kStore, kContainer), arbcode::SUCCESS);
    EXPECT_EQ(store::CursorSetConfig(cursor, store::kConfigSetSetIndex, 3, kTextIndex),
              arbcode::SUCCESS);
    EXPECT_EQ(store::CursorSetConfig(cursor, store::kConfigSetSetIndex, 9, kTextIndex),
              arbcode::SUCCESS);
    AddTextEquals(cursor, 0, "b");
    EXPECT_EQ(store::CursorValidate(cursor), arbcode::SUCCESS);
    EXPECT_EQ(ReadTexts(cursor), std::vector<std::string>{"b"});
    return cursor;
  }

  // What a new cursor over (db_, kStore, container) holds, compared field by field.
  void ExpectLikeNew(const store::Cursor* cursor, std::uint16_t container) {
    std::uint16_t value = 1;
    EXPECT_EQ(store::CursorGetMode(cursor, &value), arbcode::SUCCESS);
    EXPECT_EQ(value, store::kDefaultMode);
    EXPECT_EQ(store::CursorGetMasterIndex(cursor, &value), arbcode::SUCCESS);
    EXPECT_EQ(value, 0);
    for (std::uint16_t set : {3, 9}) {
      value = 1;
      EXPECT_EQ(store::CursorGetConfig(cursor, store::kConfigGetSetIndex, set, &value),
                arbcode::SUCCESS);
      EXPECT_EQ(value, 0) << set;
    }
    std::uint32_t id = 0;
    EXPECT_EQ(store::CursorCurrentId(cursor, &id), arbcode::NOT_FOUND);
    EXPECT_TRUE(cursor->items.empty());
    EXPECT_EQ(cursor->masterOption, 0);
    EXPECT_EQ(cursor->sources[3].db, nullptr);

    store::Cursor fresh;
    fresh.sources[0] = {db_, kStore, container, 0};
    store::Database* home = nullptr;
    EXPECT_EQ(store::CursorResultsKey(*cursor, &home), store::CursorResultsKey(fresh, &home));
  }
};

TEST_F(CursorRecycler, ACursorStartedAfterAFreedOneCarriesNothingOfIt) {
  store::Cursor* used = UsedCursor();
  store::Cursor* const freed = used;
  ASSERT_EQ(store::CursorFree(&used), arbcode::SUCCESS);
  EXPECT_EQ(used, nullptr);

  store::Cursor* again = Start(db_);
  // The same object, or the test would not see the reuse it is about.
  ASSERT_EQ(again, freed);
  ExpectLikeNew(again, kContainer);
  // No criteria and no position: every record, from the first.
  EXPECT_EQ(ReadTexts(again), (std::vector<std::string>{"a", "b", "c"}));
  ASSERT_EQ(store::CursorFree(&again), arbcode::SUCCESS);

  // Over another container, the results are that container's, not the ones taken before.
  store::Cursor* other = Start(db_, kOtherContainer);
  ExpectLikeNew(other, kOtherContainer);
  EXPECT_TRUE(ReadTexts(other).empty());
  ASSERT_EQ(store::CursorFree(&other), arbcode::SUCCESS);

  // Without a source of its own, nothing of the earlier sets is left to read from.
  store::Cursor* sourceless = Start(nullptr);
  std::uint32_t count = 1;
  EXPECT_EQ(store::CursorCount(sourceless, &count), arbcode::SUCCESS);
  EXPECT_EQ(count, 0u);
  ASSERT_EQ(store::CursorFree(&sourceless), arbcode::SUCCESS);
}

TEST_F(CursorRecycler, CriteriaAppendedToAStartedCursorSelectAsOnANewOne) {
  store::Cursor* used = UsedCursor();
  ASSERT_EQ(store::CursorFree(&used), arbcode::SUCCESS);

  // The same criteria in the default mode: "B" finds "b" without regard to letter case; a cursor
  // that kept the case-sensitive mode, or the results kept for "b", would differ.
  store::Cursor* again = Start(db_);
  AddTextEquals(again, 0, "B");
  EXPECT_EQ(ReadTexts(again), std::vector<std::string>{"b"});
  ASSERT_EQ(store::CursorFree(&again), arbcode::SUCCESS);

  // A criterion that names context set 3 is refused: the set's source went with the freed cursor.
  store::Cursor* joined = Start(db_);
  AddTextEquals(joined, 3, "b");
  EXPECT_EQ(store::CursorValidate(joined), arbcode::BAD_QUERY_SOURCE);
  ASSERT_EQ(store::CursorFree(&joined), arbcode::SUCCESS);
}

TEST_F(CursorRecycler, FieldsAppendedAfterLongerPathsNameOnlyTheirOwnTags) {
  // Paths longer and shorter than the fields that follow, so that memory kept from one field could
  // leave tags behind in another.
  store::Cursor* used = Start(db_);
  const std::uint16_t deep[] = {1, kText, kText, kText};
  for (std::uint16_t depth : {4, 2, 3}) {
    ASSERT_EQ(store::CursorAddFieldPath(used, deep, depth, 0), arbcode::SUCCESS);
  }
  ASSERT_EQ(store::CursorFree(&used), arbcode::SUCCESS);

  const std::uint16_t root[] = {1};
  store::Cursor* again = Start(db_);
  store::Cursor fresh;
  fresh.sources[0] = {db_, kStore, kContainer, 0};
  for (store::Cursor* cursor : {again, &fresh}) {
    ASSERT_EQ(store::CursorAddField(cursor, kText, 0), arbcode::SUCCESS);
    ASSERT_EQ(store::CursorAddFieldPath(cursor, root, 1, 0), arbcode::SUCCESS);
    ASSERT_EQ(store::CursorAddFieldPath(cursor, deep, 2, 0), arbcode::SUCCESS);
  }
  ASSERT_EQ(again->items.size(), 3u);
  EXPECT_EQ(again->items[0].field.path, std::vector<std::uint16_t>{kText});
  EXPECT_EQ(again->items[1].field.path, std::vector<std::uint16_t>{1});
  EXPECT_EQ(again->items[2].field.path, (std::vector<std::uint16_t>{1, kText}));
  store::Database* home = nullptr;
  EXPECT_EQ(store::CursorResultsKey(*again, &home), store::CursorResultsKey(fresh, &home));
  ASSERT_EQ(store::CursorFree(&again), arbcode::SUCCESS);
}

// The stream a cursor's results came from is started again for its next results: a stream left
// part-way through an index range must not go on from where it stopped, nor hand out its last body.
TEST_F(CursorRecycler, ResultsStartedAgainComeFromTheNewCriteriaFromTheStart) {
  std::vector<std::string> all;
  for (int i = 0; i < 40; ++i) {
    all.push_back("t" + std::to_string(10 + i));
    AddTextRecord(db_, kStore, kContainer, 1, kText, all.back());
  }
  const auto matching = [&all](char second) {
    std::vector<std::string> texts;
    for (const std::string& text : all) {
      if (text[1] == second) texts.push_back(text);
    }
    return texts;
  };
  const auto textCursor = [this](const char* pattern) {
    store::Cursor* cursor = Start(db_);
    EXPECT_EQ(store::CursorSetMasterIndex(cursor, kTextIndex, 0), arbcode::SUCCESS);
    AddTextEquals(cursor, 0, pattern);
    return cursor;
  };

  for (int round = 0; round < 2; ++round) {
    // Read in part, then the mode changes: the same cursor's results start over.
    store::Cursor* partly = textCursor("t*");
    ASSERT_EQ(ReadTexts(partly, 20).size(), 20u);
    ASSERT_EQ(store::CursorSetMode(partly, kCaseSensitiveMode), arbcode::SUCCESS);
    EXPECT_EQ(ReadTexts(partly), all) << round;
    ASSERT_EQ(ReadTexts(partly, 5).size(), 0u);
    // Read in part and freed: the next cursor's results are its own, and complete.
    store::Cursor* again = textCursor("t2*");
    ASSERT_EQ(ReadTexts(again, 3).size(), 3u);
    ASSERT_EQ(store::CursorFree(&again), arbcode::SUCCESS);
    store::Cursor* next = textCursor("t3*");
    EXPECT_EQ(ReadTexts(next), matching('3')) << round;
    std::uint32_t count = 0;
    ASSERT_EQ(store::CursorCount(next, &count), arbcode::SUCCESS);
    EXPECT_EQ(count, matching('3').size());
    ASSERT_EQ(store::CursorFree(&next), arbcode::SUCCESS);
    ASSERT_EQ(store::CursorFree(&partly), arbcode::SUCCESS);
  }
  // None of the cursors read in part left its results to be taken as complete.
  store::Cursor* whole = textCursor("t2*");
  EXPECT_EQ(ReadTexts(whole), matching('2'));
  ASSERT_EQ(store::CursorFree(&whole), arbcode::SUCCESS);
}

// A stream read in part was to keep its results once complete; started again for results that are
// known already, it must not keep those under the name of the criteria it served before.
TEST_F(CursorRecycler, ResultsStartedAgainAreKeptOnlyUnderTheirOwnName) {
  AddTextRecord(db_, kStore, kContainer, 1, kText, "B");
  const auto textCursor = [this](std::uint16_t mode) {
    store::Cursor* cursor = Start(db_);
    EXPECT_EQ(store::CursorSetMode(cursor, mode), arbcode::SUCCESS);
    AddTextEquals(cursor, 0, "b");
    return cursor;
  };
  const std::vector<std::string> exact = {"b"};
  const std::vector<std::string> anyCase = {"b", "B"};
  // Results are kept only within a read transaction, which the first record read begins.
  ASSERT_EQ(StoredText(db_, kStore, kContainer, 1, kText), "a");

  // The case-sensitive results are kept whole.
  store::Cursor* sensitive = textCursor(kCaseSensitiveMode);
  ASSERT_EQ(ReadTexts(sensitive), exact);
  store::Database* home = nullptr;
  store::CursorResults kept;
  std::uint64_t transaction = 0;
  ASSERT_TRUE(store::FindCursorResults(db_, store::CursorResultsKey(*sensitive, &home), &kept,
                                       &transaction));
  ASSERT_EQ(store::CursorFree(&sensitive), arbcode::SUCCESS);

  // Read in part without regard to case, then made case-sensitive: answered from the kept results.
  store::Cursor* partly = textCursor(store::kDefaultMode);
  ASSERT_EQ(ReadTexts(partly, 1).size(), 1u);
  ASSERT_EQ(store::CursorSetMode(partly, kCaseSensitiveMode), arbcode::SUCCESS);
  EXPECT_EQ(ReadTexts(partly), exact);
  ASSERT_EQ(store::CursorFree(&partly), arbcode::SUCCESS);

  // Read in part and freed; the next cursor is answered from the kept results.
  partly = textCursor(store::kDefaultMode);
  ASSERT_EQ(ReadTexts(partly, 1).size(), 1u);
  ASSERT_EQ(store::CursorFree(&partly), arbcode::SUCCESS);
  sensitive = textCursor(kCaseSensitiveMode);
  EXPECT_EQ(ReadTexts(sensitive), exact);
  ASSERT_EQ(store::CursorFree(&sensitive), arbcode::SUCCESS);

  store::Cursor* insensitive = textCursor(store::kDefaultMode);
  EXPECT_EQ(ReadTexts(insensitive), anyCase);
  ASSERT_EQ(store::CursorFree(&insensitive), arbcode::SUCCESS);
}

TEST_F(CursorRecycler, ManyCursorsFreedAtOnceAreAllReleasedOrStartedAgain) {
  // More than are kept: the rest are deleted (the sanitizer build reports a leak or a double
  // release), and every one started again reads like a new one.
  std::vector<store::Cursor*> cursors;
  for (int i = 0; i < 40; ++i) cursors.push_back(UsedCursor());
  for (store::Cursor*& cursor : cursors) ASSERT_EQ(store::CursorFree(&cursor), arbcode::SUCCESS);
  for (store::Cursor*& cursor : cursors) {
    cursor = Start(db_);
    ExpectLikeNew(cursor, kContainer);
  }
  EXPECT_EQ(ReadTexts(cursors.back()), (std::vector<std::string>{"a", "b", "c"}));
  for (store::Cursor*& cursor : cursors) ASSERT_EQ(store::CursorFree(&cursor), arbcode::SUCCESS);
}

}  // namespace
