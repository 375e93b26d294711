// Building a database from a small WordNet and a tab file, then reading every kind of record back;
// and what a failed or refused build leaves behind.
#include "DatabaseBuilder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "ImporterTestSupport.h"
#include "LexicalSchema.h"

namespace {

using namespace schema;

constexpr std::uint32_t kEnglish = 100;
constexpr std::uint32_t kDutch = 101;

// A small WordNet in a folder of its own, optionally with a Dutch tab file.
struct SmallSources {
  ScratchDir dir;
  WordNetSnippet snippet;
  importers::BuildOptions options;

  void Write() {
    snippet.Synset("noun", "entity", "03 n 01 entity 0 001 ~ {animal} n 0000 | that which exists");
    snippet.Synset("noun", "animal",
                   "05 n 02 animal 0 beast 0 003 @ {entity} n 0000 ~ {dog} n 0000 "
                   ";u {slang} n 0000 | a living organism; \"animals move\"");
    snippet.Synset("noun", "dog",
                   "05 n 02 dog 0 Canis_familiaris 0 002 @ {animal} n 0000 + {bark} v 0101 "
                   "| a domestic canine; \"the dog barked\"; \"dogs run\"");
    snippet.Synset("noun", "fido", "18 n 01 Fido 0 001 @i {dog} n 0000 | a famous dog");
    snippet.Synset("noun", "slang", "10 n 01 slang 0 001 -u {animal} n 0000 | informal language");
    snippet.Synset("verb", "bark",
                   "32 v 01 bark 0 002 + {dog} n 0101 > {frighten} v 0000 01 + 02 00 | bark");
    snippet.Synset("verb", "frighten", "37 v 02 frighten 0 scare 0 000 02 + 08 00 + 09 01 | scare");
    snippet.Synset("adj", "big", "00 a 01 big(a) 0 002 & {huge} s 0000 ! {small} a 0101 | large");
    snippet.Synset("adj", "small", "00 a 01 small 0 001 ! {big} a 0101 | not large");
    snippet.Synset("adj", "huge", "00 s 01 huge(p) 2 001 & {big} a 0000 | very large");
    snippet.Synset("adv", "quickly", "02 r 01 quickly 0 000 | with speed");
    const std::pair<const char*, const char*> index[] = {
        {"noun", "entity n 1 1 ~ 1 0 {entity}"},
        {"noun", "animal n 1 1 @ 1 0 {animal}"},
        {"noun", "beast n 1 1 @ 1 0 {animal}"},
        {"noun", "dog n 1 2 @ + 1 1 {dog}"},
        {"noun", "canis_familiaris n 1 1 @ 1 0 {dog}"},
        {"noun", "fido n 1 1 @i 1 0 {fido}"},
        {"noun", "slang n 1 0 1 0 {slang}"},
        {"verb", "bark v 1 1 + 1 0 {bark}"},
        {"verb", "frighten v 1 0 1 0 {frighten}"},
        {"verb", "scare v 1 0 1 0 {frighten}"},
        {"adj", "big a 1 0 1 0 {big}"},
        {"adj", "small a 1 0 1 0 {small}"},
        {"adj", "huge a 1 0 1 0 {huge}"},
        {"adv", "quickly r 1 0 1 0 {quickly}"},
    };
    for (const auto& [file, line] : index) snippet.IndexLine(file, line);
    snippet.ExtraFile("cntlist.rev", "dog%1:05:00:: 1 7\n");
    snippet.Write(dir.Path());
    options.output = dir.Path("out.fdb");
    options.wordnetDir = dir.Path();
  }

