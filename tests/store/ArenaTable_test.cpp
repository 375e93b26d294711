// The read cache's tables: every value comes back as it was kept, through growth, replacement and
// keys that share a hash, and an entry moved between generations survives the drop of the one it
// left.
#include "store/ArenaTable.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "store/ReadCache.h"
#include "store/RecordAddress.h"

namespace {

std::string ValueOf(const std::string& key, int version) {
  // Up to 900 bytes: the entries fill several blocks.
  return key + "/" + std::to_string(version) + std::string(key.size() * 97 % 900, 'v');
}

TEST(ArenaTable, EveryValueComesBackAsKeptThroughGrowthAndReplacement) {
  store::ArenaTable table;
  std::map<std::string, std::string> model;
  for (int i = 0; i < 5000; ++i) {
    // Keys that are prefixes of one another, and one that is empty.
    const std::string key = i == 0 ? std::string() : std::string(i % 9, 'k') + std::to_string(i);
    EXPECT_TRUE(table.Put(key, ValueOf(key, 1))) << key;
    model[key] = ValueOf(key, 1);
  }
  int replaced = 0;
  for (auto& [key, value] : model) {
    if (++replaced % 7 != 0) continue;
    EXPECT_FALSE(table.Put(key, ValueOf(key, 2)));
    value = ValueOf(key, 2);
  }
  for (const auto& [key, value] : model) {
    std::string_view found;
    ASSERT_TRUE(table.Find(key, &found)) << key;
    EXPECT_EQ(found, value);
  }
  std::string_view absent;
  EXPECT_FALSE(table.Find("k5001", &absent));
  EXPECT_FALSE(store::ArenaTable().Find("", &absent));

  // Larger than a block: not kept, and what follows is kept as usual.
  EXPECT_FALSE(table.Put("huge", std::string((1 << 20) + 1, 'h')));
  EXPECT_FALSE(table.Find("huge", &absent));
  EXPECT_TRUE(table.Put("after", "x"));
  ASSERT_TRUE(table.Find("after", &absent));
  EXPECT_EQ(absent, "x");
}

// Row keys differ in a few bytes only, high (store, container) or low (record ID).
TEST(ArenaTable, RowKeysNearEachOtherAreToldApart) {
  store::ArenaTable table;
  auto keyOf = [](std::uint64_t store, std::uint64_t container, std::uint64_t id) {
    const std::uint64_t rowKey = store << 48 | container << 32 | id;
    return std::string(reinterpret_cast<const char*>(&rowKey), sizeof rowKey);
  };
  // Hints on an empty table and for absent keys change nothing.
  const std::string absent = keyOf(0, 1, 1);
  const std::string_view hinted[] = {absent, absent};
  table.Prefetch(hinted, 2);
  for (std::uint64_t container = 1; container <= 3; ++container) {
    for (std::uint64_t id = 1; id <= 6000; ++id) {
      ASSERT_TRUE(table.Put(keyOf(container % 2, container, id), std::to_string(container * id)));
    }
  }
  for (std::uint64_t container = 1; container <= 3; ++container) {
    for (std::uint64_t id = 1; id <= 6001; ++id) {
      const std::string key = keyOf(container % 2, container, id);
      const std::string_view row[] = {key, absent};
      table.Prefetch(row, 2);
      std::string_view found;
      ASSERT_EQ(table.Find(key, &found), id <= 6000) << container << " " << id;
      if (id <= 6000) {
        EXPECT_EQ(found, std::to_string(container * id));
      }
      EXPECT_FALSE(table.Find(keyOf(1 - container % 2, container, id), &found));
    }
  }
}

TEST(ReadCacheEntries, AnEntryFoundInTheOldGenerationSurvivesTheDropOfIt) {
  store::ReadCache cache;
  // Room for about two bodies a generation.
  cache.SetBudget(2 * 2 * (64 + 8 + 100));
  cache.KeepBody(1, std::string(100, 'a'));
  cache.KeepBody(2, std::string(100, 'b'));
  // The third fills the young generation: the first two are old now.
  cache.KeepBody(3, std::string(100, 'c'));
  std::string_view found;
  ASSERT_TRUE(cache.FindBody(1, &found));
  EXPECT_EQ(found, std::string(100, 'a'));
  ASSERT_TRUE(cache.FindBody(2, &found));
  EXPECT_EQ(found, std::string(100, 'b'));
  ASSERT_TRUE(cache.FindBody(1, &found));
  EXPECT_EQ(found, std::string(100, 'a'));
}

TEST(ReadCacheEntries, ResultsAndPagesComeBackWholeEmptyOrNot) {
  store::ReadCache cache;
  cache.SetBudget(1 << 20);
  constexpr std::uint32_t kStore = 5;
  constexpr std::uint16_t kContainer = 1;
  // Results keep the bodies the cache holds of their first records, up to the first it lacks.
  cache.KeepBody(store::RowKey(kStore, kContainer, 1), "body one");
  cache.KeepBody(store::RowKey(kStore, kContainer, 2), "");
  cache.KeepBody(store::RowKey(kStore, kContainer + 1, 4294967295u), "other container");
  cache.KeepResults("none", {7, {}}, kStore, kContainer);
  cache.KeepResults("some", {3, {1, 4294967295u, 2}}, kStore, kContainer);
  cache.KeepResults("bodies", {0, {2, 1}}, kStore, kContainer);
  store::CursorResults results{9, {42}, "stale", {5}};
  ASSERT_TRUE(cache.FindResults("none", &results));
  EXPECT_EQ(results.yieldingSet, 7);
  EXPECT_TRUE(results.recordIds.empty());
  EXPECT_TRUE(results.bodyEnds.empty());
  EXPECT_TRUE(results.bodies.empty());
  ASSERT_TRUE(cache.FindResults("some", &results));
  EXPECT_EQ(results.yieldingSet, 3);
  EXPECT_EQ(results.recordIds, (std::vector<std::uint32_t>{1, 4294967295u, 2}));
  EXPECT_EQ(results.bodyEnds, std::vector<std::uint32_t>{8});
  EXPECT_EQ(results.bodies, "body one");
  ASSERT_TRUE(cache.FindResults("bodies", &results));
  EXPECT_EQ(results.recordIds, (std::vector<std::uint32_t>{2, 1}));
  EXPECT_EQ(results.bodyEnds, (std::vector<std::uint32_t>{0, 8}));
  EXPECT_EQ(results.bodies, "body one");
  EXPECT_FALSE(cache.FindResults("som", &results));

  // A page without IDs leaves the last key alone; IDs are appended to those read before.
  cache.KeepIndexPage("empty", {{}, ""});
  const std::string keyWithNul("key\0with nul", 12);
  cache.KeepIndexPage("full", {{5, 6}, keyWithNul});
  std::vector<std::uint32_t> ids{1};
  std::string lastKey = "before";
  ASSERT_TRUE(cache.FindIndexPage("empty", &ids, &lastKey));
  EXPECT_EQ(ids, std::vector<std::uint32_t>{1});
  EXPECT_EQ(lastKey, "before");
  ASSERT_TRUE(cache.FindIndexPage("full", &ids, &lastKey));
  EXPECT_EQ(ids, (std::vector<std::uint32_t>{1, 5, 6}));
  EXPECT_EQ(lastKey, keyWithNul);
}

}  // namespace
