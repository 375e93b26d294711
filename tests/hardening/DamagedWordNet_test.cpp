// Damaged copies of the WordNet database must never answer wrongly in silence: for every damage,
// the look-up, browse listing and export text of a fixed word list are either exactly those of the
// undamaged file or refused with a store error, and the whole-file check reports the damage. One
// working copy is damaged in place, read, and restored, case after case.
#include <gtest/gtest.h>
#include <sqlite3.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "ArbError.h"
#include "Concept.h"
#include "ConceptVariant.h"
#include "ConceptVariants.h"
#include "DatabaseChecker.h"
#include "Dictionary.h"
#include "DictionaryEntry.h"
#include "LanguageWordNet.h"
#include "LanguageWordNets.h"
#include "PLXException.h"
#include "Polylex.h"
#include "importers/SharedWordNet.h"
#include "lexicon/Factory.h"
#include "platform/TextConvert.h"

using lexicon::Owned;

namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr std::uint32_t kCases = 40;
#else
constexpr std::uint32_t kCases = 200;
#endif
constexpr std::uint32_t kFirstSeed = 20261209;
constexpr std::size_t kBrowseCount = 12;
// Pages holding a word's letters, not all of them its own records: enough to hit those often.
constexpr std::size_t kPagesPerWord = 300;
const char* const kWords[] = {"dog", "bank", "light", "run", "zebra", "house", "Paris"};

std::string Take(BSTR text) {
  if (text == nullptr) return "<null>";
  std::string narrow = platform::Utf16ToUtf8(std::u16string_view(text, SysStringLen(text)));
  SysFreeString(text);
  return narrow;
}

// What the word list gives: the text of every answer, or the store error that stopped it.
struct Answers {
  std::string text;
  bool refused = false;
  std::uint32_t storeCode = 0;  // 0 when refused with an error that is no store error
  std::string error;
};

void AnswerWord(LanguageWordNet& english, const char* word, std::string* text) {
  *text += std::string("lookup ") + word + "\n";
  Owned<ConceptVariants> variants(english.GetConceptVariants(word));
  ConceptVariant* item = nullptr;
  while (variants && variants->GetNext(&item) != 0) {
    const Owned<ConceptVariant> variant(item);
    *text += Take(variant->GetLiteral()) + ":" + std::to_string(variant->GetSense()) + "\n";
    Owned<Concept> meaning(variant->GetBaseConcept());
    BSTR exported = nullptr;
    if (meaning && english.ExportConcept(meaning.get(), &exported) != 0) *text += Take(exported);
  }
  *text += "browse\n";
  Owned<Dictionary> dictionary(english.GetDictionary());
  dictionary->SetFilter(word, nullptr, 0);
  DictionaryEntry* entry = nullptr;
  for (std::size_t listed = 0; listed < kBrowseCount && dictionary->GetNext(&entry) != 0;
       ++listed) {
    *text += Take(Owned<DictionaryEntry>(entry)->GetLiteral()) + "\n";
  }
}

Answers AnswersOf(const std::string& path) {
  Answers answers;
  try {
    Polylex polylex;
    polylex.Open(path.c_str(), nullptr, 1, 0);
    Owned<LanguageWordNets> all(polylex.GetLanguageWordNets());
    Owned<LanguageWordNet> english(all->GetItem("EN"));
    if (!english) throw PLXException(ePLXIncompatibleDatabase);
    for (const char* word : kWords) AnswerWord(*english, word, &answers.text);
  } catch (const PLXException& error) {
    answers.refused = true;
    if (error.GetError() == ePLXArborError) answers.storeCode = error.GetARBORError();
    answers.error = static_cast<const char*>(error);
  } catch (const ArbError& error) {
    answers.refused = true;
    answers.storeCode = error;
    answers.error = static_cast<const char*>(error);
  }
  return answers;
}

