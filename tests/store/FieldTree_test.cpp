#include "store/FieldTree.h"

#include <string>
#include <vector>

#include "FieldPoolFixture.h"
#include "store/FieldValue.h"

namespace {

// The tree as "tag:level" pairs in list order, checking the back links on the way.
std::string Shape(const node* root) {
  std::string shape;
  const node* previous = nullptr;
  for (const node* n = root; n != nullptr; previous = n, n = n->next) {
    EXPECT_EQ(n->prev, previous) << "broken back link at tag " << n->tag;
    if (!shape.empty()) shape += ' ';
    shape += std::to_string(n->tag) + ":" + std::to_string(n->level);
  }
  return shape;
}

std::uint32_t CollectLevels(int relativeLevel, node* field, void* user) {
  auto* seen = static_cast<std::vector<std::pair<int, int>>*>(user);
  seen->emplace_back(field->tag, relativeLevel);
  return field->tag == 99 ? 7 : 0;
}

}  // namespace

class FieldTree : public FieldPoolFixture {
 protected:
  // 1 ( 2 ( 3 4 ) 5 ( 6 ) 7 )
  node* Sample() {
    node* root = NewField(1);
    node* two = Child(root, 2);
    Child(two, 3);
    Child(two, 4);
    node* five = Child(root, 5);
    Child(five, 6);
    Child(root, 7);
    return root;
  }

  node* Child(node* parent, std::uint16_t tag, std::int16_t position = 32767) {
    node* field = NewField(tag);
    EXPECT_EQ(store::GraftChild(parent, field, position), arbcode::SUCCESS);
    return field;
  }

  node* ByTag(node* root, std::uint16_t tag) { return store::Find(1, root, tag, 1); }
};

TEST_F(FieldTree, CreateFieldMakesAValuelessContextField) {
  node* field = NewField(12, 61);
  EXPECT_EQ(field->FieldKind(), kFieldContext);
  EXPECT_EQ(field->length, 0);
  EXPECT_EQ(field->level, 0);
  EXPECT_TRUE(field->HasRecordId());
  EXPECT_EQ(field->recordId, 61u);
  EXPECT_FALSE(NewField(13)->HasRecordId());
  node* none = nullptr;
  EXPECT_EQ(store::CreateField(&pool_, 0, 0, &none), arbcode::INVALID_TAG);
  EXPECT_EQ(none, nullptr);
}

TEST_F(FieldTree, ChildPositionsAreIndexesAmongTheChildren) {
  node* root = NewField(1);
  Child(root, 10);
  Child(root, 30, 32767);
  Child(root, 20, 1);
  Child(root, 5, -32767);
  Child(root, 7, 1);
  Child(root, 40, 200);
  Child(root, 3, -5);
  EXPECT_EQ(Shape(root), "1:0 3:1 5:1 7:1 10:1 20:1 30:1 40:1");
}

TEST_F(FieldTree, SiblingPositionsStepOverWholeSubtrees) {
  node* root = Sample();
  node* five = ByTag(root, 5);
  ASSERT_EQ(store::GraftSibling(five, NewField(50), 0), arbcode::SUCCESS);
  EXPECT_EQ(Shape(root), "1:0 2:1 3:2 4:2 5:1 6:2 50:1 7:1");
  ASSERT_EQ(store::GraftSibling(five, NewField(51), 1), arbcode::SUCCESS);
  EXPECT_EQ(Shape(root), "1:0 2:1 3:2 4:2 5:1 6:2 50:1 51:1 7:1");
  ASSERT_EQ(store::GraftSibling(five, NewField(52), 32767), arbcode::SUCCESS);
  EXPECT_EQ(Shape(root), "1:0 2:1 3:2 4:2 5:1 6:2 50:1 51:1 7:1 52:1");
  ASSERT_EQ(store::GraftSibling(five, NewField(49), -1), arbcode::SUCCESS);
  EXPECT_EQ(Shape(root), "1:0 2:1 3:2 4:2 49:1 5:1 6:2 50:1 51:1 7:1 52:1");
  ASSERT_EQ(store::GraftSibling(five, NewField(48), -3), arbcode::SUCCESS);
  EXPECT_EQ(Shape(root), "1:0 48:1 2:1 3:2 4:2 49:1 5:1 6:2 50:1 51:1 7:1 52:1");
  ASSERT_EQ(store::GraftSibling(ByTag(root, 4), NewField(47), -32767), arbcode::SUCCESS);
  EXPECT_EQ(Shape(root), "1:0 48:1 2:1 47:2 3:2 4:2 49:1 5:1 6:2 50:1 51:1 7:1 52:1");
}

