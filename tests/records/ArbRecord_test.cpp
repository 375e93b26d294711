#include "ArbRecord.h"

#include <gtest/gtest.h>

#include "ArbCodes.h"
#include "ArbRecordTestSupport.h"

using R = ArbRecord;

TEST(ArbRecord, BuildsTreesWithAddField) {
  ArbRecord record;
  BuildSample(record);
  EXPECT_EQ(Shape(record), "1:0 2:1 3:2 4:2 5:1 6:2 2:1 3:2");
  EXPECT_EQ(record.GetRootTag(), 1);
  EXPECT_EQ(record.GetTag(), 1);

  ArbRecord empty;
  EXPECT_EQ(static_cast<node*>(empty), nullptr);
  EXPECT_EQ(empty.AddField(2, 0, R::eFromRoot, R::eGraftChild), 0);
  EXPECT_EQ(empty.GetRootTag(), 0);
  EXPECT_EQ(empty.GotoFirst(), 0);
  EXPECT_EQ(empty.FindField(2), 0);
  EXPECT_EQ(empty.GetFieldCount(2), 0);
}

TEST(ArbRecord, RefusedInsertionsKeepTheTree) {
  ArbRecord record;
  BuildSample(record);
  EXPECT_EQ(record.AddField(0, 0, R::eFromRoot, R::eGraftChild), 0);
  EXPECT_EQ(record.GetLastError(), arbcode::INVALID_TAG);
  EXPECT_EQ(record.AddField(9, 0, R::eFromRoot, R::eGraftSibling), 0);
  EXPECT_EQ(record.GetLastError(), arbcode::GED_BAD_LEVEL);
  EXPECT_EQ(record.AddField(9, 0, R::eFromRoot, static_cast<R::eGraftMode>(2)), 0);
  EXPECT_EQ(record.AddField(9, 0, R::eFromParent, R::eGraftChild), 0);
  EXPECT_EQ(record.AddField(9, 0, static_cast<R::eFindStart>(6), R::eGraftChild), 0);
  EXPECT_EQ(Shape(record), "1:0 2:1 3:2 4:2 5:1 6:2 2:1 3:2");
  EXPECT_EQ(record.GetTag(), 1);
}

TEST(ArbRecord, FindFieldCountsOccurrencesAndStaysWhenNothingMatches) {
  ArbRecord record;
  BuildSample(record);
  ASSERT_EQ(record.FindField(3, 0), 1);
  node* first = record.GetCurrentField();
  ASSERT_EQ(record.FindField(3, 1), 1);
  EXPECT_EQ(record.GetCurrentField(), first);
  ASSERT_EQ(record.FindField(3, 2), 1);
  node* second = record.GetCurrentField();
  EXPECT_NE(second, first);
  EXPECT_EQ(record.FindField(3, 3), 0);
  EXPECT_EQ(record.GetCurrentField(), second);

  // The root itself belongs to its tree.
  EXPECT_EQ(record.FindField(1), 1);
  EXPECT_EQ(record.GetCurrentField(), static_cast<node*>(record));
}

TEST(ArbRecord, SearchAreasAroundTheStartField) {
  ArbRecord record;
  BuildSample(record);
  ASSERT_EQ(record.FindField(5), 1);
  EXPECT_EQ(record.FindField(3, 1, R::eFromCurrent, R::eInTree), 0);
  EXPECT_EQ(record.FindField(3, 1, R::eFromCurrent, R::eInSiblings), 0);
  ASSERT_EQ(record.FindField(3, 1, R::eFromCurrent, R::eInForest), 1);
  EXPECT_EQ(record.GetCurrentField()->level, 2);

  ASSERT_EQ(record.FindField(5), 1);
  EXPECT_EQ(record.FindField(3, 1, R::eFromCurrent, R::eInNextSiblings), 0);
  ASSERT_EQ(record.FindField(2, 1, R::eFromCurrent, R::eInPreviousSiblings), 1);
  EXPECT_EQ(record.GetCurrentField()->next->tag, 3);
  ASSERT_EQ(record.FindField(2, 1, R::eFromCurrent, R::eInNextSiblings), 1);
  EXPECT_EQ(record.GetCurrentField()->next->next, nullptr);
  // From the last child, the first child is two previous siblings back.
  ASSERT_EQ(record.FindField(2, 2, R::eFromNext, R::eInPreviousSiblings), 0);
  ASSERT_EQ(record.FindField(2, 1, R::eFromCurrent, R::eInPreviousSiblings), 1);

  EXPECT_EQ(record.FindField(5, 1, R::eFromRoot, static_cast<R::eFindArea>(5)), 0);
  EXPECT_EQ(record.FindField(5, 1, static_cast<R::eFindStart>(9)), 0);
}

