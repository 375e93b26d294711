#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "ArbCodes.h"
#include "ArbRecord.h"
#include "ArbRecordTestSupport.h"
#include "store/FieldValue.h"
#include "store/StoreTestSupport.h"

using R = ArbRecord;

namespace {

constexpr std::uint32_t kStore = 96;
constexpr std::uint16_t kContainer = 300;

// A language-like record: 1 ( 10:"français" 11:-7 12 ( 13:@5@ ) )
void BuildLanguage(ArbRecord& record) {
  record = ArbRecord(1);
  record.AssignField(10,
                     "fran\xC3\xA7"
                     "ais");
  record.AssignField(11, std::int32_t{-7});
  record.AddField(12, R::kLast, R::eFromRoot, R::eGraftChild);
  record.AddField(13, R::kLast, R::eFromCurrent, R::eGraftChild);
  store::SetRecordPointer(record.GetPool(), record.GetCurrentField(), 5);
  record.GotoRoot();
}

}  // namespace

class ArbRecordDatabase : public StoreTest {
 protected:
  void SetUp() override {
    db_ = CreateAndOpen("records.fdb");
    ASSERT_NE(db_, nullptr);
    context_ = ArbContext(db_, kContainer, kStore);
  }
  void TearDown() override { Close(&db_); }

  store::Database* db_ = nullptr;
  ArbContext context_;
};

TEST_F(ArbRecordDatabase, AddThenRetrieveGivesTheSameTreeWithItsSource) {
  ArbRecord record;
  BuildLanguage(record);
  ASSERT_EQ(record.Add(context_, 61), 1) << CodeText(record.GetLastError());
  // Adding gives no source.
  EXPECT_EQ(record.GetDatabase(), nullptr);

  ArbRecord read;
  ASSERT_EQ(read.Retrieve(context_, 61), 1) << CodeText(read.GetLastError());
  EXPECT_EQ(Shape(read), "1:0 10:1 11:1 12:1 13:2");
  EXPECT_EQ(read.GetCurrentField(), static_cast<node*>(read));
  EXPECT_EQ(read.GetID(), 61u);
  EXPECT_EQ(read.GetDatabase(), db_);
  EXPECT_EQ(read.GetStore(), kStore);
  EXPECT_EQ(read.GetContainer(), kContainer);
  BSTR text = read.FindGetBSTR(10);
  ASSERT_NE(text, nullptr);
  EXPECT_EQ(std::u16string(text), u"fran\u00E7ais");
  SysFreeString(text);
  EXPECT_EQ(read.FindGetWSDWORD(11), -7);
  EXPECT_EQ(read.FindGetRecPtr(13), 5u);
}

TEST_F(ArbRecordDatabase, RecordIdZeroMeansTheRootsOwn) {
  ArbRecord record;
  BuildLanguage(record);
  ASSERT_EQ(record.Add(context_, 61), 1);
  ASSERT_EQ(record.Retrieve(context_, 61), 1);
  record.AssignField(10, "changed");
  ASSERT_EQ(record.Update(context_, 0), 1) << CodeText(record.GetLastError());

  // Retrieve(ctx, 0) reads the record the root names again.
  record.AssignField(10, "not stored");
  ASSERT_EQ(record.Retrieve(context_, 0), 1);
  EXPECT_EQ(record.GetID(), 61u);
  char buffer[16];
  EXPECT_EQ(record.FindGetString(buffer, sizeof buffer, 10), 7);
  EXPECT_STREQ(buffer, "changed");

  ASSERT_EQ(record.Remove(context_, 0), 1);
  EXPECT_EQ(record.Retrieve(context_, 0), 0);
  EXPECT_EQ(record.GetLastError(), arbcode::NOT_FOUND);
  // A failed retrieve leaves the record empty.
  EXPECT_EQ(static_cast<node*>(record), nullptr);
  EXPECT_EQ(record.GetID(), 0u);
}

TEST_F(ArbRecordDatabase, AddWithoutAnIdLetsTheStoreAssignOne) {
  ArbRecord record;
  BuildLanguage(record);
  ASSERT_EQ(record.Add(context_, 0), 1) << CodeText(record.GetLastError());
  ASSERT_EQ(record.Add(db_, kStore, kContainer, 0), 1);
  ArbRecord read;
  ASSERT_EQ(read.Retrieve(db_, kStore, kContainer, 1), 1);
  ASSERT_EQ(read.Retrieve(db_, kStore, kContainer, 2), 1);
  EXPECT_EQ(Shape(read), Shape(record));

  // A retrieved record carries its ID, so adding it again collides.
  EXPECT_EQ(read.Add(context_, 0), 0);
  EXPECT_EQ(read.GetLastError(), arbcode::EXISTS);
}

