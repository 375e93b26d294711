// The read cache's hash map against std::unordered_map as a model: erasing from the middle of a
// run must leave every other entry findable, and growing must lose nothing.
#include "store/FlatMap.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>
#include <unordered_map>
#include <vector>

namespace {

// Every key lands on the same home slot: runs as long as the map, wrapping around its end.
struct OneHomeHash {
  std::size_t operator()(std::int64_t /*key*/) const { return 63; }
};

template <typename Map, typename Key>
void ExpectSameAsModel(Map& map, const std::unordered_map<Key, std::string>& model,
                       const std::vector<Key>& keys) {
  ASSERT_EQ(map.Size(), model.size());
  for (const Key& key : keys) {
    const std::string* found = map.Find(key);
    const auto expected = model.find(key);
    if (expected == model.end()) {
      EXPECT_EQ(found, nullptr) << key;
    } else {
      ASSERT_NE(found, nullptr) << key;
      EXPECT_EQ(*found, expected->second) << key;
    }
  }
}

template <typename Hash>
void RunAgainstModel(unsigned seed, std::int64_t keyRange) {
  store::FlatMap<std::int64_t, std::string, Hash> map;
  std::unordered_map<std::int64_t, std::string> model;
  std::vector<std::int64_t> keys;
  for (std::int64_t key = 0; key < keyRange; ++key) keys.push_back(key << 32 | key);
  std::mt19937 random(seed);
  for (int step = 0; step < 4000; ++step) {
    const std::int64_t key = keys[random() % keys.size()];
    if (random() % 3 == 0) {
      std::string taken;
      const bool had = model.count(key) != 0;
      ASSERT_EQ(map.Take(key, &taken), had) << "step " << step;
      if (had) {
        EXPECT_EQ(taken, model[key]);
      }
      model.erase(key);
    } else {
      const std::string value = std::to_string(step) + std::string(step % 40, 'v');
      const bool fresh = model.count(key) == 0;
      const auto [stored, inserted] = map.Put(key, value);
      EXPECT_EQ(inserted, fresh);
      EXPECT_EQ(*stored, value);
      model[key] = value;
    }
    if (step % 97 == 0) ExpectSameAsModel(map, model, keys);
  }
  ExpectSameAsModel(map, model, keys);
}

TEST(FlatMap, PutsAndTakesAgreeWithAModel) {
  RunAgainstModel<store::RowKeyHash>(1, 500);
  RunAgainstModel<store::RowKeyHash>(2, 40);
}

TEST(FlatMap, ErasingInsideOneLongWrappedRunKeepsTheRestFindable) {
  RunAgainstModel<OneHomeHash>(3, 45);
}

TEST(FlatMap, TextKeysAreComparedNotJustHashed) {
  store::FlatMap<std::string, int, store::TextHash> map;
  for (int i = 0; i < 1000; ++i) map.Put("criteria " + std::to_string(i), i);
  for (int i = 0; i < 1000; ++i) {
    const int* found = map.Find("criteria " + std::to_string(i));
    ASSERT_NE(found, nullptr);
    EXPECT_EQ(*found, i);
  }
  EXPECT_EQ(map.Find("criteria 1000"), nullptr);
  EXPECT_EQ(map.Find(""), nullptr);
}

}  // namespace