TEST(ArbRecord, FieldCountsByArea) {
  ArbRecord record;
  BuildSample(record);
  EXPECT_EQ(record.GetFieldCount(3), 2);
  EXPECT_EQ(record.GetFieldCount(2, R::eFromChild, R::eInTree), 1);
  EXPECT_EQ(record.GetFieldCount(3, R::eFromChild, R::eInForest), 2);
  ASSERT_EQ(record.FindField(5), 1);
  EXPECT_EQ(record.GetFieldCount(2, R::eFromCurrent, R::eInSiblings), 2);
  EXPECT_EQ(record.GetFieldCount(5, R::eFromCurrent, R::eInSiblings), 1);
  EXPECT_EQ(record.GetFieldCount(5, R::eFromCurrent, R::eInNextSiblings), 0);
  EXPECT_EQ(record.GetFieldCount(2, R::eFromCurrent, R::eInNextSiblings), 1);
  EXPECT_EQ(record.GetFieldCount(2, R::eFromCurrent, R::eInPreviousSiblings), 1);
  EXPECT_EQ(record.GetFieldCount(6, R::eFromChild, R::eInSiblings), 1);
  // A start field that does not exist counts nothing.
  ASSERT_EQ(record.FindField(6), 1);
  EXPECT_EQ(record.GetFieldCount(6, R::eFromChild, R::eInTree), 0);
  EXPECT_EQ(record.GetFieldCount(6, R::eFromNext, R::eInTree), 0);
  EXPECT_EQ(record.GetFieldCount(1, R::eFromRoot, static_cast<R::eFindArea>(7)), 0);
}

TEST(ArbRecord, NavigationStaysInsideTheRecord) {
  ArbRecord record;
  BuildSample(record);
  EXPECT_EQ(record.GotoParent(), 0);
  EXPECT_EQ(record.GotoNext(), 0);
  ASSERT_EQ(record.GotoChild(), 1);
  EXPECT_EQ(record.GetTag(), 2);
  EXPECT_EQ(record.GotoPrevious(), 0);
  ASSERT_EQ(record.GotoNext(), 1);
  EXPECT_EQ(record.GetTag(), 5);
  ASSERT_EQ(record.GotoLast(), 1);
  node* last = record.GetCurrentField();
  EXPECT_EQ(record.GotoLast(), 1);
  EXPECT_EQ(record.GetCurrentField(), last);
  ASSERT_EQ(record.GotoFirst(), 1);
  EXPECT_EQ(record.GetCurrentField(), static_cast<node*>(record)->next);
  EXPECT_EQ(record.GotoFirst(), 1);
  ASSERT_EQ(record.GotoChild(), 1);
  ASSERT_EQ(record.GotoParent(), 1);
  EXPECT_EQ(record.GetTag(), 2);

  // A root set on an inner field has neither parent nor siblings.
  ArbRecord view;
  ASSERT_EQ(record.FindField(5), 1);
  view.SetRoot(record.GetCurrentField());
  EXPECT_EQ(view.GotoNext(), 0);
  EXPECT_EQ(view.GotoParent(), 0);
  EXPECT_EQ(view.GotoPrevious(), 0);
  EXPECT_EQ(view.FindField(2, 1, R::eFromRoot, R::eInForest), 0);
  EXPECT_EQ(view.GetFieldCount(2, R::eFromRoot, R::eInSiblings), 0);
  EXPECT_EQ(Shape(view), "5:1 6:2");
}