  void AddDutch() {
    const std::string dog = snippet.OffsetText("dog") + "-n";
    WriteTextFile(dir.Path("nld.tab"),
                  "# Test Dutch\tnld\thttp://example.org\tCC0\n" + dog + "\tnld:lemma\thond\n" +
                      snippet.OffsetText("animal") + "-n\tnld:lemma\tdier\n" + dog +
                      "\tnld:def\t0\teen huisdier\n" + snippet.OffsetText("bark") +
                      "-v\tnld:lemma\tblaffen\n99999999-n\tnld:lemma\tspook\n");
    options.tabs.push_back({dir.Path("nld.tab"), "NL"});
  }
};

// One database built for every reading test of the suite.
class DatabaseBuilderTest : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    sources_ = new SmallSources();
    sources_->Write();
    sources_->AddDutch();
    run_ = new BuildRun(RunBuild(sources_->options));
  }
  static void TearDownTestSuite() {
    delete run_;
    delete sources_;
  }
  void SetUp() override { ASSERT_TRUE(run_->ok) << run_->error; }

  static StoredDatabase Open() { return StoredDatabase(sources_->options.output); }
  static std::uint32_t OffsetOf(const char* name) { return sources_->snippet.OffsetOf(name); }

  static SmallSources* sources_;
  static BuildRun* run_;
};

SmallSources* DatabaseBuilderTest::sources_ = nullptr;
BuildRun* DatabaseBuilderTest::run_ = nullptr;

TEST_F(DatabaseBuilderTest, StoreZeroSharedDefinitionsAndLanguages) {
  EXPECT_EQ(run_->report.languages, (std::vector<std::string>{"EN", "NL"}));
  StoredDatabase db = Open();
  ASSERT_TRUE(db.IsOpen());
  ArbRecord version = db.Get(kSiteStore, kDefaultContainer, kVersionRecord);
  EXPECT_EQ(TextOf(version, DATA_VERSION), "1.3");
  ArbRecord site = db.Get(kSiteStore, kDefaultContainer, kSiteRecord);
  EXPECT_EQ(TextOf(site, SITE_NAME), "Polylex");
  EXPECT_EQ(TextOf(site, SITE_LANGUAGE), "EN");
  ArbRecord build = db.Get(kSiteStore, kDefaultContainer, kBuildRecord);
  EXPECT_EQ(TextsOf(build, BUILD_SOURCE),
            (std::vector<std::string>{"Princeton WordNet 3.0", "Test Dutch"}));
  EXPECT_EQ(TextOf(build, SOURCE_LICENCE, 2), "CC0");

  EXPECT_EQ(db.Count(kSharedStore, kDefaultContainer), 58u);
  ArbRecord hyperonym = db.Get(kSharedStore, kDefaultContainer, 8);
  EXPECT_EQ(NumberOf(hyperonym, RELATION), 8);
  EXPECT_EQ(TextOf(hyperonym, CODE), "has_hyperonym");
  EXPECT_EQ(db.Count(kSharedStore, kEqRelations), 17u);
  ArbRecord generalization = db.Get(kSharedStore, kEqRelations, 17);
  EXPECT_EQ(TextOf(generalization, NAME), "eq_generalization");
  ArbRecord properNoun = db.Get(kSharedStore, kPartsOfSpeech, 5);
  EXPECT_EQ(TextOf(properNoun, NAME), "proper_noun");
  ArbRecord usage = db.Get(kSharedStore, kSharedUsageLabels, 1);
  EXPECT_EQ(TextOf(usage, NAME), "usage");
  EXPECT_EQ(TextsOf(usage, VALUE_NAME), (std::vector<std::string>{"slang"}));
  ArbRecord frames = db.Get(kSharedStore, kSharedFeatures, 1);
  EXPECT_EQ(TextOf(frames, NAME), "verb_frame");
  EXPECT_EQ(TextsOf(frames, FEATURE_VALUE).size(), 35u);

  ArbRecord dutch = db.Get(kSharedStore, kLanguages, 2);
  EXPECT_EQ(TextOf(dutch, LANGUAGE_CODE), "NL");
  EXPECT_EQ(NumberOf(dutch, STORE_ID), 101);
  EXPECT_EQ(TextsOf(dutch, NAME), (std::vector<std::string>{"Dutch", "enDutch", "nlNederlands"}));
}

