// Relations: the relation definitions from Polylex, by position, ID and name.
#include "Relations.h"

#include <gtest/gtest.h>

#include "LexiconFixture.h"

using lexicon::Owned;

namespace {

class RelationsTest : public LexiconFixture {};

TEST_F(RelationsTest, ByPositionAndId) {
  EXPECT_EQ(Owned<Relations>(polylex_.GetRelations())->GetCount(), 5);
  EXPECT_EQ(IdsOf(polylex_.GetRelations()), (Ids{1, 2, 8, 10, 11}));
  const Owned<Relations> relations(polylex_.GetRelations());
  EXPECT_EQ(Take(Owned<Relation>(relations->GetItem(8))->GetName()), "has_hyperonym");
  for (const std::int16_t id : {9, 0, -8}) {
    EXPECT_EQ(ThrownText([&] { relations->GetItem(id); }),
              "PLX API: Invalid relation specified [101]");
  }
}

TEST_F(RelationsTest, NamesAndIds) {
  const Owned<Relations> relations(polylex_.GetRelations());
  char buffer[16] = "untouched";
  EXPECT_EQ(relations->GetRelationName(10, buffer, 0), 0);
  EXPECT_STREQ(buffer, "untouched");
  ASSERT_EQ(relations->GetRelationName(10, buffer, sizeof buffer), 1);
  EXPECT_STREQ(buffer, "has_hyponym");
  EXPECT_EQ(relations->GetRelationName(10, buffer, 11), 0);  // no room for the NUL
  EXPECT_STREQ(buffer, "");
  EXPECT_EQ(relations->GetRelationName(11, buffer, sizeof buffer), 0);  // no name
  EXPECT_EQ(relations->GetRelationName(99, buffer, sizeof buffer), 0);

  std::int16_t id = -1;
  ASSERT_EQ(relations->GetRelationID("HAS_HYPONYM", &id), 1);
  EXPECT_EQ(id, 10);
  id = -1;
  EXPECT_EQ(relations->GetRelationID("has_*", &id), 0);  // no wildcards in names
  EXPECT_EQ(relations->GetRelationID("unknown", &id), 0);
  EXPECT_EQ(id, -1);
}

}  // namespace
