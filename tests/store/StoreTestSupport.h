// A scratch directory, a session and a pool for record store tests, with shortcuts for building
// records and reading fields back.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "ArbCodes.h"
#include "Node.h"
#include "store/Pool.h"
#include "store/RecordStore.h"

class StoreTest : public testing::Test {
 protected:
  StoreTest();
  ~StoreTest() override;

  std::string PathOf(std::string_view name) const { return dir_ + "/" + std::string(name); }
  // Creates `name` in the scratch directory and opens it (flags as OpenDatabase).
  store::Database* CreateAndOpen(std::string_view name, std::uint32_t flags = 0);
  store::Database* Open(std::string_view name, std::uint32_t flags = 0);
  void Close(store::Database** db);

  // Record building: a root, then children appended as last child of `parent`.
  node* Root(std::uint16_t tag);
  node* AddText(node* parent, std::uint16_t tag, std::string_view text);
  node* AddNumber(node* parent, std::uint16_t tag, std::int32_t value);
  node* AddPointer(node* parent, std::uint16_t tag, std::uint32_t recordId);
  node* AddGroup(node* parent, std::uint16_t tag);

  // The text of the first field with `tag` in the record, or "<none>".
  static std::string TextOf(const node* root, std::uint16_t tag);
  // Retrieves and returns TextOf(record, tag); "<code 0x...>" when the retrieve fails.
  std::string StoredText(store::Database* db, std::uint32_t store, std::uint16_t container,
                         std::uint32_t recordId, std::uint16_t tag);
  // Adds a record of root `rootTag` with one text field; returns the record ID (0 on failure).
  std::uint32_t AddTextRecord(store::Database* db, std::uint32_t store, std::uint16_t container,
                              std::uint16_t rootTag, std::uint16_t tag, std::string_view text);
  std::vector<std::uint32_t> List(store::Database* db, std::uint32_t store, std::uint16_t index);

  // Runs SQL on a closed database file through the store's own file layer, so that every page it
  // changes is stamped with its checksum: damage that only the record checks can see.
  static void RunSqlBehindTheStore(const std::string& path, const char* sql);

  static std::vector<char> ReadFile(const std::string& path);
  static void WriteFile(const std::string& path, const std::vector<char>& bytes);

  std::string dir_;
  store::Session* session_ = nullptr;
  PoolMemoryManager pool_;
};

// "0x...." for failure messages.
std::string CodeText(std::uint32_t code);

// A record of root `rootTag` with one text field, built in `pool` (for threads and processes with
// pools of their own); null when building fails.
node* TextRecord(PoolMemoryManager* pool, std::uint16_t rootTag, std::uint16_t tag,
                 std::string_view text);