TEST_F(FieldTree, GraftedTreesAreReleveledAndLoseRootParts) {
  node* root = Sample();
  node* other = NewField(80, 1234);
  Child(Child(other, 81), 82);
  ASSERT_EQ(store::GraftChild(ByTag(root, 6), other, 0), arbcode::SUCCESS);
  EXPECT_EQ(Shape(root), "1:0 2:1 3:2 4:2 5:1 6:2 80:3 81:4 82:5 7:1");
  EXPECT_FALSE(other->HasRecordId());
  EXPECT_EQ(store::ValidateTree(root), arbcode::SUCCESS);
}

TEST_F(FieldTree, RefusedGraftsChangeNothing) {
  node* root = Sample();
  const std::string before = Shape(root);
  EXPECT_EQ(store::GraftSibling(root, NewField(9), 0), arbcode::GED_BAD_LEVEL);
  // A field that is still linked into a tree cannot be grafted again.
  EXPECT_EQ(store::GraftChild(ByTag(root, 7), ByTag(root, 3), 0), arbcode::ILLEGAL_OP);
  EXPECT_EQ(store::GraftChild(nullptr, NewField(9), 0), arbcode::NULL_RECORD);

  node* deep = NewField(100);
  for (int level = 1; level <= 255; ++level) deep = Child(deep, 100);
  EXPECT_EQ(deep->level, 255);
  EXPECT_EQ(store::GraftChild(deep, NewField(9), 0), arbcode::GED_BAD_LEVEL);
  EXPECT_EQ(Shape(root), before);
}

TEST_F(FieldTree, FindCoversOneSubtreeOrTheFollowingSiblingsToo) {
  node* root = Sample();
  node* six = ByTag(root, 6);
  Child(ByTag(root, 3), 6);
  node* two = ByTag(root, 2);
  EXPECT_EQ(store::Find(1, two, 6, 1), store::FirstChild(ByTag(root, 3)));
  EXPECT_EQ(store::Find(1, two, 6, 2), nullptr);
  EXPECT_EQ(store::Find(0, two, 6, 2), six);
  EXPECT_EQ(store::Find(0, two, 6, 0), store::Find(0, two, 6, 1));
  EXPECT_EQ(store::Find(1, two, 2, 1), two);
  // Following siblings only: the parent's later fields are out of reach.
  EXPECT_EQ(store::Find(0, ByTag(root, 3), 5, 1), nullptr);
}

TEST_F(FieldTree, WalkGivesRelativeLevelsAndStopsOnRequest) {
  node* root = Sample();
  std::vector<std::pair<int, int>> seen;
  EXPECT_EQ(store::Walk(1, ByTag(root, 2), CollectLevels, &seen), arbcode::SUCCESS);
  EXPECT_EQ(seen, (std::vector<std::pair<int, int>>{{2, 0}, {3, 1}, {4, 1}}));

  seen.clear();
  Child(ByTag(root, 5), 99);
  Child(ByTag(root, 5), 98);
  EXPECT_EQ(store::Walk(0, ByTag(root, 5), CollectLevels, &seen), 7u);
  EXPECT_EQ(seen, (std::vector<std::pair<int, int>>{{5, 0}, {6, 1}, {99, 1}}));
}

