// Decoded records kept by a session: a tree rebuilt from one must be the tree the stored body
// decodes to, it must serve only the body it was made from, and the cache stays within budget.
#include <cstring>
#include <string>
#include <vector>

#include "StoreTestSupport.h"
#include "store/DecodedRecords.h"
#include "store/StoredBody.h"

namespace {

constexpr std::uint32_t kStore = 100;
constexpr std::uint16_t kContainer = 1;

class DecodedRecords : public StoreTest {
 protected:
  void SetUp() override {
    db_ = CreateAndOpen("decoded.fdb");
    store::PoolInit(&other_, 256);
  }
  void TearDown() override {
    store::PoolFree(&other_);
    Close(&db_);
  }

  // A record with nested groups and every kind of value the importers write.
  std::uint32_t AddRichRecord(std::string_view text) {
    node* root = Root(1);
    node* group = AddGroup(root, 10);
    AddText(group, 2, text);
    AddNumber(group, 3, -70000);
    AddPointer(AddGroup(group, 11), 4, 1234);
    AddText(root, 2, "");
    AddNumber(root, 5, 7);
    std::uint32_t id = 0;
    EXPECT_EQ(store::Add(db_, kStore, kContainer, &id, root, 0), arbcode::SUCCESS);
    return id;
  }

  std::string BodyOf(std::uint32_t id) {
    std::string body;
    EXPECT_EQ(store::ReadStoredBody(db_, kStore, kContainer, id, &body), arbcode::SUCCESS);
    return body;
  }

  node* Decoded(const std::string& body, std::uint32_t id) {
    node* root = nullptr;
    EXPECT_EQ(store::DecodeStoredBody(body, db_, kStore, kContainer, id, &pool_, &root),
              arbcode::SUCCESS);
    return root;
  }

  store::RecordPlace PlaceOf(std::uint32_t id) { return {db_, kStore, kContainer, id}; }

  static void ExpectSameTree(const node* expected, const node* actual) {
    ASSERT_TRUE(actual->HasSource() && actual->HasRecordId());
    EXPECT_EQ(actual->database, expected->database);
    EXPECT_EQ(actual->store, expected->store);
    EXPECT_EQ(actual->container, expected->container);
    const node* previous = nullptr;
    for (; expected != nullptr; expected = expected->next, actual = actual->next) {
      ASSERT_NE(actual, nullptr);
      EXPECT_EQ(actual->prev, previous);
      EXPECT_EQ(actual->tag, expected->tag);
      EXPECT_EQ(actual->level, expected->level);
      EXPECT_EQ(actual->type, expected->type);
      EXPECT_EQ(actual->recordId, expected->recordId);
      ASSERT_EQ(actual->length, expected->length);
      ASSERT_EQ(actual->value == nullptr, expected->value == nullptr);
      if (expected->length != 0) {
        EXPECT_EQ(std::memcmp(actual->value, expected->value, expected->length), 0);
      }
      previous = actual;
    }
    EXPECT_EQ(actual, nullptr);
  }

  store::Database* db_ = nullptr;
  PoolMemoryManager other_;
  store::DecodedRecords cache_;
};

TEST_F(DecodedRecords, RebuildsTheTreeTheBodyDecodesToAndServesNoOtherBody) {
  cache_.SetBudget(1 << 20);
  const std::uint32_t id = AddRichRecord("hund");
  const std::string body = BodyOf(id);
  const node* decoded = Decoded(body, id);
  node* rebuilt = nullptr;
  EXPECT_FALSE(cache_.Rebuild(PlaceOf(id), body, &other_, &rebuilt));

  cache_.Keep(PlaceOf(id), body, decoded);
  ASSERT_TRUE(cache_.Rebuild(PlaceOf(id), body, &other_, &rebuilt));
  ExpectSameTree(decoded, rebuilt);
  // The rebuilt tree is the caller's own: changing it leaves what is kept alone.
  static_cast<char*>(rebuilt->next->next->value)[0] = 'X';
  node* again = nullptr;
  ASSERT_TRUE(cache_.Rebuild(PlaceOf(id), body, &other_, &again));
  ExpectSameTree(decoded, again);

  // The record changed: its new body is decoded afresh, never answered from the old tree.
  ASSERT_EQ(store::Modify(db_, kStore, kContainer, id, TextRecord(&pool_, 1, 2, "katze"), 0),
            arbcode::SUCCESS);
  EXPECT_FALSE(cache_.Rebuild(PlaceOf(id), BodyOf(id), &other_, &rebuilt));
  // The same body at another place (another record, container or database) is not it either.
  EXPECT_FALSE(cache_.Rebuild(PlaceOf(id + 1), body, &other_, &rebuilt));
  EXPECT_FALSE(cache_.Rebuild({db_, kStore, 2, id}, body, &other_, &rebuilt));
  EXPECT_FALSE(cache_.Rebuild({nullptr, kStore, kContainer, id}, body, &other_, &rebuilt));
}

TEST_F(DecodedRecords, StaysWithinItsBudget) {
  std::vector<std::uint32_t> ids;
  std::vector<std::string> bodies;
  for (int i = 0; i < 40; ++i) {
    ids.push_back(AddRichRecord("text " + std::to_string(i)));
    bodies.push_back(BodyOf(ids.back()));
  }
  const auto keepAll = [&] {
    for (std::size_t i = 0; i < ids.size(); ++i) {
      store::PoolReset(&pool_, nullptr);
      cache_.Keep(PlaceOf(ids[i]), bodies[i], Decoded(bodies[i], ids[i]));
    }
  };
  const auto kept = [&](std::size_t i) {
    node* root = nullptr;
    return cache_.Rebuild(PlaceOf(ids[i]), bodies[i], &other_, &root);
  };

  cache_.SetBudget(0);
  keepAll();
  for (std::size_t i = 0; i < ids.size(); ++i) EXPECT_FALSE(kept(i));

  // Room for a few records per generation: the last ones kept are there, the first ones are not.
  cache_.SetBudget(4096);
  keepAll();
  EXPECT_TRUE(kept(ids.size() - 1));
  EXPECT_FALSE(kept(0));
  // A record read again is kept anew after everything else was dropped.
  std::size_t oldest = 0;
  while (!kept(oldest)) ++oldest;
  cache_.SetBudget(4096);
  EXPECT_FALSE(kept(oldest));
  store::PoolReset(&pool_, nullptr);
  cache_.Keep(PlaceOf(ids[oldest]), bodies[oldest], Decoded(bodies[oldest], ids[oldest]));
  EXPECT_TRUE(kept(oldest));
}

}  // namespace
