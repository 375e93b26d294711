// Cursors over a small lexical-shaped database: variants (store 100, container 32001) indexed by
// literal, concepts (container 200) and links (container 202) indexed by source concept.
#include "ArbCursor.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ArbRecord.h"
#include "store/Cursor.h"
#include "store/StoreTestSupport.h"

namespace {

constexpr std::uint32_t kStore = 100;
constexpr std::uint16_t kVariants = 32001;
constexpr std::uint16_t kConcepts = 200;
constexpr std::uint16_t kLinks = 202;
constexpr std::uint16_t kVariantRoot = 60;
constexpr std::uint16_t kConceptRoot = 50;
constexpr std::uint16_t kLinkRoot = 70;
constexpr std::uint16_t kLiteral = 120;
constexpr std::uint16_t kSense = 121;
constexpr std::uint16_t kSource = 110;
constexpr std::uint16_t kTarget = 111;
constexpr std::uint16_t kRelation = 4;
constexpr std::uint16_t kLiteralIndex = 251;
constexpr std::uint16_t kJoinIndex = 32050;
constexpr std::uint16_t kLinkIndex = 270;

constexpr std::uint16_t kAnd = 18, kOr = 19, kEq = 21, kMatch = 22, kGe = 29, kLt = 26;
constexpr std::uint16_t kOpen = 39, kClose = 40;
constexpr std::uint16_t kRecordId = 32171;

store::IndexComponent Component(std::initializer_list<std::uint16_t> path, store::KeyType type) {
  store::IndexComponent component{};
  std::copy(path.begin(), path.end(), component.path);
  component.depth = static_cast<std::uint8_t>(path.size());
  component.type = type;
  return component;
}

class ArbCursorTest : public StoreTest {
 protected:
  void SetUp() override {
    db_ = CreateAndOpen("lex.fdb");
    ASSERT_NE(db_, nullptr);
    ASSERT_EQ(store::SetStoreLocale(db_, kStore, "fr"), 0u);
    const store::IndexComponent literal =
        Component({kVariantRoot, kLiteral}, store::KeyType::kText);
    ASSERT_EQ(store::DefineIndex(db_, kStore, kLiteralIndex, kVariants, &literal, 1), 0u);
    ASSERT_EQ(store::DefineIndex(db_, kStore, kJoinIndex, kVariants, &literal, 1), 0u);
    const store::IndexComponent source = Component({kLinkRoot, kSource}, store::KeyType::kPointer);
    ASSERT_EQ(store::DefineIndex(db_, kStore, kLinkIndex, kLinks, &source, 1), 0u);
    ASSERT_EQ(store::AddFieldName(db_, kStore, kLiteral, "LITERAL"), 0u);
    ASSERT_EQ(store::AddFieldName(db_, kStore, kSense, "SENSE"), 0u);

    for (int i = 1; i <= 6; ++i) AddRecord(kConcepts, Root(kConceptRoot));
    // Variant records 1..9: literal, sense, concept.
    const struct {
      const char* literal;
      int sense;
      std::uint32_t conceptId;
    } variants[] = {{"dog", 1, 1},     {"Dog", 2, 2},  {"dogma", 1, 3},
                    {"été", 1, 4},     {"etre", 1, 5}, {"zèbre", 1, 6},
                    {"abeille", 1, 4}, {"dog", 3, 3},  {"happiness", 1, 5}};
    for (const auto& v : variants) {
      node* root = Root(kVariantRoot);
      AddText(root, kLiteral, v.literal);
      AddNumber(root, kSense, v.sense);
      AddPointer(root, kConceptRoot, v.conceptId);
      AddRecord(kVariants, root);
    }
    // A variant-shaped record without a literal stays out of the literal index.
    node* bare = Root(kVariantRoot);
    AddNumber(bare, kSense, 9);
    AddRecord(kVariants, bare);
    // Links of concept 1: to 3 (relation 8), 2 (relation 10), 3 again (relation 10); concept 2
    // to 1.
    AddLink(1, 3, 8);
    AddLink(1, 2, 10);
    AddLink(1, 3, 10);
    AddLink(2, 1, 8);
  }
  void TearDown() override { Close(&db_); }

