// Indexes: definitions kept in the file, entries following every change, one entry per occurrence,
// and text in the order of the store's language.
#include <algorithm>

#include "StoreTestSupport.h"

namespace {

constexpr std::uint16_t kVariant = 60;
constexpr std::uint16_t kLiteral = 120;
constexpr std::uint16_t kSense = 121;
constexpr std::uint16_t kConcept = 50;

class RecordStoreIndexes : public StoreTest {
 protected:
  void SetUp() override { db_ = CreateAndOpen("indexes.fdb"); }
  void TearDown() override {
    if (db_ != nullptr) Close(&db_);
  }

  // Index 251's shape: 60/120 text, then 60/120/121 number.
  void DefineLiteralIndex(std::uint32_t store = 100) {
    const store::IndexComponent components[] = {
        {{1, kVariant, kLiteral}, 3, store::KeyType::kText},
        {{1, kVariant, kLiteral, kSense}, 4, store::KeyType::kNumber}};
    ASSERT_EQ(store::DefineIndex(db_, store, 251, 32001, components, 2), arbcode::SUCCESS);
  }

  node* Variant(std::string_view literal, std::int32_t sense) {
    node* root = Root(1);
    node* variant = AddGroup(root, kVariant);
    node* text = AddText(variant, kLiteral, literal);
    AddNumber(text, kSense, sense);
    return root;
  }

  std::uint32_t AddVariant(std::string_view literal, std::int32_t sense,
                           std::uint32_t store = 100) {
    std::uint32_t id = 0;
    EXPECT_EQ(store::Add(db_, store, 32001, &id, Variant(literal, sense), 0), arbcode::SUCCESS);
    return id;
  }

  // The literals of the index's records, in index order.
  std::vector<std::string> Literals(std::uint32_t store = 100, std::uint16_t index = 251) {
    std::vector<std::string> literals;
    for (std::uint32_t id : List(db_, store, index)) {
      literals.push_back(StoredText(db_, store, 32001, id, kLiteral));
    }
    return literals;
  }

