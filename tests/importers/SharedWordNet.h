// The WordNet 3.0 database (with the Dutch and French Open Multilingual Wordnet files where they
// exist) that the whole test run shares: CTest builds it once before the tests start; a test binary
// run by hand builds it on first use.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "ImporterTestSupport.h"

// The database's path, or "" when WordNet is not installed (the caller skips). A failed build
// fails the calling test.
std::string SharedWordNetDatabase();
// Whether the database holds the Dutch (store 101) and French (store 102) wordnets.
bool SharedWordNetHasTabs();

// Tests that read the shared database; they skip where WordNet is not installed.
class SharedWordNetTest : public testing::Test {
 protected:
  void SetUp() override {
    const std::string path = SharedWordNetDatabase();
    if (path.empty()) GTEST_SKIP() << WORDNET_DIR << " holds no WordNet";
    db_ = std::make_unique<StoredDatabase>(path);
    ASSERT_TRUE(db_->IsOpen());
  }

  std::unique_ptr<StoredDatabase> db_;
};
