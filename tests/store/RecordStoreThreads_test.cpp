// Several threads on one database handle: every operation keeps its own result intact.
#include <atomic>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "StoreTestSupport.h"

namespace {

using RecordStoreThreads = StoreTest;

std::uint32_t AddWord(store::Database* db, PoolMemoryManager* pool, const std::string& word) {
  std::uint32_t id = 0;
  return store::Add(db, 0, 1, &id, TextRecord(pool, 1, 2, word), 0) == arbcode::SUCCESS ? id : 0;
}

TEST_F(RecordStoreThreads, ReadersAndWritersShareOneHandle) {
  store::Database* db = CreateAndOpen("threads.fdb");
  const store::IndexComponent text{{1, 2}, 2, store::KeyType::kText};
  ASSERT_EQ(store::DefineIndex(db, 0, 1, 1, &text, 1), arbcode::SUCCESS);
  constexpr int kWriters = 2;
  constexpr int kAddsPerWriter = 150;
  std::atomic<int> writersLeft{kWriters};
  std::atomic<int> failures{0};
  std::atomic<int> reads{0};

  auto writer = [&](int number) {
    PoolMemoryManager pool;
    store::PoolInit(&pool, 512);
    for (int i = 0; i < kAddsPerWriter; ++i) {
      const std::string word = "w" + std::to_string(number) + "-" + std::to_string(i);
      const std::uint32_t id = AddWord(db, &pool, word);
      node* back = nullptr;
      if (id == 0 || store::Retrieve(db, 0, 1, id, 0, &pool, &back) != arbcode::SUCCESS ||
          TextOf(back, 2) != word) {
        ++failures;
      }
      if (i % 5 == 4 && store::Delete(db, 0, 1, id, 0) != arbcode::SUCCESS) ++failures;
      store::PoolFree(&pool);
    }
    --writersLeft;
  };
  auto reader = [&](unsigned seed) {
    PoolMemoryManager pool;
    store::PoolInit(&pool, 512);
    std::mt19937 random(seed);
    while (writersLeft > 0) {
      node* root = nullptr;
      const std::uint32_t id = 1 + random() % (kWriters * kAddsPerWriter);
      const std::uint32_t code = store::Retrieve(db, 0, 1, id, 0, &pool, &root);
      if (code != arbcode::SUCCESS && code != arbcode::NOT_FOUND) ++failures;
      if (code == arbcode::SUCCESS && TextOf(root, 2)[0] != 'w') ++failures;
      std::vector<std::uint32_t> ids;
      if (random() % 50 == 0 && store::ListIndex(db, 0, 1, &ids) != arbcode::SUCCESS) ++failures;
      store::PoolFree(&pool);
      ++reads;
    }
  };

  std::vector<std::thread> threads;
  for (int i = 0; i < kWriters; ++i) threads.emplace_back(writer, i);
  for (unsigned i = 0; i < 2; ++i) threads.emplace_back(reader, i);
  for (std::thread& thread : threads) thread.join();

  EXPECT_EQ(failures.load(), 0);
  EXPECT_GT(reads.load(), 0);
  EXPECT_EQ(List(db, 0, 1).size(), static_cast<std::size_t>(kWriters * kAddsPerWriter * 4 / 5));
  Close(&db);
}

}  // namespace