  store::Database* db_ = nullptr;
};

TEST_F(RecordStoreIndexes, EntriesFollowAddModifyAndDelete) {
  DefineLiteralIndex();
  const std::uint32_t dog = AddVariant("dog", 1);
  const std::uint32_t cat = AddVariant("cat", 1);
  const std::uint32_t dog2 = AddVariant("dog", 2);
  AddVariant("bird", 1, 101);  // another store
  EXPECT_EQ(List(db_, 100, 251), (std::vector<std::uint32_t>{cat, dog, dog2}));

  ASSERT_EQ(store::Modify(db_, 100, 32001, dog2, Variant("ant", 3), 0), arbcode::SUCCESS);
  EXPECT_EQ(List(db_, 100, 251), (std::vector<std::uint32_t>{dog2, cat, dog}));
  ASSERT_EQ(store::Delete(db_, 100, 32001, cat, 0), arbcode::SUCCESS);
  EXPECT_EQ(List(db_, 100, 251), (std::vector<std::uint32_t>{dog2, dog}));

  // A record without the first component is not in the index; one without a later one is.
  node* noLiteral = Root(1);
  AddGroup(noLiteral, kVariant);
  std::uint32_t id = 0;
  ASSERT_EQ(store::Add(db_, 100, 32001, &id, noLiteral, 0), arbcode::SUCCESS);
  node* noSense = Root(1);
  AddText(AddGroup(noSense, kVariant), kLiteral, "dog");
  id = 0;
  ASSERT_EQ(store::Add(db_, 100, 32001, &id, noSense, 0), arbcode::SUCCESS);
  // Absent sorts before present.
  EXPECT_EQ(List(db_, 100, 251), (std::vector<std::uint32_t>{dog2, id, dog}));
}

TEST_F(RecordStoreIndexes, NumbersOrderBySignAndSize) {
  DefineLiteralIndex();
  const std::uint32_t plus = AddVariant("x", 7);
  const std::uint32_t minus = AddVariant("x", -3);
  const std::uint32_t large = AddVariant("x", 1000000);
  const std::uint32_t smallest = AddVariant("x", -2147483647 - 1);
  const std::uint32_t zero = AddVariant("x", 0);
  EXPECT_EQ(List(db_, 100, 251), (std::vector<std::uint32_t>{smallest, minus, zero, plus, large}));
}

TEST_F(RecordStoreIndexes, RepeatedFieldsGiveOneEntryPerOccurrence) {
  const store::IndexComponent target{{1, 311}, 2, store::KeyType::kPointer};
  ASSERT_EQ(store::DefineIndex(db_, 98, 311, 310, &target, 1), arbcode::SUCCESS);
  node* root = Root(1);
  AddPointer(root, 311, 30);
  AddPointer(root, 311, 10);
  AddPointer(root, 311, 20);
  AddPointer(root, 311, 10);  // the same value twice is one entry
  std::uint32_t many = 0;
  ASSERT_EQ(store::Add(db_, 98, 310, &many, root, 0), arbcode::SUCCESS);
  node* single = Root(1);
  AddPointer(single, 311, 15);
  std::uint32_t one = 0;
  ASSERT_EQ(store::Add(db_, 98, 310, &one, single, 0), arbcode::SUCCESS);
  EXPECT_EQ(List(db_, 98, 311), (std::vector<std::uint32_t>{many, one, many, many}));

  // Modify keeps only the entries of the new content.
  node* fewer = Root(1);
  AddPointer(fewer, 311, 20);
  ASSERT_EQ(store::Modify(db_, 98, 310, many, fewer, 0), arbcode::SUCCESS);
  EXPECT_EQ(List(db_, 98, 311), (std::vector<std::uint32_t>{one, many}));
}

TEST_F(RecordStoreIndexes, DefinitionsPersistAndBuildOverExistingRecords) {
  const std::uint32_t b = AddVariant("b", 1);
  const std::uint32_t a = AddVariant("a", 1);
  DefineLiteralIndex();
  EXPECT_EQ(List(db_, 100, 251), (std::vector<std::uint32_t>{a, b}));
  Close(&db_);
  db_ = Open("indexes.fdb");
  const std::uint32_t c = AddVariant("c", 1);
  EXPECT_EQ(List(db_, 100, 251), (std::vector<std::uint32_t>{a, b, c}));

  // Redefining replaces the old entries.
  const store::IndexComponent sense{{1, kVariant, kLiteral, kSense}, 4, store::KeyType::kNumber};
  ASSERT_EQ(store::DefineIndex(db_, 100, 251, 32001, &sense, 1), arbcode::SUCCESS);
  EXPECT_EQ(List(db_, 100, 251).size(), 3u);

  std::vector<std::uint32_t> ids;
  EXPECT_EQ(store::ListIndex(db_, 100, 999, &ids), arbcode::BAD_IX);
  EXPECT_EQ(store::DefineIndex(db_, 100, 5, 32001, &sense, 0), arbcode::BAD_IX);
  store::IndexComponent deep = sense;
  deep.depth = store::kMaxPathDepth + 1;
  EXPECT_EQ(store::DefineIndex(db_, 100, 5, 32001, &deep, 1), arbcode::BAD_IX);
}

TEST_F(RecordStoreIndexes, AValueThatDoesNotFitItsKeyTypeIsRefusedWithTheRecord) {
  DefineLiteralIndex();
  node* root = Root(1);
  node* literal = AddText(AddGroup(root, kVariant), kLiteral, "dog");
  AddText(literal, kSense, "not a number");
  std::uint32_t id = 0;
  EXPECT_EQ(store::Add(db_, 100, 32001, &id, root, 0), arbcode::CONV_BAD_SRC_TYPE);
  node* nothing = nullptr;
  EXPECT_EQ(store::Retrieve(db_, 100, 32001, 1, 0, &pool_, &nothing), arbcode::NOT_FOUND);
  EXPECT_TRUE(List(db_, 100, 251).empty());
}

TEST_F(RecordStoreIndexes, TextFollowsTheCollationOfTheStoresLanguage) {
  ASSERT_EQ(store::SetStoreLocale(db_, 101, "fr"), arbcode::SUCCESS);
  ASSERT_EQ(store::SetStoreLocale(db_, 102, "pl"), arbcode::SUCCESS);
  for (std::uint32_t s : {101u, 102u, 103u}) DefineLiteralIndex(s);
  for (const char* word : {"zèbre", "été", "etre", "fête", "Été", "abricot"}) {
    AddVariant(word, 1, 101);
  }
  EXPECT_EQ(Literals(101),
            (std::vector<std::string>{"abricot", "été", "Été", "etre", "fête", "zèbre"}));
  for (const char* word : {"łza", "lato", "mama", "lwy", "zorza"}) AddVariant(word, 1, 102);
  EXPECT_EQ(Literals(102), (std::vector<std::string>{"lato", "lwy", "łza", "mama", "zorza"}));

  // Swedish puts "ö" after "z"; changing the locale re-sorts the existing entries.
  for (const char* word : {"öl", "zon", "ost"}) AddVariant(word, 1, 103);
  EXPECT_EQ(Literals(103), (std::vector<std::string>{"öl", "ost", "zon"}));
  ASSERT_EQ(store::SetStoreLocale(db_, 103, "sv"), arbcode::SUCCESS);
  EXPECT_EQ(Literals(103), (std::vector<std::string>{"ost", "zon", "öl"}));
  Close(&db_);
  db_ = Open("indexes.fdb");
  AddVariant("ära", 1, 103);
  EXPECT_EQ(Literals(103), (std::vector<std::string>{"ost", "zon", "ära", "öl"}));
}

TEST_F(RecordStoreIndexes, ADefinitionMadeThroughAnotherHandleIsMaintainedHereToo) {
  store::Database* other = Open("indexes.fdb");
  ASSERT_NE(other, nullptr);
  const std::uint32_t before = AddVariant("before", 1);
  std::swap(db_, other);
  DefineLiteralIndex();
  std::swap(db_, other);
  const std::uint32_t after = AddVariant("after", 1);
  EXPECT_EQ(List(other, 100, 251), (std::vector<std::uint32_t>{after, before}));
  Close(&other);
}

}  // namespace
