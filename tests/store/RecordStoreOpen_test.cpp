// What opening a file gives: our databases open, everything else is refused with a code, and
// nothing a read-only open does changes the file.
#include <unistd.h>

#include <filesystem>
#include <random>

#include "StoreTestSupport.h"

namespace {

// Offsets of big-endian fields in a SQLite file header.
constexpr std::size_t kUserVersionOffset = 60;
constexpr std::size_t kApplicationIdOffset = 68;

class RecordStoreOpen : public StoreTest {
 protected:
  std::uint32_t OpenCode(const std::string& path, std::uint32_t flags = 0,
                         store::CreateOptions* options = nullptr) {
    store::Database* db = nullptr;
    const std::uint32_t code =
        store::OpenDatabase(session_, path.c_str(), nullptr, flags, &db, options);
    if (db != nullptr) store::CloseDatabase(&db);
    return code;
  }

  // A closed database with a few indexed records, for damaging.
  void MakeSample(const std::string& name) {
    store::Database* db = CreateAndOpen(name);
    store::IndexComponent text{{1, 2}, 2, store::KeyType::kText};
    ASSERT_EQ(store::DefineIndex(db, 0, 7, 32001, &text, 1), arbcode::SUCCESS);
    ASSERT_EQ(store::BeginBulk(db, false), arbcode::SUCCESS);
    for (int i = 0; i < 200; ++i) AddTextRecord(db, 0, 32001, 1, 2, "word " + std::to_string(i));
    ASSERT_EQ(store::CommitBulk(db), arbcode::SUCCESS);
    Close(&db);
  }