TEST_F(DatabaseBuilderTest, IliRecordsVariantsAndTopConcepts) {
  // WordNet's 11 synsets with 14 members, and the Dutch file's 3 synsets with 3 lemmas.
  EXPECT_EQ(run_->report.synsets, 14u);
  EXPECT_EQ(run_->report.senses, 17u);
  StoredDatabase db = Open();
  // Nouns first, then verbs, adjectives and adverbs.
  ArbRecord dogIli = db.Get(kIliStore, kDefaultContainer, 3);
  EXPECT_EQ(NumberOf(dogIli, WORDNET_OFFSET), static_cast<std::int32_t>(OffsetOf("dog")));
  EXPECT_EQ(NumberOf(dogIli, PART_OF_SPEECH), kNoun);
  EXPECT_EQ(TextOf(dogIli, GLOSS), "a domestic canine; \"the dog barked\"; \"dogs run\"");
  ArbRecord hugeIli = db.Get(kIliStore, kDefaultContainer, 10);
  EXPECT_EQ(NumberOf(hugeIli, PART_OF_SPEECH), kAdjective);
  EXPECT_EQ(db.Count(kIliStore, kDefaultContainer), 11u);

  const auto iliWords = db.Find(kIliVariantStore, kDefaultContainer, {ILI_VARIANT, TARGET_ILI}, 3u);
  ASSERT_EQ(iliWords.size(), 2u);
  ArbRecord second = iliWords[1];
  EXPECT_EQ(TextOf(second, LITERAL), "Canis familiaris");
  EXPECT_EQ(NumberOf(second, SENSE), 1);

  EXPECT_EQ(db.Count(kIliStore, kTopConcepts), 50u);
  ArbRecord animals = db.Get(kIliStore, kTopConcepts, 11);  // noun.animal
  EXPECT_EQ(TextOf(animals, GLOSS), "nouns denoting animals");
  EXPECT_EQ(PointerOf(animals, SUPER), 2u);
  EXPECT_EQ(PointerOf(animals, TARGET_ILI, 1), 2u);
  EXPECT_EQ(PointerOf(animals, TARGET_ILI, 2), 3u);
  ArbRecord noun = db.Get(kIliStore, kTopConcepts, 2);
  EXPECT_EQ(PointerOf(noun, SUPER), 1u);
  EXPECT_EQ(noun.GetFieldCount(SUB), 26u);
  const auto topWords =
      db.Find(kEnglish, kDefaultContainer, {TOP_CONCEPT_VARIANT, TOP_CONCEPT}, 11u);
  ASSERT_EQ(topWords.size(), 1u);
  ArbRecord animalWord = topWords[0];
  EXPECT_EQ(TextOf(animalWord, LITERAL), "animal");
}