TEST_F(FieldTree, CopyTreeRebasesAndCanTakeTheFollowingSiblings) {
  node* root = Sample();
  node* copy = nullptr;
  ASSERT_EQ(store::CopyTree(&pool_, 0, ByTag(root, 2), &copy), arbcode::SUCCESS);
  EXPECT_EQ(Shape(copy), "2:0 3:1 4:1 5:0 6:1 7:0");
  ASSERT_EQ(store::CopyTree(&pool_, 1, NewField(20, 61), &copy), arbcode::SUCCESS);
  EXPECT_TRUE(copy->HasRecordId());
  EXPECT_EQ(copy->recordId, 61u);
}

TEST_F(FieldTree, PutRecordSourceReplacesTheRootInPlace) {
  node* root = Sample();
  ASSERT_EQ(store::SetUtf8(&pool_, root, "root text"), arbcode::SUCCESS);
  int database = 0;
  node* sourced = nullptr;
  ASSERT_EQ(store::PutRecordSource(&pool_, root, &database, 96, 300, 61, &sourced),
            arbcode::SUCCESS);
  EXPECT_EQ(Shape(sourced), "1:0 2:1 3:2 4:2 5:1 6:2 7:1");
  std::string_view text;
  ASSERT_EQ(store::GetUtf8(sourced, &text), arbcode::SUCCESS);
  EXPECT_EQ(text, "root text");

  void* sourceDatabase = nullptr;
  std::uint32_t sourceStore = 0;
  std::uint16_t container = 0;
  std::uint32_t recordId = 0;
  ASSERT_EQ(store::GetRecordSource(sourced, &sourceDatabase, &sourceStore, &container, &recordId),
            arbcode::SUCCESS);
  EXPECT_EQ(sourceDatabase, &database);
  EXPECT_EQ(sourceStore, 96u);
  EXPECT_EQ(container, 300);
  EXPECT_EQ(recordId, 61u);

  // Record ID 0 keeps the one the root has.
  node* moved = nullptr;
  ASSERT_EQ(store::PutRecordSource(&pool_, sourced, nullptr, 98, 310, 0, &moved), arbcode::SUCCESS);
  ASSERT_EQ(store::GetRecordSource(moved, &sourceDatabase, &sourceStore, &container, &recordId),
            arbcode::SUCCESS);
  EXPECT_EQ(sourceDatabase, nullptr);
  EXPECT_EQ(sourceStore, 98u);
  EXPECT_EQ(recordId, 61u);
  EXPECT_EQ(store::GetRecordSource(nullptr, nullptr, nullptr, nullptr, nullptr),
            arbcode::NULL_RECORD);
}

TEST_F(FieldTree, ValidateTreeRefusesWhatCannotBeStored) {
  node* root = Sample();
  EXPECT_EQ(store::ValidateTree(root), arbcode::SUCCESS);
  EXPECT_EQ(store::ValidateTree(nullptr), arbcode::NULL_RECORD);
  EXPECT_EQ(store::ValidateTree(ByTag(root, 2)), arbcode::GED_BAD_LEVEL);

  node* six = ByTag(root, 6);
  six->level = 3;
  EXPECT_EQ(store::ValidateTree(root), arbcode::GED_SKIP_LEVEL);
  six->level = 0;
  EXPECT_EQ(store::ValidateTree(root), arbcode::GED_BAD_LEVEL);
  six->level = 2;
  six->tag = 0;
  EXPECT_EQ(store::ValidateTree(root), arbcode::INVALID_TAG);
  six->tag = 6;
  six->type = 9;
  EXPECT_EQ(store::ValidateTree(root), arbcode::BAD_FIELD_TYPE);
  ASSERT_EQ(store::SetUInt32(&pool_, six, 5), arbcode::SUCCESS);
  static_cast<unsigned char*>(six->value)[0] = 0xAF;
  EXPECT_EQ(store::ValidateTree(root), arbcode::GED_BAD_VALUE);
  ASSERT_EQ(store::SetInt32(&pool_, six, -5), arbcode::SUCCESS);
  EXPECT_EQ(store::ValidateTree(root), arbcode::SUCCESS);
  six->value = nullptr;
  EXPECT_EQ(store::ValidateTree(root), arbcode::GED_BAD_VALUE);
}
