// A writer killed at a random moment loses nothing it committed and leaves nothing half-written.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <map>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "StoreTestSupport.h"

namespace {

struct Report {
  std::uint32_t recordId;
  std::uint32_t version;
};

constexpr std::uint16_t kTextTag = 2;
constexpr std::uint16_t kIndex = 1;
// Enough kills to land in every phase of a commit: between writes, inside the journal's writing
// and inside the database file's update.
constexpr unsigned kKills = 100;

node* VersionRecord(PoolMemoryManager* pool, std::uint32_t version, std::mt19937* random) {
  // Records of varying size, so that changes move across pages.
  const std::string filler(std::uniform_int_distribution<std::size_t>(0, 3000)(*random), '.');
  return TextRecord(pool, 1, kTextTag, "v" + std::to_string(version) + " " + filler);
}

// The child: adds and modifies records until killed, reporting each committed change.
[[noreturn]] void RunWriter(const std::string& path, int reportFd, unsigned seed) {
  std::mt19937 random(seed);
  store::Session* session = nullptr;
  store::Database* db = nullptr;
  if (store::CreateSession(32, 0, &session) != 0 ||
      store::OpenDatabase(session, path.c_str(), nullptr, 0, &db, nullptr) != 0) {
    _exit(2);
  }
  PoolMemoryManager pool;
  store::PoolInit(&pool, 4096);
  std::map<std::uint32_t, std::uint32_t> mine;
  for (;;) {
    store::PoolFree(&pool);
    Report report{0, 0};
    if (!mine.empty() && random() % 3 == 0) {
      auto it = mine.begin();
      std::advance(it, random() % mine.size());
      report = {it->first, it->second + 1};
      if (store::Modify(db, 0, 1, report.recordId, VersionRecord(&pool, report.version, &random),
                        0) != 0) {
        _exit(3);
      }
    } else if (store::Add(db, 0, 1, &report.recordId, VersionRecord(&pool, 0, &random), 0) != 0) {
      _exit(4);
    }
    mine[report.recordId] = report.version;
    if (write(reportFd, &report, sizeof report) != sizeof report) _exit(5);
  }
}

std::uint32_t VersionOf(const std::string& text) {
  return text.size() > 1 && text[0] == 'v' ? std::stoul(text.substr(1)) : 0xFFFFFFFF;
}

using RecordStoreKilledWriter = StoreTest;

TEST_F(RecordStoreKilledWriter, CommittedChangesSurviveAndNothingHalfWrittenShows) {
  store::Database* db = CreateAndOpen("killed.fdb");
  const store::IndexComponent text{{1, kTextTag}, 2, store::KeyType::kText};
  ASSERT_EQ(store::DefineIndex(db, 0, kIndex, 1, &text, 1), arbcode::SUCCESS);
  Close(&db);

  std::mt19937 random(7);
  std::map<std::uint32_t, std::uint32_t> committed;
  std::size_t reports = 0;
  for (unsigned round = 0; round < kKills; ++round) {
    int fds[2];
    ASSERT_EQ(pipe(fds), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      close(fds[0]);
      RunWriter(PathOf("killed.fdb"), fds[1], round);
    }
    close(fds[1]);
    auto remember = [&](const Report& report) {
      std::uint32_t& known = committed[report.recordId];
      known = std::max(known, report.version);
      ++reports;
    };
    // Wait for the writer's first commit however slow the machine is, then kill it at a random
    // moment of its work.
    Report report;
    if (read(fds[0], &report, sizeof report) == sizeof report) remember(report);
    std::this_thread::sleep_for(
        std::chrono::milliseconds(std::uniform_int_distribution<int>(0, 120)(random)));
    kill(child, SIGKILL);
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status)) << "the writer stopped by itself: " << WEXITSTATUS(status);
    while (read(fds[0], &report, sizeof report) == sizeof report) remember(report);
    close(fds[0]);

    // A reader that may not write cannot finish the dead writer's business: it either sees what
    // was committed or is refused, and changes no byte.
    const std::vector<char> file = ReadFile(PathOf("killed.fdb"));
    const std::vector<char> journal = ReadFile(PathOf("killed.fdb-journal"));
    store::Database* reader = nullptr;
    const std::uint32_t readOnly = store::OpenDatabase(
        session_, PathOf("killed.fdb").c_str(), nullptr, store::kOpenReadOnly, &reader, nullptr);
    std::vector<std::uint32_t> seenReadOnly;
    if (readOnly == arbcode::SUCCESS) {
      seenReadOnly = List(reader, 0, kIndex);
      Close(&reader);
    } else {
      EXPECT_EQ(readOnly, arbcode::ACCESS_DENIED) << CodeText(readOnly);
    }
    EXPECT_EQ(ReadFile(PathOf("killed.fdb")), file);
    EXPECT_EQ(ReadFile(PathOf("killed.fdb-journal")), journal);

    db = Open("killed.fdb");
    ASSERT_NE(db, nullptr);
    for (const auto& [id, version] : committed) {
      const std::string stored = StoredText(db, 0, 1, id, kTextTag);
      ASSERT_GE(VersionOf(stored), version) << "record " << id << ": " << stored.substr(0, 20);
      ASSERT_NE(VersionOf(stored), 0xFFFFFFFFu) << "record " << id << ": " << stored.substr(0, 20);
    }
    // Every record that exists (committed but perhaps unreported too) has exactly one entry.
    std::vector<std::uint32_t> indexed = List(db, 0, kIndex);
    if (readOnly == arbcode::SUCCESS) {
      EXPECT_EQ(seenReadOnly, indexed);
    }
    std::sort(indexed.begin(), indexed.end());
    std::vector<std::uint32_t> present;
    const std::uint32_t highest = committed.empty() ? 0 : committed.rbegin()->first;
    for (std::uint32_t id = 1; id <= highest + 1; ++id) {
      node* root = nullptr;
      const std::uint32_t code = store::Retrieve(db, 0, 1, id, 0, &pool_, &root);
      ASSERT_TRUE(code == arbcode::SUCCESS || code == arbcode::NOT_FOUND) << CodeText(code);
      if (code == arbcode::SUCCESS) present.push_back(id);
    }
    store::PoolFree(&pool_);
    EXPECT_EQ(indexed, present) << "round " << round;
    Close(&db);
  }
  EXPECT_GE(reports, 20u);
}

}  // namespace
