// WordNet 3.0 with every Open Multilingual Wordnet tab file: each language's record, and its
// concepts and variants counted against the file itself; a look-up through the ILI in each script.
#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <map>
#include <set>
#include <string>
#include <unordered_set>
#include <utility>

#include "ArbCursor.h"
#include "ArbRecord.h"
#include "Concept.h"
#include "Concepts.h"
#include "ILIRecord.h"
#include "ILIRecords.h"
#include "ImporterTestSupport.h"
#include "LanguageWordNet.h"
#include "LanguageWordNets.h"
#include "LexicalSchema.h"
#include "OmwWordNet.h"
#include "Polylex.h"
#include "lexicon/Factory.h"

using lexicon::Owned;
using namespace schema;

namespace {

std::uint64_t KeyOf(std::uint32_t offset, int partOfSpeech) {
  return std::uint64_t{offset} * 8 + static_cast<std::uint64_t>(partOfSpeech);
}

// Offset and part of speech of every ILI record: the WordNet synsets a tab line can link to.
std::unordered_set<std::uint64_t> IliKeys(void* db) {
  std::unordered_set<std::uint64_t> keys;
  ArbCursor cursor(db, kDefaultContainer, kIliStore);
  ArbRecord record;
  while (cursor.ReadNext(record)) {
    keys.insert(KeyOf(static_cast<std::uint32_t>(NumberOf(record, WORDNET_OFFSET)),
                      NumberOf(record, PART_OF_SPEECH)));
  }
  return keys;
}

struct FileCounts {
  std::size_t concepts = 0;
  std::size_t variants = 0;
};

std::string Trimmed(const std::string& text) {
  const std::size_t first = text.find_first_not_of(" \t\r");
  if (first == std::string::npos) return "";
  return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

// The file's own count: synsets of WordNet 3.0 with at least one lemma, and distinct (synset,
// lemma) pairs. Lines of other types ("arb:lemma:root") name no variant.
FileCounts CountsOf(const std::string& path, const std::unordered_set<std::uint64_t>& ili) {
  static const std::map<char, int> kPartsOfSpeech = {
      {'n', kNoun}, {'v', kVerb}, {'a', kAdjective}, {'s', kAdjective}, {'r', kAdverb}};
  std::ifstream in(path);
  std::set<std::string> synsets;
  std::set<std::pair<std::string, std::string>> lemmas;
  std::string line;
  while (std::getline(in, line)) {
    if (line.starts_with('#')) continue;
    const std::size_t tab1 = line.find('\t');
    const std::size_t tab2 = line.find('\t', tab1 + 1);
    if (tab1 == std::string::npos || tab2 == std::string::npos) continue;
    const std::string key = line.substr(0, tab1);
    const std::string type = line.substr(tab1 + 1, tab2 - tab1 - 1);
    const std::string lemma = Trimmed(line.substr(tab2 + 1));
    if ((type != "lemma" && !type.ends_with(":lemma")) || lemma.empty() || key.size() != 10) {
      continue;
    }
    const auto pos = kPartsOfSpeech.find(key.back());
    if (pos == kPartsOfSpeech.end() ||
        !ili.contains(
            KeyOf(static_cast<std::uint32_t>(std::stoul(key.substr(0, 8))), pos->second))) {
      continue;
    }
    synsets.insert(key);
    lemmas.insert({key, lemma});
  }
  return {synsets.size(), lemmas.size()};
}

// The language each header's lang column names, under its database code.
const std::map<std::string, std::string> kCodes = {
    {"als", "SQ"}, {"arb", "AR"}, {"bul", "BG"}, {"cat", "CA"}, {"cmn", "ZH"},
    {"dan", "DA"}, {"ell", "GR"}, {"eus", "EU"}, {"fra", "FR"}, {"heb", "HE"},
    {"ind", "ID"}, {"isl", "IS"}, {"ita", "IT"}, {"nld", "NL"}, {"nob", "NB"},
    {"pol", "PL"}, {"slk", "SK"}, {"swe", "SV"}, {"zsm", "MS"}};

class OmwLanguagesTest : public testing::Test {
 protected:
  void SetUp() override {
    omw_ = SharedOmwWordNet();
    if (omw_ == nullptr) GTEST_SKIP() << "no WordNet or no tab files in " << SHARED_DATA_DIR;
    database_.Open(omw_->path.c_str(), nullptr, 1, 0);
  }

  const OmwWordNet* omw_ = nullptr;
  Polylex database_;
};

TEST_F(OmwLanguagesTest, EachLanguageHoldsTheConceptsAndVariantsOfItsFile) {
  void* db = database_.GetDatabase();
  const std::unordered_set<std::uint64_t> ili = IliKeys(db);
  ArbRecord record;
  for (const OmwTab& tab : omw_->tabs) {
    SCOPED_TRACE(tab.folder);
    ASSERT_TRUE(record.Retrieve(db, kSharedStore, kLanguages, tab.store - kFirstLanguageStore + 1));
    EXPECT_EQ(static_cast<std::uint32_t>(NumberOf(record, STORE_ID)), tab.store);
    const auto code = kCodes.find(tab.folder);
    if (code != kCodes.end()) {
      EXPECT_EQ(TextOf(record, LANGUAGE_CODE), code->second);
    }
    EXPECT_FALSE(TextOf(record, NAME).empty());
    EXPECT_FALSE(TextOf(record, LOCALE).empty());

    const FileCounts expected = CountsOf(tab.path, ili);
    EXPECT_GT(expected.variants, 0u);
    ArbCursor concepts(db, kConcepts, tab.store);
    EXPECT_EQ(concepts.GetRecCount(), expected.concepts);
    ArbCursor variants(db, kDefaultContainer, tab.store);
    variants.SetMasterIndex(kVariantConceptIndex, 1);
    EXPECT_EQ(variants.GetRecCount(), expected.variants);
  }
}

TEST_F(OmwLanguagesTest, CatReachesTheSameIliRecordInEveryScript) {
  constexpr std::int32_t kCat = 2121620;
  const std::pair<const char*, const char*> cats[] = {
      {"SV", "katt"}, {"GR", "γάτα"}, {"BG", "котка"}, {"AR", "قِطّ"}, {"HE", "חָתוּל"}, {"ZH", "猫"}};
  const Owned<LanguageWordNets> languages(database_.GetLanguageWordNets());
  for (const auto& [code, word] : cats) {
    SCOPED_TRACE(code);
    const Owned<LanguageWordNet> language(languages->GetItem(code));
    const Owned<Concepts> concepts(language->GetConcepts(word));
    Concept* found = nullptr;
    ASSERT_EQ(concepts->GetFirst(&found), 1);
    const Owned<Concept> meaning(found);
    ILIRecords* records = nullptr;
    ASSERT_EQ(meaning->GetILIRecords(0, &records), 1);
    const Owned<ILIRecords> held(records);
    ILIRecord* first = nullptr;
    ASSERT_EQ(held->GetFirst(&first), 1);
    const Owned<ILIRecord> record(first);
    EXPECT_EQ(record->GetWordNetOffset(), kCat);
  }
}

}  // namespace