  void PatchBigEndian(const std::string& path, std::size_t offset, std::uint32_t value) {
    std::vector<char> bytes = ReadFile(path);
    ASSERT_GT(bytes.size(), offset + 4);
    for (int i = 0; i < 4; ++i) bytes[offset + i] = static_cast<char>(value >> (24 - 8 * i));
    WriteFile(path, bytes);
  }
};

TEST_F(RecordStoreOpen, MissingFilesAndDirectoriesAreNotFound) {
  EXPECT_EQ(OpenCode(PathOf("absent.fdb")), arbcode::IO_PATH_NOT_FOUND);
  EXPECT_EQ(OpenCode(PathOf("no-such-dir/absent.fdb")), arbcode::IO_PATH_NOT_FOUND);
  EXPECT_EQ(OpenCode(""), arbcode::IO_PATH_NOT_FOUND);
}

TEST_F(RecordStoreOpen, PathsLongerThan239BytesAreRefused) {
  const std::string prefix = PathOf("");
  ASSERT_LT(prefix.size(), 200u);
  const std::string longest = prefix + std::string(239 - prefix.size(), 'a');
  const std::string tooLong = longest + "a";
  EXPECT_EQ(OpenCode(longest), arbcode::IO_PATH_NOT_FOUND);
  EXPECT_EQ(OpenCode(tooLong), arbcode::IO_PATH_TOO_LONG);
  EXPECT_EQ(store::CreateDatabase(session_, tooLong.c_str(), nullptr), arbcode::IO_PATH_TOO_LONG);
  ASSERT_EQ(store::CreateDatabase(session_, longest.c_str(), nullptr), arbcode::SUCCESS);
  EXPECT_EQ(OpenCode(longest), arbcode::SUCCESS);
}

TEST_F(RecordStoreOpen, CreationOptionsComeBackAndFilesAreNotOverwritten) {
  store::CreateOptions options{{1, 0xDEADBEEF, 3, 0xFFFFFFFF}, 0x5A};
  ASSERT_EQ(store::CreateDatabase(session_, PathOf("a.fdb").c_str(), &options), arbcode::SUCCESS);
  store::CreateOptions read{};
  ASSERT_EQ(OpenCode(PathOf("a.fdb"), 0, &read), arbcode::SUCCESS);
  EXPECT_EQ(read.words[1], 0xDEADBEEFu);
  EXPECT_EQ(read.words[3], 0xFFFFFFFFu);
  EXPECT_EQ(read.flags, 0x5A);
  EXPECT_EQ(store::CreateDatabase(session_, PathOf("a.fdb").c_str(), nullptr),
            arbcode::FILE_EXISTS);
  EXPECT_EQ(OpenCode(PathOf("a.fdb"), 0, &read), arbcode::SUCCESS);
  EXPECT_EQ(read.words[1], 0xDEADBEEFu);
}

TEST_F(RecordStoreOpen, FilesThatAreNotOursAreRefused) {
  WriteFile(PathOf("empty.fdb"), {});
  EXPECT_EQ(OpenCode(PathOf("empty.fdb")), arbcode::NOT_DB);
  const std::string text = "This is a text file, not a database.\n";
  WriteFile(PathOf("text.fdb"), std::vector<char>(text.begin(), text.end()));
  EXPECT_EQ(OpenCode(PathOf("text.fdb")), arbcode::NOT_DB);
  EXPECT_EQ(OpenCode(dir_), arbcode::NOT_DB);

  // A SQLite database of someone else's.
  MakeSample("foreign.fdb");
  PatchBigEndian(PathOf("foreign.fdb"), kApplicationIdOffset, 0);
  EXPECT_EQ(OpenCode(PathOf("foreign.fdb")), arbcode::NOT_DB);
  EXPECT_EQ(OpenCode(PathOf("foreign.fdb"), store::kOpenReadOnly), arbcode::NOT_DB);
  // Refused files stay as they were.
  EXPECT_TRUE(ReadFile(PathOf("empty.fdb")).empty());
}

TEST_F(RecordStoreOpen, NewerFormatsAreRefusedAsNewer) {
  MakeSample("newer.fdb");
  PatchBigEndian(PathOf("newer.fdb"), kUserVersionOffset, 3);
  EXPECT_EQ(OpenCode(PathOf("newer.fdb")), arbcode::NEWER_DB);
  PatchBigEndian(PathOf("newer.fdb"), kUserVersionOffset, 0);
  EXPECT_EQ(OpenCode(PathOf("newer.fdb")), arbcode::NOT_DB);
  // The format before page checksums cannot be verified, so it is not read at all.
  PatchBigEndian(PathOf("newer.fdb"), kUserVersionOffset, 1);
  EXPECT_EQ(OpenCode(PathOf("newer.fdb")), arbcode::OLD_DB);
  EXPECT_EQ(OpenCode(PathOf("newer.fdb"), store::kOpenReadOnly), arbcode::OLD_DB);
}

TEST_F(RecordStoreOpen, ReadOnlyOpenLeavesEveryByteAsItWas) {
  MakeSample("ro.fdb");
  const std::vector<char> before = ReadFile(PathOf("ro.fdb"));
  store::Database* db = Open("ro.fdb", store::kOpenReadOnly);
  ASSERT_NE(db, nullptr);
  EXPECT_EQ(StoredText(db, 0, 32001, 5, 2), "word 4");
  EXPECT_EQ(List(db, 0, 7).size(), 200u);
  node* root = Root(1);
  std::uint32_t id = 0;
  EXPECT_EQ(store::Add(db, 0, 32001, &id, root, 0), arbcode::ACCESS_DENIED);
  EXPECT_EQ(store::Delete(db, 0, 32001, 5, 0), arbcode::ACCESS_DENIED);
  EXPECT_EQ(store::BeginBulk(db, true), arbcode::ACCESS_DENIED);
  EXPECT_EQ(store::AddFieldName(db, 0, 2, "TEXT"), arbcode::ACCESS_DENIED);
  store::IndexComponent number{{1, 3}, 2, store::KeyType::kNumber};
  EXPECT_EQ(store::DefineIndex(db, 0, 8, 32001, &number, 1), arbcode::ACCESS_DENIED);
  Close(&db);
  EXPECT_EQ(ReadFile(PathOf("ro.fdb")), before);
  EXPECT_FALSE(std::filesystem::exists(PathOf("ro.fdb-journal")));
}

TEST_F(RecordStoreOpen, ExclusiveOpenAndOtherOpenersExcludeEachOther) {
  store::Database* first = CreateAndOpen("x.fdb", store::kOpenExclusive);
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(OpenCode(PathOf("x.fdb")), arbcode::ACCESS_CONFLICT);
  EXPECT_EQ(OpenCode(PathOf("x.fdb"), store::kOpenReadOnly), arbcode::ACCESS_CONFLICT);
  EXPECT_EQ(OpenCode(PathOf("x.fdb"), store::kOpenExclusive), arbcode::ACCESS_CONFLICT);
  Close(&first);

  store::Database* shared = Open("x.fdb");
  store::Database* another = Open("x.fdb", store::kOpenReadOnly);
  EXPECT_EQ(OpenCode(PathOf("x.fdb"), store::kOpenExclusive), arbcode::ACCESS_CONFLICT);
  // Closing one of two handles on a file must leave the other fully working.
  Close(&another);
  EXPECT_NE(AddTextRecord(shared, 0, 1, 1, 2, "still writable"), 0u);
  Close(&shared);
  EXPECT_EQ(OpenCode(PathOf("x.fdb"), store::kOpenExclusive), arbcode::SUCCESS);
}

// Damaged files give codes, never crashes: every operation on every damaged copy is run.
TEST_F(RecordStoreOpen, DamagedFilesGiveCodesNotCrashes) {
  MakeSample("good.fdb");
  const std::vector<char> good = ReadFile(PathOf("good.fdb"));
  std::mt19937 random(20240611);
  int refusedOrFailed = 0;
  for (int round = 0; round < 60; ++round) {
    std::vector<char> bytes = good;
    if (round % 3 == 0) {
      bytes.resize(std::uniform_int_distribution<std::size_t>(0, bytes.size() - 1)(random));
    } else {
      std::uniform_int_distribution<std::size_t> offset(100, bytes.size() - 1);
      for (int i = 0; i < 1 + round % 8; ++i) {
        bytes[offset(random)] = static_cast<char>(random());
      }
    }
    WriteFile(PathOf("bad.fdb"), bytes);
    store::Database* db = nullptr;
    std::uint32_t code =
        store::OpenDatabase(session_, PathOf("bad.fdb").c_str(), nullptr, 0, &db, nullptr);
    if (code != arbcode::SUCCESS) {
      ++refusedOrFailed;
      EXPECT_EQ(db, nullptr);
      continue;
    }
    std::vector<std::uint32_t> ids;
    std::uint32_t failures = store::ListIndex(db, 0, 7, &ids);
    for (std::uint32_t id = 1; id <= 200; ++id) {
      node* root = nullptr;
      failures |= store::Retrieve(db, 0, 32001, id, 0, &pool_, &root);
    }
    failures |= store::Delete(db, 0, 32001, 3, 0);
    std::uint32_t id = 0;
    node* root = Root(1);
    AddText(root, 2, "new");
    failures |= store::Add(db, 0, 32001, &id, root, 0);
    if (failures != 0) ++refusedOrFailed;
    EXPECT_EQ(store::CloseDatabase(&db), arbcode::SUCCESS);
    store::PoolFree(&pool_);
  }
  // Most damage must be noticed somewhere (a few bytes land in unused space).
  EXPECT_GT(refusedOrFailed, 20);
}

}  // namespace
