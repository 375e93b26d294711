// Sessions: options, the cache figure, and closing what is still open.
#include "StoreTestSupport.h"

namespace {

using RecordStoreSession = StoreTest;

TEST_F(RecordStoreSession, OptionsOneToFourAreAcceptedOthersAreNot) {
  for (std::uint32_t option = 1; option <= 4; ++option) {
    EXPECT_EQ(store::ConfigureSession(session_, option, 64), arbcode::SUCCESS) << option;
  }
  EXPECT_EQ(store::ConfigureSession(session_, 0, 1), arbcode::NOT_IMPLEMENTED);
  EXPECT_EQ(store::ConfigureSession(session_, 5, 1), arbcode::NOT_IMPLEMENTED);
  EXPECT_EQ(store::ConfigureSession(nullptr, store::kSessionCacheKb, 64), arbcode::SUCCESS);
  EXPECT_EQ(store::ConfigureSession(nullptr, 5, 64), arbcode::NOT_IMPLEMENTED);
}

TEST_F(RecordStoreSession, TheCacheSizeIsKeptAndReported) {
  std::uint32_t cache = 0;
  ASSERT_EQ(store::GetSessionCache(session_, &cache), arbcode::SUCCESS);
  EXPECT_EQ(cache, 32u);
  store::Database* db = CreateAndOpen("cache.fdb");
  ASSERT_EQ(store::ConfigureSession(session_, store::kSessionCacheKb, 4096), arbcode::SUCCESS);
  ASSERT_EQ(store::GetSessionCache(session_, &cache), arbcode::SUCCESS);
  EXPECT_EQ(cache, 4096u);
  ASSERT_EQ(store::ConfigureSession(session_, store::kSessionCacheKb, 0), arbcode::SUCCESS);
  ASSERT_EQ(store::GetSessionCache(session_, &cache), arbcode::SUCCESS);
  EXPECT_EQ(cache, 128u);
  Close(&db);
}

TEST_F(RecordStoreSession, ClosingASessionClosesItsDatabases) {
  store::Session* other = nullptr;
  ASSERT_EQ(store::CreateSession(32, 0, &other), arbcode::SUCCESS);
  ASSERT_EQ(store::CreateDatabase(other, PathOf("s.fdb").c_str(), nullptr), arbcode::SUCCESS);
  store::Database* db = nullptr;
  ASSERT_EQ(store::OpenDatabase(other, PathOf("s.fdb").c_str(), nullptr, store::kOpenExclusive, &db,
                                nullptr),
            arbcode::SUCCESS);
  AddTextRecord(db, 0, 1, 1, 2, "written");
  node* root = nullptr;
  ASSERT_EQ(store::Retrieve(db, 0, 1, 1, 0, &pool_, &root), arbcode::SUCCESS);
  ASSERT_EQ(store::CloseSession(&other), arbcode::SUCCESS);
  EXPECT_EQ(other, nullptr);
  // The file is free again: the exclusive lock went with the session.
  store::Database* again = Open("s.fdb", store::kOpenExclusive);
  EXPECT_EQ(StoredText(again, 0, 1, 1, 2), "written");
  Close(&again);
  EXPECT_EQ(store::CloseSession(&other), arbcode::SUCCESS);
}

// A reader that goes idle must not keep a writer in another connection waiting for good.
TEST_F(RecordStoreSession, AnIdleReaderLetsOtherConnectionsWrite) {
  store::Database* reader = CreateAndOpen("idle.fdb");
  store::Database* writer = Open("idle.fdb");
  const std::uint32_t id = AddTextRecord(writer, 0, 1, 1, 2, "one");
  EXPECT_EQ(StoredText(reader, 0, 1, id, 2), "one");
  EXPECT_EQ(AddTextRecord(writer, 0, 1, 1, 2, "two"), id + 1);
  EXPECT_EQ(StoredText(reader, 0, 1, id + 1, 2), "two");
  Close(&writer);
  Close(&reader);
}

}  // namespace
