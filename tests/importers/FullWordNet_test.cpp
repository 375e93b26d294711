// The whole of Princeton WordNet 3.0 as Debian installs it, with the Dutch and French wordnets of
// Open Multilingual Wordnet: counts, and facts any reader of WordNet knows; skipped where the data
// is not installed.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "DatabaseBuilder.h"
#include "ImporterTestSupport.h"
#include "LexicalSchema.h"
#include "SharedWordNet.h"

namespace {

using namespace schema;

constexpr std::uint32_t kEnglish = 100;
constexpr std::uint32_t kDutch = 101;
constexpr std::uint32_t kFrench = 102;

using FullWordNetTest = SharedWordNetTest;

// The build itself, in this process, so that its report and warnings can be seen.
TEST(FullWordNetBuild, CountsSynsetsAndWordSenses) {
  if (!std::filesystem::exists(std::string(WORDNET_DIR) + "/data.noun")) {
    GTEST_SKIP() << WORDNET_DIR << " holds no WordNet";
  }
  ScratchDir dir;
  importers::BuildOptions options;
  options.output = dir.Path("wordnet.fdb");
  options.wordnetDir = WORDNET_DIR;
  const BuildRun run = RunBuild(options);
  ASSERT_TRUE(run.ok) << run.error;
  EXPECT_EQ(run.report.synsets, 117659u);
  EXPECT_EQ(run.report.senses, 206978u);
  for (const std::string& warning : run.warnings) ADD_FAILURE() << warning;
  StoredDatabase db(options.output);
  EXPECT_EQ(db.Count(kIliStore, kDefaultContainer), 117659u);
  EXPECT_EQ(db.Count(kEnglish, kConcepts), 117659u);
  EXPECT_EQ(db.Count(kIliVariantStore, kDefaultContainer), 206978u);
}

TEST_F(FullWordNetTest, DogHasItsSensesHyperonymsAndIliOffset) {
  for (std::int16_t sense = 1; sense <= 7; ++sense) {
    EXPECT_NE(db_->ConceptOf(kEnglish, "dog", kNoun, sense), 0u) << "noun sense " << sense;
  }
  EXPECT_EQ(db_->ConceptOf(kEnglish, "dog", kNoun, 8), 0u);
  EXPECT_NE(db_->ConceptOf(kEnglish, "dog", kVerb, 1), 0u);
  EXPECT_EQ(db_->ConceptOf(kEnglish, "dog", kVerb, 2), 0u);

  const std::uint32_t dog = db_->ConceptOf(kEnglish, "dog", kNoun, 1);
  EXPECT_EQ(db_->Targets(kEnglish, dog, kHyperonymRelation),
            (std::vector<std::uint32_t>{db_->ConceptOf(kEnglish, "canine", kNoun, 2),
                                        db_->ConceptOf(kEnglish, "domestic animal", kNoun, 1)}));
  ArbRecord ili = db_->Get(kIliStore, kDefaultContainer, db_->IliOf(kEnglish, dog));
  EXPECT_EQ(NumberOf(ili, WORDNET_OFFSET), 2084071);
  ArbRecord word = db_->Find(kEnglish, kDefaultContainer, {VARIANT, CONCEPT}, dog).at(0);
  EXPECT_EQ(TextOf(word, TEXT_KEY), "dog%1:05:00::");
  EXPECT_EQ(NumberOf(word, FREQUENCY), 42);
  // A satellite's sense key names the head of its cluster.
  const std::uint32_t huge = db_->ConceptOf(kEnglish, "huge", kAdjective, 1);
  ArbRecord satellite = db_->Find(kEnglish, kDefaultContainer, {VARIANT, CONCEPT}, huge).at(0);
  EXPECT_EQ(TextOf(satellite, TEXT_KEY), "huge%5:00:01:large:00");
  EXPECT_EQ(NumberOf(satellite, FREQUENCY), 23);
  EXPECT_EQ(NumberOf(ili, PART_OF_SPEECH), kNoun);
}

TEST_F(FullWordNetTest, ShiftedVerbsCarryPrincetonOffsets) {
  // "forget" sense 4 sits at 00613036 in Debian's data.verb, 18 bytes past Princeton's offset.
  const std::uint32_t forget = db_->ConceptOf(kEnglish, "forget", kVerb, 4);
  ArbRecord ili = db_->Get(kIliStore, kDefaultContainer, db_->IliOf(kEnglish, forget));
  EXPECT_EQ(NumberOf(ili, WORDNET_OFFSET), 613018);
  // Every offset of the tab files names a synset (CountsSynsetsAndWordSenses sees no warning).
}

TEST_F(FullWordNetTest, HondIsDog) {
  if (!SharedWordNetHasTabs())
    GTEST_SKIP() << "no Open Multilingual Wordnet files at " << SHARED_DATA_DIR;
  const std::uint32_t dogIli = db_->IliOf(kEnglish, db_->ConceptOf(kEnglish, "dog", kNoun, 1));
  bool linked = false;
  for (std::int16_t sense = 1; sense <= 9 && !linked; ++sense) {
    const std::uint32_t hond = db_->ConceptOf(kDutch, "hond", kNoun, sense);
    linked = hond != 0 && db_->IliOf(kDutch, hond) == dogIli;
  }
  EXPECT_TRUE(linked);
}

TEST_F(FullWordNetTest, OublierIsTheVerbAtPrincetonOffset613018) {
  if (!SharedWordNetHasTabs())
    GTEST_SKIP() << "no Open Multilingual Wordnet files at " << SHARED_DATA_DIR;
  bool linked = false;
  for (std::int16_t sense = 1; sense <= 9 && !linked; ++sense) {
    const std::uint32_t oublier = db_->ConceptOf(kFrench, "oublier", kVerb, sense);
    if (oublier == 0) continue;
    ArbRecord ili = db_->Get(kIliStore, kDefaultContainer, db_->IliOf(kFrench, oublier));
    linked = NumberOf(ili, WORDNET_OFFSET) == 613018 && NumberOf(ili, PART_OF_SPEECH) == kVerb;
  }
  EXPECT_TRUE(linked);
}

}  // namespace