TEST_F(DatabaseBuilderTest, EnglishConceptsAndVariants) {
  StoredDatabase db = Open();
  ArbRecord fido = db.Get(kEnglish, kConcepts, 4);
  EXPECT_EQ(NumberOf(fido, CONCEPT_TYPE), kWordInstance);
  EXPECT_EQ(NumberOf(fido, PART_OF_SPEECH), kProperNoun);
  EXPECT_EQ(db.WordsOf(kEnglish, 3), (std::vector<std::string>{"dog 1", "Canis familiaris 1"}));

  auto dogs = db.Find(kEnglish, kDefaultContainer, {VARIANT, CONCEPT}, 3u);
  ArbRecord& dog = dogs.at(0);
  EXPECT_EQ(TextOf(dog, DEFINITION), "a domestic canine");
  EXPECT_EQ(TextsOf(dog, EXAMPLE), (std::vector<std::string>{"the dog barked", "dogs run"}));
  EXPECT_EQ(TextOf(dog, TEXT_KEY), "dog%1:05:00::");
  EXPECT_EQ(NumberOf(dog, SOURCE_ID), kWordNet30Source);
  EXPECT_EQ(NumberOf(dog, FREQUENCY), 7);
  EXPECT_EQ(dogs.at(1).GetFieldCount(FREQUENCY), 0);

  auto animals = db.Find(kEnglish, kDefaultContainer, {VARIANT, CONCEPT}, 2u);
  for (ArbRecord& animal : animals) {
    EXPECT_EQ(NumberOf(animal, USAGE_LABEL), 1);
    EXPECT_EQ(NumberOf(animal, USAGE_LABEL_VALUE), 1);
  }
  auto frighten = db.Find(kEnglish, kDefaultContainer, {VARIANT, CONCEPT}, 7u);
  ASSERT_EQ(frighten.size(), 2u);
  EXPECT_EQ(TextsOf(frighten[0], FEATURE_VALUE),
            (std::vector<std::string>{"Somebody ----s something", "Somebody ----s somebody"}));
  EXPECT_EQ(TextsOf(frighten[1], FEATURE_VALUE),
            (std::vector<std::string>{"Somebody ----s something"}));
  auto huge = db.Find(kEnglish, kDefaultContainer, {VARIANT, CONCEPT}, 10u);
  ASSERT_EQ(huge.size(), 1u);
  EXPECT_EQ(TextOf(huge[0], LITERAL), "huge");
  EXPECT_EQ(NumberOf(huge[0], FEATURE), 2);
  EXPECT_EQ(TextOf(huge[0], FEATURE_VALUE), "predicative");
  EXPECT_EQ(TextOf(huge[0], TEXT_KEY), "huge%5:00:02:big:00");
}

TEST_F(DatabaseBuilderTest, LinksFollowPointersWithAddedInversesAndEqLinks) {
  StoredDatabase db = Open();
  EXPECT_EQ(db.Targets(kEnglish, 2, 8), (std::vector<std::uint32_t>{1}));
  EXPECT_EQ(db.Targets(kEnglish, 2, 10), (std::vector<std::uint32_t>{3}));
  EXPECT_EQ(db.Targets(kEnglish, 4, 47), (std::vector<std::uint32_t>{3}));
  EXPECT_EQ(db.Targets(kEnglish, 6, 42), (std::vector<std::uint32_t>{7}));
  // WordNet states only the cause; the effect gets the link back.
  EXPECT_EQ(db.Targets(kEnglish, 7, 43), (std::vector<std::uint32_t>{6}));
  // Links are stored at their source in pointer order.
  auto barkLinks = db.Find(kEnglish, kInternalLinks, {INTERNAL_LINK, SOURCE_CONCEPT}, 6u);
  ASSERT_EQ(barkLinks.size(), 2u);
  EXPECT_EQ(NumberOf(barkLinks[0], RELATION), 2);
  EXPECT_EQ(NumberOf(barkLinks[1], RELATION), 42);
  // The derivation is word to word: bark (variant 8) to dog (variant 4).
  ArbRecord& derivation = barkLinks[0];
  derivation.FindField(SOURCE_CONCEPT);
  EXPECT_EQ(derivation.FindGetRecPtr(VARIANT, 1, ArbRecord::eFromCurrent), 8u);
  derivation.FindField(TARGET_CONCEPT);
  EXPECT_EQ(derivation.FindGetRecPtr(VARIANT, 1, ArbRecord::eFromCurrent), 4u);
  EXPECT_EQ(barkLinks[1].GetFieldCount(VARIANT), 0);
  for (std::uint32_t id = 1; id <= 11; ++id) EXPECT_EQ(db.IliOf(kEnglish, id), id);
}

