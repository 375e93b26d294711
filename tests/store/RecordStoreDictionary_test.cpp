// The field-name dictionary: names per store and kind, first names, duplicates, persistence.
#include "StoreTestSupport.h"

namespace {

class RecordStoreDictionary : public StoreTest {
 protected:
  void SetUp() override { db_ = CreateAndOpen("names.fdb"); }
  void TearDown() override {
    if (db_ != nullptr) Close(&db_);
  }
  std::uint16_t TagOf(std::uint32_t store, const char* name,
                      std::uint16_t kind = store::kFieldNameKind) {
    std::uint16_t tag = 0;
    const std::uint32_t code = store::TagOfName(db_, store, name, kind, &tag);
    return code == arbcode::SUCCESS ? tag : 0;
  }
  store::Database* db_ = nullptr;
};

TEST_F(RecordStoreDictionary, NamesAndTagsAnswerEachOtherPerStoreAcrossReopening) {
  ASSERT_EQ(store::AddFieldName(db_, 96, 5, "CODE"), arbcode::SUCCESS);
  ASSERT_EQ(store::AddFieldName(db_, 96, 5, "LANGUAGE_CODE"), arbcode::SUCCESS);
  ASSERT_EQ(store::AddFieldName(db_, 0, 2, "DATA_VERSION"), arbcode::SUCCESS);
  EXPECT_EQ(TagOf(96, "CODE"), 5);
  EXPECT_EQ(TagOf(96, "LANGUAGE_CODE"), 5);
  EXPECT_EQ(TagOf(0, "CODE"), 0);
  EXPECT_EQ(TagOf(96, "code"), 0);  // names are exact
  std::uint16_t tag = 0;
  EXPECT_EQ(store::TagOfName(db_, 96, "NOPE", store::kFieldNameKind, &tag), arbcode::NOT_FOUND);

  Close(&db_);
  db_ = Open("names.fdb");
  EXPECT_EQ(TagOf(96, "LANGUAGE_CODE"), 5);
  store::NameTable* table = nullptr;
  ASSERT_EQ(store::BuildNameTable(db_, 96, &table), arbcode::SUCCESS);
  ASSERT_NE(store::NameOfTag(table, 5), nullptr);
  EXPECT_STREQ(store::NameOfTag(table, 5), "CODE");
  EXPECT_EQ(store::NameOfTag(table, 2), nullptr);
  store::FreeNameTable(&table);
  EXPECT_EQ(table, nullptr);
}

TEST_F(RecordStoreDictionary, ANameBelongsToOneTagPerKind) {
  ASSERT_EQ(store::AddFieldName(db_, 0, 10, "LITERAL"), arbcode::SUCCESS);
  EXPECT_EQ(store::AddFieldName(db_, 0, 10, "LITERAL"), arbcode::SUCCESS);
  EXPECT_EQ(store::AddFieldName(db_, 0, 11, "LITERAL"), arbcode::DUPLICATE_DICT_NAME);
  EXPECT_EQ(TagOf(0, "LITERAL"), 10);
  // Another kind has names of its own, and the name table holds field names only.
  ASSERT_EQ(store::AddFieldName(db_, 0, 11, "LITERAL", 7), arbcode::SUCCESS);
  EXPECT_EQ(TagOf(0, "LITERAL", 7), 11);
  store::NameTable* table = nullptr;
  ASSERT_EQ(store::BuildNameTable(db_, 0, &table), arbcode::SUCCESS);
  EXPECT_EQ(store::NameOfTag(table, 11), nullptr);
  store::FreeNameTable(&table);

  EXPECT_EQ(store::AddFieldName(db_, 0, 0, "ZERO"), arbcode::INVALID_TAG);
  EXPECT_EQ(store::AddFieldName(db_, 0, 12, ""), arbcode::SYNTAX);
  EXPECT_EQ(store::AddFieldName(db_, 40000, 12, "FAR"), arbcode::INVALID_STORE_NUM);
}

}  // namespace