  void AddRecord(std::uint16_t container, node* root) {
    std::uint32_t id = 0;
    ASSERT_EQ(store::Add(db_, kStore, container, &id, root, 0), 0u);
  }
  void AddLink(std::uint32_t source, std::uint32_t target, std::int32_t relation) {
    node* root = Root(kLinkRoot);
    AddPointer(root, kSource, source);
    AddPointer(root, kTarget, target);
    AddNumber(root, kRelation, relation);
    AddRecord(kLinks, root);
  }

  // The record IDs a forward walk yields.
  static std::vector<std::uint32_t> Walk(ArbCursor& cursor) {
    std::vector<std::uint32_t> ids;
    ArbRecord record;
    while (cursor.ReadNext(record)) ids.push_back(record.GetID());
    return ids;
  }
  // The literals a forward walk yields.
  static std::vector<std::string> Literals(ArbCursor& cursor) {
    std::vector<std::string> out;
    ArbRecord record;
    char text[64];
    while (cursor.ReadNext(record)) {
      out.push_back(record.FindGetString(text, sizeof text, kLiteral) > 0 ? text : "");
    }
    return out;
  }

  store::Database* db_ = nullptr;
};

using Ids = std::vector<std::uint32_t>;
using Texts = std::vector<std::string>;

TEST_F(ArbCursorTest, ExactLookUpFollowsModeAndMasterIndex) {
  ArbCursor cursor(db_, kVariants, kStore);
  cursor.SetMasterIndex(kLiteralIndex, 1);
  const std::uint16_t path[] = {kVariantRoot, kLiteral, 0};
  ASSERT_EQ(cursor.AddField(path), 1);
  cursor.AddOp(kEq);
  cursor.AddValue("dog");
  ASSERT_EQ(cursor.Validate(), 1);
  EXPECT_EQ(Walk(cursor), (Ids{1, 8, 2}));  // by default letter case does not count
  EXPECT_EQ(cursor.GetRecCount(), 3u);

  cursor.CaseSensitive(1);
  cursor.Wildcards(0);
  EXPECT_EQ(Walk(cursor), (Ids{1, 8}));
}

TEST_F(ArbCursorTest, PatternsPrefixesAndSuffixes) {
  ArbCursor cursor(db_, kVariants, kStore);
  cursor.SetMasterIndex(kLiteralIndex, 1);
  ASSERT_EQ(cursor.SetCriteria("LITERAL MATCH 'DO*'"), 1);
  EXPECT_EQ(Literals(cursor), (Texts{"dog", "dog", "Dog", "dogma"}));
  ASSERT_EQ(cursor.SetCriteria(nullptr), 1);
  ASSERT_EQ(cursor.SetCriteria("LITERAL == '*ness'"), 1);
  EXPECT_EQ(Literals(cursor), (Texts{"happiness"}));
  cursor.ClearCriteria();
  cursor.Wildcards(0);
  ASSERT_EQ(cursor.SetCriteria("LITERAL == 'do*'"), 1);
  EXPECT_TRUE(Literals(cursor).empty());
}

TEST_F(ArbCursorTest, RangesFollowTheCollationOfTheStore) {
  ArbCursor cursor(db_, kVariants, kStore);
  cursor.SetMasterIndex(kLiteralIndex, 1);
  EXPECT_EQ(Literals(cursor),
            (Texts{"abeille", "dog", "dog", "Dog", "dogma", "été", "etre", "happiness", "zèbre"}));
  cursor.ClearCriteria();
  cursor.AddField(kLiteral);
  cursor.AddOp(kGe);
  cursor.AddValue("e");
  cursor.AddOp(kAnd);
  cursor.AddField(kLiteral);
  cursor.AddOp(kLt);
  cursor.AddValue("f");
  cursor.Wildcards(0);
  ASSERT_EQ(cursor.Validate(), 1);
  EXPECT_EQ(Literals(cursor), (Texts{"été", "etre"}));
}

TEST_F(ArbCursorTest, WithoutMasterIndexResultsComeInRecordIdOrder) {
  ArbCursor cursor(db_, kVariants, kStore);
  ASSERT_EQ(cursor.SetCriteria("LITERAL == dog"), 1);
  EXPECT_EQ(Walk(cursor), (Ids{1, 2, 8}));
  ASSERT_EQ(cursor.SetCriteria(nullptr), 1);
  ASSERT_EQ(cursor.SetCriteria("SENSE > 2"), 1);
  EXPECT_EQ(Walk(cursor), (Ids{8, 10}));
}

TEST_F(ArbCursorTest, MasterIndexRestrictsToTheRecordsItHolds) {
  ArbCursor cursor(db_, kVariants, kStore);
  EXPECT_EQ(cursor.GetRecCount(), 10u);
  cursor.SetMasterIndex(kLiteralIndex, 2);
  EXPECT_EQ(cursor.GetMasterIndex(), kLiteralIndex);
  EXPECT_EQ(cursor.GetRecCount(), 9u);
  EXPECT_THROW(cursor.SetMasterIndex(kLinkIndex, 1), ArbError);
}

TEST_F(ArbCursorTest, BothEndsOfTheResultSet) {
  ArbCursor cursor(db_, kVariants, kStore);
  ASSERT_EQ(cursor.SetCriteria("LITERAL == dog"), 1);
  ArbRecord record;
  ASSERT_EQ(cursor.ReadNext(record), 1);  // a fresh cursor's next is the first
  EXPECT_EQ(record.GetID(), 1u);
  EXPECT_EQ(cursor.ReadPrevious(record), 0);
  EXPECT_EQ(cursor.GetErrorCode(), arbcode::BOF_HIT);
  ASSERT_EQ(cursor.ReadLast(record), 1);
  EXPECT_EQ(record.GetID(), 8u);
  EXPECT_EQ(cursor.ReadNext(record), 0);
  EXPECT_EQ(cursor.GetErrorCode(), arbcode::EOF_HIT);
  EXPECT_EQ(cursor.CurrentRecordID(), 8u);
  ASSERT_EQ(cursor.ReadPrevious(record), 1);
  EXPECT_EQ(record.GetID(), 2u);
  ASSERT_EQ(cursor.ReadCurrent(record), 1);
  EXPECT_EQ(record.GetID(), 2u);
  std::uint32_t id = 0;
  ASSERT_EQ(cursor.GoFirst(&id), 1);
  EXPECT_EQ(id, 1u);
  EXPECT_EQ(record.GetDatabase(), db_);
  EXPECT_EQ(record.GetContainer(), kVariants);

  ArbCursor none(db_, kVariants, kStore);
  ASSERT_EQ(none.SetCriteria("LITERAL == cat"), 1);
  EXPECT_EQ(none.ReadFirst(record), 0);
  EXPECT_EQ(none.ReadPrevious(record), 0);
  EXPECT_EQ(none.GetRecCount(), 0u);
}

TEST_F(ArbCursorTest, LinkedConceptsJoinTwoContainers) {
  ArbCursor cursor(nullptr, kVariants, 0);
  const std::uint16_t links = cursor.OpenContextSet();
  const std::uint16_t concepts = cursor.OpenContextSet();
  cursor.AddContextToSet(links, db_, kStore, kLinks);
  cursor.SetIndex(links, kLinkIndex);
  cursor.AddContextToSet(concepts, db_, kStore, kConcepts);
  cursor.AddOp(kOpen);
  cursor.AddField(kTarget, links);
  cursor.AddOp(kEq);
  cursor.AddField(kRecordId, concepts);
  cursor.AddOp(kClose);
  cursor.AddOp(kAnd);
  cursor.AddField(kSource, links);
  cursor.AddOp(kEq);
  cursor.AddValue(std::uint32_t{1});
  ASSERT_EQ(cursor.Validate(), 1);
  ArbCursor copy = cursor;
  EXPECT_EQ(Walk(cursor), (Ids{3, 2}));  // distinct, in the order of the links
  ArbRecord record;
  ASSERT_EQ(cursor.ReadFirst(record), 1);
  EXPECT_EQ(record.GetContainer(), kConcepts);
  EXPECT_EQ(record.GetDatabase(), db_);

  cursor.AddOp(kAnd);
  cursor.AddField(kRelation, links);
  cursor.AddOp(kEq);
  cursor.AddValue(std::int16_t{10});
  EXPECT_EQ(Walk(cursor), (Ids{2, 3}));
}

TEST_F(ArbCursorTest, ConceptsOfAWordJoinVariantsToConcepts) {
  ArbCursor cursor(nullptr, kVariants, 0);
  const std::uint16_t variants = cursor.OpenContextSet();
  const std::uint16_t concepts = cursor.OpenContextSet();
  cursor.AddContextToSet(variants, db_, kStore, kVariants);
  cursor.AddContextToSet(concepts, db_, kStore, kConcepts);
  cursor.SetIndex(kJoinIndex, kJoinIndex);
  const std::uint16_t pointer[] = {kVariantRoot, kConceptRoot, 0};
  const std::uint16_t literal[] = {kVariantRoot, kLiteral, 0};
  cursor.AddField(pointer, variants);
  cursor.AddOp(kEq);
  cursor.AddField(kRecordId, concepts);
  cursor.AddOp(kAnd);
  cursor.AddField(literal, variants);
  cursor.AddOp(kEq);
  cursor.AddValue("DOG");
  ASSERT_EQ(cursor.Validate(), 1);
  EXPECT_EQ(Walk(cursor), (Ids{1, 3, 2}));
  EXPECT_EQ(cursor.GetRecCount(), 3u);
}

TEST_F(ArbCursorTest, OrOfRecordIdsIsValidatedByTheFirstRead) {
  ArbCursor cursor(db_, kConcepts, kStore);
  for (std::uint32_t id : {5u, 2u, 9u}) {
    if (id != 5u) cursor.AddOp(kOr);
    cursor.AddField(kRecordId);
    cursor.AddOp(kEq);
    cursor.AddValue(id);
  }
  EXPECT_EQ(Walk(cursor), (Ids{2, 5}));
}

TEST_F(ArbCursorTest, MalformedCriteriaFailAtValidate) {
  ArbCursor cursor(db_, kVariants, kStore);
  cursor.AddField(kLiteral, 3);
  cursor.AddOp(kEq);
  cursor.AddValue("x");
  EXPECT_EQ(cursor.Validate(), 0);
  EXPECT_EQ(cursor.GetErrorCode(), arbcode::BAD_QUERY_SOURCE);
  EXPECT_EQ(cursor.SetCriteria("LITERAL =="), 0);
  EXPECT_EQ(cursor.GetErrorCode(), arbcode::SYNTAX);
  cursor.ClearCriteria();
  EXPECT_EQ(cursor.SetCriteria("LITERAL MATCH 5"), 0);
  EXPECT_EQ(cursor.GetErrorCode(), arbcode::UNALLOWED_CONVERSION);
  ArbRecord record;
  EXPECT_EQ(cursor.ReadFirst(record), 0);
}

TEST_F(ArbCursorTest, HostileValuesAreAnsweredNotHung) {
  ArbCursor cursor(db_, kVariants, kStore);
  cursor.SetMasterIndex(kLiteralIndex, 1);
  const std::string stars(10000, '*');
  cursor.AddField(kLiteral);
  cursor.AddOp(kMatch);
  cursor.AddValue(stars.c_str());
  EXPECT_EQ(cursor.GetRecCount(), 9u);
  cursor.ClearCriteria();
  const std::string longText(60000, 'a');
  cursor.AddField(kLiteral);
  cursor.AddOp(kEq);
  cursor.AddValue(longText.c_str());
  EXPECT_EQ(cursor.GetRecCount(), 0u);
}

TEST_F(ArbCursorTest, ContextSetSlots) {
  ArbCursor cursor;
  for (std::uint16_t expected = 1; expected <= 8; ++expected) {
    EXPECT_EQ(cursor.OpenContextSet(), expected);
  }
  EXPECT_EQ(cursor.OpenContextSet(), 0);
  cursor.CloseContextSet(3);
  cursor.CloseContextSet(0);
  cursor.CloseContextSet(9);
  EXPECT_EQ(cursor.OpenContextSet(), 3);
  EXPECT_EQ(cursor.OpenContextSet(), 0);
  cursor.ClearContextSets();
  EXPECT_EQ(cursor.OpenContextSet(), 1);
}

TEST_F(ArbCursorTest, CopiesTakeTheSourceOnly) {
  ArbCursor cursor(db_, kVariants, kStore);
  ASSERT_EQ(cursor.SetCriteria("LITERAL == dog"), 1);
  ArbRecord record;
  cursor.ReadFirst(record);
  ArbCursor copy(cursor);
  EXPECT_EQ(copy.GetDatabase(), db_);
  EXPECT_EQ(copy.GetStore(), kStore);
  EXPECT_EQ(copy.GetRecCount(), 10u);
  EXPECT_THROW(copy.CurrentRecordID(), ArbError);
}

TEST_F(ArbCursorTest, ModeBits) {
  ArbCursor cursor(db_, kVariants, kStore);
  std::uint16_t mode = 0;
  store::CursorGetMode(cursor.GetCursor(), &mode);
  EXPECT_EQ(mode, store::kDefaultMode);
  cursor.Wildcards(1);
  cursor.Wildcards(0);
  store::CursorGetMode(cursor.GetCursor(), &mode);
  EXPECT_EQ(mode & 0x3, ArbCursor::kWildcardsOff);
  EXPECT_EQ(mode & 0xC, ArbCursor::kCaseInsensitive);
  cursor.CaseSensitive(1);
  store::CursorGetMode(cursor.GetCursor(), &mode);
  EXPECT_EQ(mode, 0x109);
}

TEST_F(ArbCursorTest, ChangesThroughTheCursor) {
  ArbCursor cursor(db_, kConcepts, kStore);
  ArbRecord record(kConceptRoot);
  ASSERT_EQ(cursor.AddRecord(record, 2), 1);
  EXPECT_EQ(record.GetID(), 7u);
  EXPECT_EQ(record.GetContainer(), kConcepts);
  ASSERT_EQ(cursor.UpdateRecord(record, 2), 1);
  ArbRecord unsaved(kConceptRoot);
  EXPECT_EQ(cursor.UpdateRecord(unsaved, 2), 0);
  EXPECT_EQ(cursor.DeleteRecord(0u, 2), 0);
  ASSERT_EQ(cursor.DeleteRecord(record, 2), 1);
  EXPECT_EQ(cursor.ReadRecord(7, record), 0);
  ASSERT_EQ(cursor.ReadMatching(kRecordId, kEq, 4, record), 1);
  EXPECT_EQ(record.GetID(), 4u);
}

}  // namespace