TEST_F(DatabaseBuilderTest, TabWordNetIsLinkedToTheIli) {
  // The one warning of the build: WordNet itself is clean.
  ASSERT_EQ(run_->warnings.size(), 1u);
  EXPECT_NE(run_->warnings[0].find("nld.tab:6: no WordNet 3.0 synset 99999999-n"),
            std::string::npos)
      << run_->warnings[0];
  StoredDatabase db = Open();
  const std::uint32_t hond = db.ConceptOf(kDutch, "hond", kNoun, 1);
  ASSERT_NE(hond, 0u);
  EXPECT_EQ(db.IliOf(kDutch, hond), 3u);
  const std::uint32_t dier = db.ConceptOf(kDutch, "dier", kNoun, 1);
  EXPECT_EQ(db.Targets(kDutch, hond, 8), (std::vector<std::uint32_t>{dier}));
  // The derivation dog-bark is between words, which other languages do not share.
  const std::uint32_t blaffen = db.ConceptOf(kDutch, "blaffen", kVerb, 1);
  EXPECT_TRUE(db.Targets(kDutch, blaffen, 2).empty());
  auto variants = db.Find(kDutch, kDefaultContainer, {VARIANT, CONCEPT}, hond);
  EXPECT_EQ(TextOf(variants.at(0), DEFINITION), "een huisdier");
}

// Builds of their own, which fail or are refused.
class FailedBuildTest : public testing::Test {
 protected:
  void SetUp() override { sources_.Write(); }
  SmallSources sources_;
};

TEST_F(FailedBuildTest, ExistingOutputIsKeptUnlessForced) {
  WriteTextFile(sources_.options.output, "precious");
  BuildRun run = RunBuild(sources_.options);
  EXPECT_FALSE(run.ok);
  EXPECT_NE(run.error.find("exists"), std::string::npos) << run.error;
  // A forced build whose input is damaged leaves the old file as it was.
  sources_.options.force = true;
  WriteTextFile(sources_.dir.Path("data.adv"), "  1 header\n00000011 02 r 01 quickly");
  run = RunBuild(sources_.options);
  EXPECT_FALSE(run.ok);
  EXPECT_NE(run.error.find("data.adv:2:"), std::string::npos) << run.error;
  std::ifstream kept(sources_.options.output);
  std::string text;
  kept >> text;
  EXPECT_EQ(text, "precious");
  sources_.snippet.Write(sources_.dir.Path());
  run = RunBuild(sources_.options);
  ASSERT_TRUE(run.ok) << run.error;
  EXPECT_TRUE(StoredDatabase(sources_.options.output).IsOpen());
}

TEST_F(FailedBuildTest, AFailedBuildLeavesNoFileBehind) {
  const std::vector<std::string> before = sources_.dir.Files();
  sources_.options.tabs.push_back({sources_.dir.Path("missing.tab"), "FR"});
  BuildRun run = RunBuild(sources_.options);
  EXPECT_FALSE(run.ok);
  EXPECT_NE(run.error.find("missing.tab: cannot be opened"), std::string::npos) << run.error;
  sources_.options.tabs = {{sources_.dir.Path("data.noun"), "XX"}};
  run = RunBuild(sources_.options);
  EXPECT_NE(run.error.find("unknown language code 'XX'"), std::string::npos) << run.error;
  sources_.options.tabs = {{sources_.dir.Path("data.noun"), "en"}};
  run = RunBuild(sources_.options);
  EXPECT_NE(run.error.find("language EN given twice"), std::string::npos) << run.error;
  sources_.options.wordnetDir = sources_.dir.Path("nowhere");
  sources_.options.tabs.clear();
  run = RunBuild(sources_.options);
  EXPECT_NE(run.error.find("WordNet folder not found"), std::string::npos) << run.error;
  EXPECT_EQ(sources_.dir.Files(), before);
}

// Tab files that name their language only in their header, in languages of every kind.
class TabLanguageTest : public testing::Test {
 protected:
  void SetUp() override { sources_.Write(); }

  // A tab file with that header language and one lemma for "dog"; `extra` lines follow.
  void AddTab(const std::string& file, const std::string& language, const std::string& code,
              const std::string& extra = "") {
    const std::string dog = sources_.snippet.OffsetText("dog") + "-n";
    WriteTextFile(sources_.dir.Path(file), "# Test wordnet\t" + language + "\thttp://x\tCC0\n" +
                                               dog + "\t" + language + ":lemma\tword\n" + extra);
    sources_.options.tabs.push_back({sources_.dir.Path(file), code});
  }

