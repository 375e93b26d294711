// The empty lexical database and its language stores: names and indexes in place.
#include "LexicalDatabase.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "ArbCursor.h"
#include "ArbRecord.h"
#include "FxDatabase.h"
#include "LexicalSchema.h"
#include "store/StoreTestSupport.h"

namespace {

class LexicalDatabaseTest : public StoreTest {};

TEST_F(LexicalDatabaseTest, LanguageStoreIndexesAndNamesWork) {
  const std::string path = PathOf("lex.fdb");
  ASSERT_EQ(CreateLexicalDatabase(path.c_str()), 0u);
  EXPECT_EQ(CreateLexicalDatabase(path.c_str()), arbcode::FILE_EXISTS);
  FxSession session;
  FxDatabase db(session);
  ASSERT_EQ(db.Open(path.c_str(), 0, 0), 1);
  EXPECT_EQ(PrepareLanguageStore(db, 99, "en"), arbcode::INVALID_STORE_NUM);
  EXPECT_EQ(PrepareLanguageStore(db, 200, "en"), arbcode::INVALID_STORE_NUM);
  ASSERT_EQ(PrepareLanguageStore(db, 101, "pl"), 0u);

  // Variants of two concepts; the Polish collation puts "łuk" after "lustro".
  std::uint32_t id = 1;
  for (const char* word : {"łuk", "lustro", "mapa"}) {
    ArbRecord variant(schema::VARIANT);
    variant.AddField(schema::CONCEPT, ArbRecord::kLast, ArbRecord::eFromRoot,
                     ArbRecord::eGraftChild);
    variant.AssignField(schema::LITERAL, word);
    ASSERT_EQ(variant.Add(db, 101, schema::kDefaultContainer, id++), 1);
  }
  ArbCursor cursor(db, schema::kDefaultContainer, 101);
  cursor.SetMasterIndex(schema::kLiteralIndex, 1);
  ASSERT_EQ(cursor.SetCriteria("LITERAL >= l"), 1);
  ArbRecord record;
  std::string order;
  char text[32];
  while (cursor.ReadNext(record)) {
    record.FindGetString(text, sizeof text, schema::LITERAL);
    order += std::string(text) + " ";
  }
  EXPECT_EQ(order, "lustro łuk mapa ");

  // Records show their fields by name; store 0 names tag 2 as the data version.
  char formatted[256];
  ASSERT_EQ(cursor.ReadLast(record), 1);
  ASSERT_EQ(record.Format(formatted, sizeof formatted), 1);
  EXPECT_NE(std::strstr(formatted, "0 @3@ VARIANT"), nullptr);
  EXPECT_NE(std::strstr(formatted, "  1 LITERAL mapa"), nullptr);
  ArbRecord version(schema::VERSION);
  version.AssignField(schema::DATA_VERSION, "1.3");
  ASSERT_EQ(version.Add(db, 0, schema::kDefaultContainer, 12), 1);
  ASSERT_EQ(version.Retrieve(db, 0, schema::kDefaultContainer, 12), 1);
  ASSERT_EQ(version.Format(formatted, sizeof formatted), 1);
  EXPECT_STREQ(formatted, "0 @12@ VERSION\r\n  1 DATA_VERSION 1.3\r\n");
}

}  // namespace
