// Bodies kept by the read cache: each comes back as it was kept, across growth of the table and
// replacement, and one moved between generations survives the drop of the generation it left.
#include "store/BodyTable.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "store/ReadCache.h"

namespace {

std::string BodyOf(std::int64_t key, int version) {
  return std::to_string(key) + "/" + std::to_string(version) + std::string(key % 300, 'b');
}

TEST(BodyTable, EveryBodyComesBackAsKeptThroughGrowthAndReplacement) {
  store::BodyTable table;
  std::map<std::int64_t, std::string> model;
  // Keys of several containers and stores, as row keys are.
  for (std::int64_t store = 0; store < 3; ++store) {
    for (std::int64_t id = 1; id <= 1500; ++id) {
      const std::int64_t key = store << 48 | (200 + store) << 32 | id;
      EXPECT_TRUE(table.Put(key, BodyOf(key, 1)));
      model[key] = BodyOf(key, 1);
    }
  }
  for (auto& [key, body] : model) {
    if (key % 7 != 0) continue;
    EXPECT_FALSE(table.Put(key, BodyOf(key, 2)));
    body = BodyOf(key, 2);
  }
  for (const auto& [key, body] : model) {
    std::string_view found;
    ASSERT_TRUE(table.Find(key, &found)) << key;
    EXPECT_EQ(found, body);
  }
  std::string_view absent;
  EXPECT_FALSE(table.Find(7, &absent));
  EXPECT_FALSE(store::BodyTable().Find(0, &absent));
}

TEST(ReadCacheBodies, ABodyFoundInTheOldGenerationSurvivesTheDropOfIt) {
  store::ReadCache cache;
  // Room for about two bodies a generation.
  cache.SetBudget(2 * 2 * (64 + 100));
  const std::string first(100, 'a');
  cache.KeepBody(1, first);
  cache.KeepBody(2, std::string(100, 'b'));
  // The third fills the young generation: the first two are old now.
  cache.KeepBody(3, std::string(100, 'c'));
  std::string_view found;
  ASSERT_TRUE(cache.FindBody(1, &found));
  EXPECT_EQ(found, first);
  ASSERT_TRUE(cache.FindBody(2, &found));
  EXPECT_EQ(found, std::string(100, 'b'));
  ASSERT_TRUE(cache.FindBody(1, &found));
  EXPECT_EQ(found, first);
}

}  // namespace