TEST_F(ArbRecordDatabase, StoreRefusalsAreKept) {
  ArbRecord empty;
  EXPECT_EQ(empty.Add(context_, 5), 0);
  EXPECT_EQ(empty.GetLastError(), arbcode::NULL_RECORD);
  EXPECT_EQ(empty.Update(context_, 5), 0);
  EXPECT_EQ(empty.GetLastError(), arbcode::NULL_RECORD);

  ArbRecord record;
  BuildLanguage(record);
  EXPECT_EQ(record.Update(context_, 99), 0);
  EXPECT_EQ(record.GetLastError(), arbcode::NOT_FOUND);
  EXPECT_EQ(record.Retrieve(ArbContext(), 1), 0);
  EXPECT_EQ(record.GetLastError(), arbcode::DB_HANDLE);
  EXPECT_EQ(static_cast<node*>(record), nullptr);
}

TEST_F(ArbRecordDatabase, FormatNamesFieldsFromTheDictionary) {
  ASSERT_EQ(store::AddFieldName(db_, kStore, 1, "LANGUAGE"), arbcode::SUCCESS);
  ASSERT_EQ(store::AddFieldName(db_, kStore, 10, "NAME"), arbcode::SUCCESS);
  ASSERT_EQ(store::AddFieldName(db_, 0, 11, "ELSEWHERE"), arbcode::SUCCESS);
  ArbRecord record;
  BuildLanguage(record);
  ASSERT_EQ(record.Add(context_, 61), 1);
  ASSERT_EQ(record.Retrieve(context_, 61), 1);

  char buffer[256];
  ASSERT_EQ(record.Format(buffer, sizeof buffer), 1) << CodeText(record.GetLastError());
  EXPECT_STREQ(buffer,
               "0 @61@ LANGUAGE\r\n"
               "  1 NAME fran\xC3\xA7"
               "ais\r\n"
               "  1 TAG_11 -7\r\n"
               "  1 TAG_12\r\n"
               "    2 TAG_13 @5@\r\n");

  // Moved to store 0, the record is named by that store's dictionary.
  ASSERT_EQ(record.SetSource(db_, kContainer, 0, 0), 1);
  ASSERT_EQ(record.Format(buffer, sizeof buffer), 1);
  EXPECT_STREQ(buffer,
               "0 @61@ TAG_1\r\n"
               "  1 TAG_10 fran\xC3\xA7"
               "ais\r\n"
               "  1 ELSEWHERE -7\r\n"
               "  1 TAG_12\r\n"
               "    2 TAG_13 @5@\r\n");
}

TEST_F(ArbRecordDatabase, ADamagedFileThrowsWhereAMissingRecordGivesZero) {
  ArbRecord record;
  BuildLanguage(record);
  ASSERT_EQ(record.Add(context_, 61), 1) << CodeText(record.GetLastError());
  ArbRecord read;
  EXPECT_EQ(read.Retrieve(context_, 62), 0);
  EXPECT_EQ(read.GetLastError(), arbcode::NOT_FOUND);
  Close(&db_);

  // One changed byte in the page that holds the record: a caller that took the 0 of a failed read
  // for "no such record" would answer wrongly, so the read throws.
  std::vector<char> bytes = ReadFile(PathOf("records.fdb"));
  const std::string text = "fran\xC3\xA7";
  const auto at = std::search(bytes.begin(), bytes.end(), text.begin(), text.end());
  ASSERT_NE(at, bytes.end());
  *at = 'F';
  WriteFile(PathOf("records.fdb"), bytes);
  db_ = Open("records.fdb", store::kOpenReadOnly);
  ASSERT_NE(db_, nullptr);
  context_ = ArbContext(db_, kContainer, kStore);
  try {
    read.Retrieve(context_, 61);
    ADD_FAILURE() << "a read of a damaged page returned " << CodeText(read.GetLastError());
  } catch (const ArbError& error) {
    EXPECT_EQ(static_cast<unsigned long>(error), arbcode::BLOCK_CHECKSUM);
  }
}