// The pages worth damaging besides random ones: those of the small tables and the B-tree roots
// and inner pages that every look-up passes through, and the pages holding the words' records.
std::vector<std::uint64_t> PagesInTheWay(const std::string& path, const std::vector<char>& bytes) {
  std::vector<std::uint64_t> pages;
  sqlite3* connection = nullptr;
  if (sqlite3_open_v2(path.c_str(), &connection, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK) {
    sqlite3_stmt* statement = nullptr;
    sqlite3_prepare_v2(connection,
                       "SELECT pageno FROM dbstat WHERE pagetype = 'internal' OR name NOT IN "
                       "('records', 'index_entries') ORDER BY pageno",
                       -1, &statement, nullptr);
    while (statement != nullptr && sqlite3_step(statement) == SQLITE_ROW) {
      pages.push_back(static_cast<std::uint64_t>(sqlite3_column_int64(statement, 0)));
    }
    sqlite3_finalize(statement);
  }
  sqlite3_close(connection);
  const std::size_t pageSize =
      static_cast<unsigned char>(bytes[16]) << 8 | static_cast<unsigned char>(bytes[17]);
  for (const char* word : kWords) {
    const char* end = word + std::char_traits<char>::length(word);
    auto at = bytes.begin();
    for (std::size_t found = 0; found < kPagesPerWord; ++found, ++at) {
      at = std::search(at, bytes.end(), word, end);
      if (at == bytes.end()) break;
      pages.push_back(static_cast<std::uint64_t>(at - bytes.begin()) / pageSize + 1);
    }
  }
  std::sort(pages.begin(), pages.end());
  pages.erase(std::unique(pages.begin(), pages.end()), pages.end());
  return pages;
}

enum class Damage { kBitFlips, kZeros, kRandomBytes, kTruncation };

struct Case {
  std::uint32_t seed;
  Damage damage;
  std::size_t offset;
  std::size_t length;

  std::string Describe() const {
    static const char* const kNames[] = {"bit flips", "zeros", "random bytes", "truncation"};
    return "seed " + std::to_string(seed) + ": " + kNames[static_cast<int>(damage)] +
           " at offset " + std::to_string(offset) + ", length " + std::to_string(length);
  }
};

class DamagedWordNet : public testing::Test {
 protected:
  void SetUp() override {
    const std::string shared = SharedWordNetDatabase();
    if (shared.empty()) GTEST_SKIP() << "no WordNet installed";
    const std::filesystem::path dir =
        std::filesystem::temp_directory_path() / ("damaged-wordnet-" + std::to_string(getpid()));
    std::filesystem::create_directories(dir);
    dir_ = dir.string();
    path_ = (dir / "copy.fdb").string();
    std::filesystem::copy_file(shared, path_);
    std::ifstream in(path_, std::ios::binary);
    original_.assign(std::istreambuf_iterator<char>(in), {});
    pageSize_ =
        static_cast<unsigned char>(original_[16]) << 8 | static_cast<unsigned char>(original_[17]);
    pagesInTheWay_ = PagesInTheWay(path_, original_);
  }

  void TearDown() override {
    if (!dir_.empty()) std::filesystem::remove_all(dir_);
  }

  Case Choose(std::uint32_t seed) const {
    std::mt19937 random(seed);
    const std::size_t size = original_.size();
    Case chosen{seed, static_cast<Damage>(random() % 4), 0, 1 + random() % 64};
    // Half the cases hit a page every look-up passes through, the rest land anywhere.
    if (random() % 2 == 0 && !pagesInTheWay_.empty()) {
      const std::uint64_t page = pagesInTheWay_[random() % pagesInTheWay_.size()];
      chosen.offset = static_cast<std::size_t>((page - 1) * pageSize_ + random() % pageSize_);
    } else {
      chosen.offset = random() % size;
    }
    chosen.length = std::min(chosen.length, size - chosen.offset);
    return chosen;
  }

  // Damages the working copy; false when the damage left every byte as it was.
  bool Apply(const Case& damage) {
    if (damage.damage == Damage::kTruncation) {
      std::filesystem::resize_file(path_, damage.offset);
      return true;
    }
    std::vector<char> bytes(original_.begin() + static_cast<long>(damage.offset),
                            original_.begin() + static_cast<long>(damage.offset + damage.length));
    std::mt19937 random(damage.seed);
    for (char& byte : bytes) {
      switch (damage.damage) {
        case Damage::kBitFlips:
          if (&byte == &bytes.front() || random() % 4 == 0) {
            byte = static_cast<char>(byte ^ (1 << (random() % 8)));
          }
          break;
        case Damage::kZeros:
          byte = 0;
          break;
        default:
          byte = static_cast<char>(random());
      }
    }
    Write(damage.offset, bytes);
    return !std::equal(bytes.begin(), bytes.end(),
                       original_.begin() + static_cast<long>(damage.offset));
  }

  void Restore(const Case& damage) {
    const std::size_t from = damage.offset;
    const std::size_t length =
        damage.damage == Damage::kTruncation ? original_.size() - from : damage.length;
    Write(from, std::vector<char>(original_.begin() + static_cast<long>(from),
                                  original_.begin() + static_cast<long>(from + length)));
  }

  void Write(std::size_t offset, const std::vector<char>& bytes) {
    std::fstream out(path_, std::ios::binary | std::ios::in | std::ios::out);
    out.seekp(static_cast<std::streamoff>(offset));
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    ASSERT_TRUE(out.good());
  }

  std::string dir_;
  std::string path_;
  std::vector<char> original_;
  std::size_t pageSize_ = 0;
  std::vector<std::uint64_t> pagesInTheWay_;
};

TEST_F(DamagedWordNet, AnswersAreRightOrRefusedAndTheCheckReportsTheDamage) {
  const Answers undamaged = AnswersOf(path_);
  ASSERT_FALSE(undamaged.refused) << undamaged.error;
  ASSERT_NE(undamaged.text.find("LITERAL \"domestic dog\""), std::string::npos);
  ASSERT_GT(pagesInTheWay_.size(), 20u);
  std::uint32_t refused = 0;
  for (std::uint32_t seed = kFirstSeed; seed < kFirstSeed + kCases; ++seed) {
    const Case damage = Choose(seed);
    const bool changed = Apply(damage);
    const Answers answers = AnswersOf(path_);
    if (answers.refused) {
      ++refused;
      EXPECT_NE(answers.storeCode, 0u) << damage.Describe() << ": " << answers.error;
    } else {
      // The whole text in a failure message would bury the damage that caused it.
      EXPECT_TRUE(answers.text == undamaged.text)
          << damage.Describe() << ": the answers differ from the undamaged file's";
    }
    // A damage that changed no byte (zeros over zeros) leaves nothing to report.
    if (changed) {
      DatabaseChecker checker;
      const bool ran = checker.Run(path_.c_str(), nullptr) != 0;
      EXPECT_TRUE(!ran || checker.IsDamaged()) << damage.Describe() << ": the check found nothing";
    }
    Restore(damage);
  }
  // Without refusals the damage would have missed everything the word list reads.
  EXPECT_GT(refused, kCases / 10);
  std::printf("%u of %u damaged copies refused the word list\n", refused, kCases);
}

}  // namespace
