// Page checksums: every page of a file carries one, a damaged page is refused when it is read, and
// the whole-file check finds damage in pages, records and index entries.
#include <algorithm>
#include <string>
#include <vector>

#include "StoreTestSupport.h"
#include "store/DatabaseCheck.h"
#include "store/PageScan.h"

namespace {

constexpr std::size_t kPageSize = 4096;
constexpr std::size_t kReservedBytesOffset = 20;
constexpr int kRecords = 300;

class PageChecksums : public StoreTest {
 protected:
  void SetUp() override {
    store::Database* db = CreateAndOpen("sample.fdb");
    store::IndexComponent text{{1, 2}, 2, store::KeyType::kText};
    ASSERT_EQ(store::DefineIndex(db, 0, 7, 32001, &text, 1), arbcode::SUCCESS);
    ASSERT_EQ(store::BeginBulk(db, false), arbcode::SUCCESS);
    for (int i = 0; i < kRecords; ++i) {
      AddTextRecord(db, 0, 32001, 1, 2, "word " + std::to_string(i) + std::string(200, 'x'));
    }
    ASSERT_EQ(store::CommitBulk(db), arbcode::SUCCESS);
    Close(&db);
    path_ = PathOf("sample.fdb");
    original_ = ReadFile(path_);
    ASSERT_EQ(original_.size() % kPageSize, 0u);
  }

  // The page that holds the stored text `text`; 0 when none does.
  std::size_t PageOfText(const std::string& text) const {
    const auto found = std::search(original_.begin(), original_.end(), text.begin(), text.end());
    if (found == original_.end()) return 0;
    return static_cast<std::size_t>(found - original_.begin()) / kPageSize + 1;
  }

  store::CheckFindings Check() {
    store::CheckFindings findings;
    EXPECT_EQ(store::CheckDatabaseFile(session_, path_.c_str(), nullptr, &findings),
              arbcode::SUCCESS);
    return findings;
  }

