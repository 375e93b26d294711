// A database with one container of text records and an index over their text, for the tests of
// what the store keeps between reads; a second handle on the same file when a test opens one.
#pragma once

#include <string>
#include <vector>

#include "StoreTestSupport.h"
#include "store/Cursor.h"

class TextIndexStoreTest : public StoreTest {
 protected:
  static constexpr std::uint32_t kStore = 100;
  static constexpr std::uint16_t kContainer = 1;
  static constexpr std::uint16_t kText = 2;
  static constexpr std::uint16_t kTextIndex = 251;
  static constexpr const char* kFileName = "texts.fdb";

  void SetUp() override {
    db_ = CreateAndOpen(kFileName);
    const store::IndexComponent text = {{1, kText}, 2, store::KeyType::kText};
    ASSERT_EQ(store::DefineIndex(db_, kStore, kTextIndex, kContainer, &text, 1), arbcode::SUCCESS);
  }
  void TearDown() override {
    if (other_ != nullptr) Close(&other_);
    Close(&db_);
  }

  // The texts of the cursor's next results, `limit` at most.
  std::vector<std::string> ReadTexts(store::Cursor* cursor, std::size_t limit = 100) {
    std::vector<std::string> texts;
    node* root = nullptr;
    while (texts.size() < limit &&
           store::CursorRead(cursor, store::CursorMove::kNext, &pool_, &root) == arbcode::SUCCESS) {
      texts.push_back(TextOf(root, kText));
    }
    return texts;
  }

  store::Database* db_ = nullptr;
  store::Database* other_ = nullptr;
};