  SmallSources sources_;
};

TEST_F(TabLanguageTest, HeadersNameTheLanguages) {
  const std::string dog = sources_.snippet.OffsetText("dog") + "-n";
  AddTab("arb.tab", "arb", "",
         dog + "\tarb:lemma:root\tklb\n" + dog + "\tarb:lemma:brokenplural\tklab\n");
  AddTab("haw.tab", "haw", "");
  AddTab("fas.tab", "arb", "fa");  // --code outweighs the header
  const BuildRun run = RunBuild(sources_.options);
  ASSERT_TRUE(run.ok) << run.error;
  EXPECT_EQ(run.report.languages, (std::vector<std::string>{"EN", "AR", "HAW", "FA"}));
  // Types other than lemma, def and exe are skipped and counted like other skipped lines.
  EXPECT_EQ(run.report.warnings, 2u);
  ASSERT_EQ(run.warnings.size(), 2u);
  EXPECT_NE(run.warnings[0].find("arb.tab:3: unknown type 'arb:lemma:root'"), std::string::npos)
      << run.warnings[0];

  StoredDatabase db(sources_.options.output);
  ArbRecord english = db.Get(kSharedStore, kLanguages, 1);
  EXPECT_EQ(TextOf(english, LOCALE), "en");
  // Names in other languages under two-letter codes only: GetName reads two letters.
  EXPECT_EQ(TextsOf(english, NAME),
            (std::vector<std::string>{"English", "enEnglish", "arالإنجليزية", "faانگلیسی"}));
  ArbRecord arabic = db.Get(kSharedStore, kLanguages, 2);
  EXPECT_EQ(TextOf(arabic, LANGUAGE_CODE), "AR");
  EXPECT_EQ(NumberOf(arabic, STORE_ID), 101);
  EXPECT_EQ(TextOf(arabic, LOCALE), "ar");
  EXPECT_EQ(TextOf(arabic, NAME), "Arabic");
  ArbRecord hawaiian = db.Get(kSharedStore, kLanguages, 3);
  EXPECT_EQ(TextOf(hawaiian, LANGUAGE_CODE), "HAW");
  EXPECT_EQ(TextOf(hawaiian, LOCALE), "haw");
  EXPECT_EQ(TextOf(hawaiian, NAME), "Hawaiian");
  ArbRecord persian = db.Get(kSharedStore, kLanguages, 4);
  EXPECT_EQ(TextOf(persian, NAME), "Persian");
  EXPECT_EQ(db.Count(103, kConcepts), 1u);
}

TEST_F(TabLanguageTest, LanguagesThatCannotBeTaken) {
  WriteTextFile(sources_.dir.Path("bare.tab"), "# Bare\n");
  sources_.options.tabs.push_back({sources_.dir.Path("bare.tab"), ""});
  BuildRun run = RunBuild(sources_.options);
  EXPECT_EQ(run.error, sources_.dir.Path("bare.tab") +
                           ":1: the header names no language (\"# name<TAB>lang<TAB>url<TAB>"
                           "licence\"); give one with --code");
  sources_.options.tabs.clear();
  AddTab("qqq.tab", "qqq", "");
  run = RunBuild(sources_.options);
  EXPECT_EQ(run.error, sources_.dir.Path("qqq.tab") +
                           ":1: unknown language code 'qqq' in the header; give the language "
                           "with --code");
  sources_.options.tabs.clear();
  AddTab("nld.tab", "nld", "");
  AddTab("dut.tab", "dut", "");
  run = RunBuild(sources_.options);
  EXPECT_EQ(run.error, sources_.dir.Path("dut.tab") + ": language NL given twice");
  EXPECT_FALSE(std::filesystem::exists(sources_.options.output));
}

}  // namespace
