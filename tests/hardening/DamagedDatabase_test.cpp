// Damaged database files: a thousand copies of a small lexical database, each damaged in its own
// reproducible way, are opened and read through Polylex. Each must either read or be refused with
// one of the library's errors; a crash, a hang or a sanitizer report is a fault of the library.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "LexicalSchema.h"
#include "hardening/DamagedDatabaseSupport.h"
#include "lexicon/LexiconFixture.h"

using namespace fixture;

namespace {

constexpr std::uint32_t kFirstSeed = 20261208;
constexpr std::uint32_t kCases = 1000;

class DamagedDatabase : public LexiconFixture {
 protected:
  // The fixture's database with a language record, so that the language's word net is listed too;
  // closed, then kept as bytes.
  void SetUp() override {
    LexiconFixture::SetUp();
    ASSERT_EQ(Build({F(0, schema::LANGUAGE), T(1, schema::LANGUAGE_CODE, "EN"),
                     N(1, schema::STORE_ID, static_cast<std::int32_t>(kStore)),
                     T(1, schema::NAME, "English")})
                  .Add(Db(), schema::kSharedStore, schema::kLanguages, 1),
              1);
    polylex_.Close();
    original_ = ReadFile(PathOf("lexicon.fdb"));
    ASSERT_FALSE(original_.empty());
  }

  // Writes the damaged copy and reads it; anything but a read or a refusal fails the test.
  damage::Verdict Try(const damage::Mutation& mutation) {
    const std::string path = PathOf("damaged.fdb");
    WriteFile(path, damage::Apply(mutation, original_));
    try {
      return damage::OpenAndRead(path);
    } catch (const std::exception& e) {
      ADD_FAILURE() << damage::Describe(mutation) << ": threw " << e.what();
    } catch (...) {
      ADD_FAILURE() << damage::Describe(mutation) << ": threw something of no library kind";
    }
    return {};
  }

  std::vector<char> original_;
};

TEST_F(DamagedDatabase, UndamagedCopyReadsEverything) {
  // Without damage the reader must reach the records, or the damaged runs would prove nothing.
  const std::string path = PathOf("copy.fdb");
  WriteFile(path, original_);
  const damage::Verdict verdict = damage::OpenAndRead(path);
  EXPECT_TRUE(verdict.read) << verdict.error;
  EXPECT_GT(verdict.items, 50u);
}

TEST_F(DamagedDatabase, EveryCopyReadsOrIsRefused) {
  damage::Watchdog watchdog(std::chrono::seconds(60));
  std::uint32_t read = 0, refused = 0;
  std::size_t refusedRecords = 0;
  for (std::uint32_t seed = kFirstSeed; seed < kFirstSeed + kCases; ++seed) {
    const damage::Mutation mutation = damage::Choose(seed, original_.size());
    watchdog.Start(damage::Describe(mutation));
    const damage::Verdict verdict = Try(mutation);
    refusedRecords += verdict.refusedItems;
    if (verdict.read) {
      ++read;
    } else if (!verdict.error.empty()) {
      ++refused;
    }
    if (HasFailure()) break;
  }
  RecordProperty("read", static_cast<int>(read));
  RecordProperty("refused", static_cast<int>(refused));
  std::printf(
      "damaged databases: %u cases of %zu bytes, %u read (%zu records refused on the way), "
      "%u refused\n",
      kCases, original_.size(), read, refusedRecords, refused);
  EXPECT_EQ(read + refused, kCases);
  // Both outcomes occur: damage that is never noticed, or never survived, would mean the mutations
  // miss the file's contents.
  EXPECT_GT(read, 0u);
  EXPECT_GT(refused, 0u);
}

}  // namespace