  std::string path_;
  std::vector<char> original_;
};

TEST_F(PageChecksums, EveryPageOfANewFileVerifies) {
  EXPECT_EQ(original_[kReservedBytesOffset], 8);
  store::PageScanResult scan;
  ASSERT_EQ(store::ScanPages(path_.c_str(), nullptr, &scan), arbcode::SUCCESS);
  EXPECT_EQ(scan.pages, original_.size() / kPageSize);
  EXPECT_TRUE(scan.damaged.empty());
  EXPECT_EQ(scan.headerPages, 0u);
  const store::CheckFindings findings = Check();
  EXPECT_FALSE(findings.Damaged());
  EXPECT_TRUE(findings.entriesChecked);
  EXPECT_EQ(findings.records, static_cast<std::uint64_t>(kRecords));
  EXPECT_EQ(findings.entries, static_cast<std::uint64_t>(kRecords));
}

TEST_F(PageChecksums, ADamagedPageFailsItsReadAndTheCheckNamesIt) {
  const std::size_t page = PageOfText("word 123x");
  ASSERT_GT(page, 1u);
  std::vector<char> damaged = original_;
  damaged[(page - 1) * kPageSize + 1000] ^= 0x10;
  WriteFile(path_, damaged);
  store::Database* db = Open("sample.fdb", store::kOpenReadOnly);
  ASSERT_NE(db, nullptr);
  EXPECT_EQ(StoredText(db, 0, 32001, 124, 2), "<code " + CodeText(arbcode::BLOCK_CHECKSUM) + ">");
  Close(&db);
  const store::CheckFindings findings = Check();
  EXPECT_TRUE(findings.Damaged());
  EXPECT_EQ(findings.pages.damaged, std::vector<std::uint64_t>{page});
  EXPECT_FALSE(findings.recordsChecked);
}

TEST_F(PageChecksums, PagesVerifiedOnceAreVerifiedAgainAfterAnotherConnectionChangedTheFile) {
  store::Database* reader = Open("sample.fdb", store::kOpenReadOnly);
  ASSERT_NE(reader, nullptr);
  const std::string text = "word 123" + std::string(200, 'x');
  ASSERT_EQ(StoredText(reader, 0, 32001, 124, 2), text);
  // Only the checksum is damaged: a read that trusts the page still finds the record whole.
  const std::size_t page = PageOfText("word 123x");
  ASSERT_GT(page, 1u);
  std::vector<char> damaged = original_;
  damaged[page * kPageSize - 1] ^= 0x01;
  WriteFile(path_, damaged);
  store::Database* writer = Open("sample.fdb");
  ASSERT_NE(writer, nullptr);
  ASSERT_NE(AddTextRecord(writer, 0, 32001, 1, 2, "one more"), 0u);
  Close(&writer);
  EXPECT_EQ(StoredText(reader, 0, 32001, 124, 2),
            "<code " + CodeText(arbcode::BLOCK_CHECKSUM) + ">");
  Close(&reader);
}

TEST_F(PageChecksums, APageCopiedToAnotherPlaceDoesNotVerify) {
  // Intact bytes in the wrong place: the page number is part of the checksum.
  const std::size_t page = PageOfText("word 200x");
  ASSERT_GT(page, 2u);
  std::vector<char> moved = original_;
  std::copy_n(original_.begin() + static_cast<long>((page - 2) * kPageSize), kPageSize,
              moved.begin() + static_cast<long>((page - 1) * kPageSize));
  WriteFile(path_, moved);
  EXPECT_EQ(Check().pages.damaged, std::vector<std::uint64_t>{page});
}

TEST_F(PageChecksums, AFileCutAtAPageBoundaryIsReported) {
  std::vector<char> cut(original_.begin(), original_.end() - kPageSize);
  WriteFile(path_, cut);
  const store::CheckFindings findings = Check();
  EXPECT_TRUE(findings.Damaged());
  EXPECT_NE(findings.openCode, 0u);
  EXPECT_EQ(findings.pages.headerPages, original_.size() / kPageSize);
}

TEST_F(PageChecksums, TheCheckFindsDamagedRecordsAndWrongIndexEntries) {
  // One record body with a byte changed behind the record checksum's back, one index entry gone
  // and one that no record gives.
  RunSqlBehindTheStore(path_,
                       "UPDATE records SET body = CAST(substr(body, 1, 20) || x'7A' || "
                       "substr(body, 22) AS BLOB) WHERE id = "
                       "(SELECT max(id) FROM records);"
                       "DELETE FROM index_entries WHERE key = (SELECT min(key) FROM index_entries);"
                       "INSERT INTO index_entries(key) VALUES(x'000000070161620000000005');");
  const store::CheckFindings findings = Check();
  EXPECT_TRUE(findings.Damaged());
  EXPECT_TRUE(findings.pages.damaged.empty());
  ASSERT_EQ(findings.damagedRecords.size(), 1u);
  EXPECT_EQ(findings.damagedRecords[0] & 0xFFFFFFFF, kRecords);
  EXPECT_EQ(findings.missingEntries, 1u);
  // The damaged record's own entry can no longer be matched either.
  EXPECT_EQ(findings.strayEntries, 2u);
}

TEST_F(PageChecksums, TheProgressCanStopTheCheck) {
  store::CheckFindings findings;
  std::uint64_t calls = 0;
  const store::CheckProgress stopAtOnce = [&calls](store::CheckStage, std::uint64_t,
                                                   std::uint64_t) { return ++calls < 2; };
  ASSERT_EQ(store::CheckDatabaseFile(session_, path_.c_str(), stopAtOnce, &findings),
            arbcode::SUCCESS);
  EXPECT_TRUE(findings.stopped);
  EXPECT_EQ(findings.pages.pages, 2u);
  EXPECT_FALSE(findings.recordsChecked);
  EXPECT_FALSE(findings.Damaged());
}

}  // namespace