namespace {

class ArbCursorFoldingTest : public ArbCursorTest {
 protected:
  void AddWord(const char* literal) {
    node* root = Root(kVariantRoot);
    AddText(root, kLiteral, literal);
    AddRecord(kVariants, root);
  }
};

TEST_F(ArbCursorFoldingTest, IndexedLookUpsFoldNonAsciiCase) {
  for (const char* word : {"Żółw", "żółwik", "σκύλος", "ΣΚΎΛΟΣ", "Élan", "élan"}) AddWord(word);
  ArbCursor cursor(db_, kVariants, kStore);
  cursor.SetMasterIndex(kLiteralIndex, 1);
  ASSERT_EQ(cursor.SetCriteria("LITERAL == 'żÓŁW'"), 1);
  EXPECT_EQ(Literals(cursor), (Texts{"Żółw"}));
  ASSERT_EQ(cursor.SetCriteria(nullptr), 1);
  ASSERT_EQ(cursor.SetCriteria("LITERAL MATCH 'ŻÓŁ*'"), 1);
  EXPECT_EQ(Literals(cursor), (Texts{"Żółw", "żółwik"}));
  ASSERT_EQ(cursor.SetCriteria(nullptr), 1);
  ASSERT_EQ(cursor.SetCriteria("LITERAL == 'Σκύλος'"), 1);
  EXPECT_EQ(Literals(cursor).size(), 2u);
  ASSERT_EQ(cursor.SetCriteria(nullptr), 1);
  cursor.CaseSensitive(1);
  ASSERT_EQ(cursor.SetCriteria("LITERAL == 'élan'"), 1);
  EXPECT_EQ(Literals(cursor), (Texts{"élan"}));
  ASSERT_EQ(cursor.SetCriteria(nullptr), 1);
  cursor.CaseSensitive(0);
  ASSERT_EQ(cursor.SetCriteria("LITERAL BEGIN 'EL'"), 1);
  EXPECT_TRUE(Literals(cursor).empty());  // accents count: É is not E
}

}  // namespace