TEST(ArbRecord, DeleteFieldMovesToNextThenPreviousThenParent) {
  ArbRecord record;
  BuildSample(record);
  ASSERT_EQ(record.FindField(3), 1);
  ASSERT_EQ(record.DeleteField(0), 1);
  EXPECT_EQ(record.GetTag(), 4);  // next sibling
  ASSERT_EQ(record.DeleteField(0), 1);
  EXPECT_EQ(record.GetTag(), 2);  // no sibling left: the parent
  EXPECT_EQ(Shape(record), "1:0 2:1 5:1 6:2 2:1 3:2");
  ASSERT_EQ(record.FindField(2, 2), 1);
  ASSERT_EQ(record.DeleteField(0), 1);
  EXPECT_EQ(record.GetTag(), 5);  // previous sibling
  // Deleting a found field moves the current field too.
  ASSERT_EQ(record.DeleteField(6), 1);
  EXPECT_EQ(record.GetTag(), 5);
  EXPECT_EQ(record.DeleteField(6), 0);
  EXPECT_EQ(Shape(record), "1:0 2:1 5:1");

  ASSERT_EQ(record.DeleteField(1), 1);
  EXPECT_EQ(static_cast<node*>(record), nullptr);
  EXPECT_EQ(record.GetCurrentField(), nullptr);
  EXPECT_EQ(record.DeleteField(0), 0);
}

TEST(ArbRecord, IncludeFieldMakesPresenceAgree) {
  ArbRecord record(1);
  record.IncludeField(7, 1);
  record.IncludeField(7, 1);
  EXPECT_EQ(Shape(record), "1:0 7:1");
  record.IncludeField(8, 1);
  EXPECT_EQ(Shape(record), "1:0 7:1 8:1");
  record.IncludeField(7, 0);
  record.IncludeField(9, 0);
  EXPECT_EQ(Shape(record), "1:0 8:1");
}

TEST(ArbRecord, AddRecordGraftsACopyWithoutRootParts) {
  ArbRecord part(20);
  part.AddField(21, ArbRecord::kLast, R::eFromRoot, R::eGraftChild);
  ASSERT_EQ(part.SetSource(nullptr, 300, 96, 61), 1);
  ArbRecord record;
  BuildSample(record);
  ASSERT_EQ(record.FindField(4), 1);
  ASSERT_EQ(record.AddRecord(part, -1, R::eFromCurrent, R::eGraftSibling), 1);
  EXPECT_EQ(record.GetTag(), 20);
  EXPECT_FALSE(record.GetCurrentField()->HasRecordId());
  EXPECT_FALSE(record.GetCurrentField()->HasSource());
  EXPECT_EQ(Shape(record), "1:0 2:1 3:2 20:2 21:3 4:2 5:1 6:2 2:1 3:2");
  EXPECT_EQ(Shape(part), "20:0 21:1");

  ASSERT_EQ(record.AddRecord(record, ArbRecord::kFirst, R::eFromRoot, R::eGraftChild), 1);
  EXPECT_EQ(record.GetFieldCount(20), 2);
  EXPECT_EQ(record.GetFieldCount(1), 2);
  ArbRecord empty;
  EXPECT_EQ(record.AddRecord(empty, 0, R::eFromRoot, R::eGraftChild), 0);
  EXPECT_EQ(record.GetLastError(), arbcode::NULL_RECORD);
}

TEST(ArbRecord, CopiesAreIndependentAndMayComeFromTheRecordItself) {
  ArbRecord record;
  BuildSample(record);
  ArbRecord copy(record);
  copy.DeleteField(5);
  EXPECT_EQ(Shape(record), "1:0 2:1 3:2 4:2 5:1 6:2 2:1 3:2");
  EXPECT_EQ(Shape(copy), "1:0 2:1 3:2 4:2 2:1 3:2");

  // Assigning one of its own fields: the source must outlive the emptying of the pool.
  ASSERT_EQ(record.FindField(5), 1);
  record = record.GetCurrentField();
  EXPECT_EQ(Shape(record), "5:0 6:1");
  EXPECT_EQ(record.GetCurrentField(), static_cast<node*>(record));
  record = record;
  EXPECT_EQ(Shape(record), "5:0 6:1");

  ArbRecord fromField(static_cast<node*>(copy)->next, 128);
  EXPECT_EQ(Shape(fromField), "2:0 3:1 4:1");
  fromField.Clear();
  EXPECT_EQ(static_cast<node*>(fromField), nullptr);
  EXPECT_EQ(fromField.GetTag(), 0);
}

TEST(ArbRecord, SourceAndIdentity) {
  ArbRecord record(1);
  record.AddField(2, 0, R::eFromRoot, R::eGraftChild);
  EXPECT_EQ(record.GetID(), 0u);
  void* database = &record;
  std::uint16_t container = 7;
  std::uint32_t store = 7;
  std::uint32_t recordId = 7;
  record.GetSource(&database, &container, &store, &recordId);
  EXPECT_EQ(database, nullptr);
  EXPECT_EQ(container, 0);
  EXPECT_EQ(store, 0u);
  EXPECT_EQ(recordId, 0u);

  ASSERT_EQ(record.Put(std::int32_t{5}), 1);  // the current field, not the root
  record.GotoRoot();
  ASSERT_EQ(record.Put("root value"), 1);
  int handle = 0;
  ASSERT_EQ(record.SetSource(ArbContext(&handle, 300, 96), 61), 1);
  EXPECT_EQ(record.GetDatabase(), &handle);
  EXPECT_EQ(record.GetContainer(), 300);
  EXPECT_EQ(record.GetStore(), 96u);
  EXPECT_EQ(record.GetID(), 61u);
  EXPECT_EQ(record.GetCurrentField(), static_cast<node*>(record));
  EXPECT_EQ(Shape(record), "1:0 2:1");
  char text[32];
  ASSERT_EQ(record.Get(text, sizeof text), 1);
  EXPECT_STREQ(text, "root value");

  ASSERT_EQ(record.GotoChild(), 1);
  ASSERT_EQ(record.SetSource(nullptr, 310, 98, 0), 1);
  EXPECT_EQ(record.GetID(), 61u);
  EXPECT_EQ(record.GetTag(), 2);
  record.GetSource(&database, &container, &store, nullptr);
  EXPECT_EQ(database, nullptr);
  EXPECT_EQ(container, 310);
  EXPECT_EQ(store, 98u);

  ArbRecord empty;
  EXPECT_EQ(empty.SetSource(nullptr, 1, 1, 1), 0);
  EXPECT_EQ(empty.GetLastError(), arbcode::NULL_RECORD);
  EXPECT_EQ(empty.GetContainer(), 0);
}

TEST(ArbRecord, ThrowsItsKeptCode) {
  auto* record = new ArbRecord(1);
  record->AddField(0, 0, R::eFromRoot, R::eGraftChild);
  try {
    record->ThrowError();
    FAIL();
  } catch (const ArbError& error) {
    EXPECT_EQ(static_cast<std::uint32_t>(error), arbcode::INVALID_TAG);
  }
  // The record is gone afterwards (a leak or double free shows under the sanitizers).
  try {
    record->DeleteAndThrowError();
    FAIL();
  } catch (const ArbError& error) {
    EXPECT_EQ(static_cast<std::uint32_t>(error), arbcode::INVALID_TAG);
  }
}
