// The WN-LMF files of the shared test data (written by others, versions 1.0 to 1.4) imported one
// by one: what each lexicon becomes, and how the faulty ones are met.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "ImporterTestSupport.h"
#include "LexicalSchema.h"

namespace {

using namespace schema;

constexpr std::uint32_t kFirst = kFirstLanguageStore;

std::string SharedLmf(const std::string& name) {
  return std::string(SHARED_DATA_DIR) + "/lmf/" + name;
}

bool HasWarning(const BuildRun& run, const std::string& text) {
  return std::any_of(run.warnings.begin(), run.warnings.end(),
                     [&](const std::string& warning) { return warning == text; });
}

// One file built into a database of its own in a scratch folder.
class LmfSharedFilesTest : public testing::Test {
 protected:
  void SetUp() override {
    if (!std::filesystem::exists(SharedLmf(""))) GTEST_SKIP() << "no WN-LMF test files";
  }

  void Build(const std::string& name) {
    path_ = SharedLmf(name);
    importers::BuildOptions options;
    options.output = dir_.Path("out.fdb");
    options.lmf.push_back({path_, ""});
    run_ = RunBuild(options);
  }

  StoredDatabase Open() { return StoredDatabase(dir_.Path("out.fdb")); }

  // The variant record with this literal, part of speech and sense in the language store.
  ArbRecord Variant(StoredDatabase& db, std::uint32_t store, const std::string& literal,
                    std::uint16_t pos, std::int16_t sense) {
    for (ArbRecord& variant : db.Find(store, kDefaultContainer, {VARIANT, LITERAL}, literal)) {
      if (TextOf(variant, LITERAL) == literal && NumberOf(variant, PART_OF_SPEECH) == pos &&
          NumberOf(variant, SENSE) == sense) {
        return variant;
      }
    }
    ADD_FAILURE() << "no variant " << literal << " " << sense;
    return ArbRecord();
  }

  ArbRecord IliOfConcept(StoredDatabase& db, std::uint32_t store, std::uint32_t conceptId) {
    return db.Get(kIliStore, kDefaultContainer, db.IliOf(store, conceptId));
  }

  ScratchDir dir_;
  std::string path_;
  BuildRun run_;
};

TEST_F(LmfSharedFilesTest, EnglishAndSpanishShareIliRecordsByIdentifier) {
  Build("mini-lmf-1.0.xml");
  ASSERT_TRUE(run_.ok) << run_.error;
  EXPECT_EQ(run_.report.languages, (std::vector<std::string>{"EN", "ES"}));
  EXPECT_EQ(run_.report.synsets, 12u);
  EXPECT_EQ(run_.report.senses, 16u);
  EXPECT_EQ(run_.report.iliCreated, 8u);
  EXPECT_EQ(run_.report.iliByIdentifier, 4u);
  EXPECT_EQ(run_.report.iliByOffset, 0u);
  StoredDatabase db = Open();
  EXPECT_EQ(db.Count(kFirst, kConcepts), 8u);
  EXPECT_EQ(db.Count(kFirst, kDefaultContainer), 10u);
  EXPECT_EQ(db.Count(kFirst + 1, kConcepts), 4u);
  EXPECT_EQ(db.Count(kFirst + 1, kDefaultContainer), 6u);
  EXPECT_EQ(db.Count(kIliStore, kDefaultContainer), 8u);

  const std::uint32_t information = db.ConceptOf(kFirst, "information", kNoun, 1);
  const std::uint32_t informacion = db.ConceptOf(kFirst + 1, "información", kNoun, 1);
  ASSERT_NE(information, 0u);
  EXPECT_EQ(db.IliOf(kFirst, information), db.IliOf(kFirst + 1, informacion));
  ArbRecord ili = IliOfConcept(db, kFirst, information);
  EXPECT_EQ(TextOf(ili, ILI_IDENTIFIER), "i67447");
  EXPECT_EQ(TextOf(ili, GLOSS), "something that informs");
  EXPECT_EQ(NumberOf(ili, PART_OF_SPEECH), kNoun);
  EXPECT_EQ(NumberOf(ili, WORDNET_OFFSET), 0);
  EXPECT_GT(NumberOf(ili, ADD_ON_ID), 0);
  // The identifier index finds the record by the file's ILI ID.
  EXPECT_EQ(db.Find(kIliStore, kDefaultContainer, {ILI_RECORD, ILI_IDENTIFIER}, "i67447").size(),
            1u);

  // The Spanish lexicon in its own language record, with its own name.
  ArbRecord spanish = db.Get(kSharedStore, kLanguages, 2);
  EXPECT_EQ(TextOf(spanish, LANGUAGE_CODE), "ES");
  EXPECT_EQ(NumberOf(spanish, STORE_ID), 101);
  EXPECT_EQ(TextsOf(spanish, NAME),
            (std::vector<std::string>{"Spanish", "enSpanish", "esEspañol"}));
}

TEST_F(LmfSharedFilesTest, SensesSynsetsAndRelationsBecomeVariantsConceptsAndLinks) {
  Build("mini-lmf-1.0.xml");
  ASSERT_TRUE(run_.ok) << run_.error;
  StoredDatabase db = Open();
  ArbRecord information = Variant(db, kFirst, "information", kNoun, 1);
  EXPECT_EQ(TextOf(information, DEFINITION), "something that informs");
  EXPECT_EQ(TextsOf(information, EXAMPLE), (std::vector<std::string>{"\"this is information\""}));
  EXPECT_EQ(NumberOf(information, CORPUS_ID), static_cast<std::int32_t>(kSemCorCorpus));
  EXPECT_EQ(NumberOf(information, FREQUENCY), 3);

  const std::uint32_t example = db.ConceptOf(kFirst, "example", kNoun, 1);
  EXPECT_EQ(db.WordsOf(kFirst, example), (std::vector<std::string>{"example 1", "illustration 1"}));
  EXPECT_EQ(db.Targets(kFirst, example, kHyperonymRelation),
            (std::vector<std::uint32_t>{PointerOf(information, CONCEPT)}));
  // Sense relations stay between the variants.
  ArbRecord exampleVariant = Variant(db, kFirst, "example", kNoun, 1);
  ArbRecord exemplify = Variant(db, kFirst, "exemplify", kVerb, 1);
  std::vector<ArbRecord> links =
      db.Find(kFirst, kInternalLinks, {INTERNAL_LINK, SOURCE_CONCEPT}, example);
  const auto derivation = std::find_if(links.begin(), links.end(), [](ArbRecord& link) {
    return NumberOf(link, RELATION) == 2 && PointerOf(link, VARIANT) != 0;
  });
  ASSERT_NE(derivation, links.end());
  EXPECT_EQ(PointerOf(*derivation, VARIANT, 1), exampleVariant.GetID());
  EXPECT_EQ(PointerOf(*derivation, VARIANT, 2), exemplify.GetID());
  EXPECT_EQ(TextsOf(exemplify, FEATURE_VALUE),
            (std::vector<std::string>{"Somebody ----s something", "Something ----s something"}));

  // "other" relations whose dc:type the database does not know are counted, not written.
  EXPECT_EQ(run_.report.skippedRelations, 2u);
  EXPECT_TRUE(HasWarning(run_, path_ +
                                   ":23: lexicon \"test-en\": 2 relations of types without a "
                                   "counterpart in the database left out (other (event) 1, other "
                                   "(result) 1)"));

  // ili="in": a new ILI record glossed by its ILIDefinition; ili="": a new one by the definition.
  ArbRecord resignate = Variant(db, kFirst, "resignate", kVerb, 1);
  EXPECT_EQ(TextOf(resignate, DEFINITION), "<none>");
  ArbRecord proposed = IliOfConcept(db, kFirst, PointerOf(resignate, CONCEPT));
  EXPECT_EQ(TextOf(proposed, GLOSS), "to fire someone while making it look like it was their idea");
  EXPECT_EQ(TextOf(proposed, ILI_IDENTIFIER), "<none>");
  ArbRecord unnamed = IliOfConcept(db, kFirst, db.ConceptOf(kFirst, "random sample", kNoun, 2));
  EXPECT_EQ(TextOf(unnamed, GLOSS), "a sample that is random");
}

TEST_F(LmfSharedFilesTest, JapaneseLexiconWithMembersAndFramesExtensionLeftOut) {
  Build("mini-lmf-1.1.xml");
  ASSERT_TRUE(run_.ok) << run_.error;
  EXPECT_EQ(run_.report.languages, (std::vector<std::string>{"JA"}));
  EXPECT_TRUE(HasWarning(run_, path_ +
                                   ":63: lexicon extension \"test-en-ext\" left out: extensions of "
                                   "other lexicons are not imported"));
  StoredDatabase db = Open();
  EXPECT_EQ(db.Count(kFirst, kConcepts), 3u);
  // The members attribute orders the variants, against the file order of the entries.
  const std::uint32_t example = db.ConceptOf(kFirst, "例え", kNoun, 1);
  EXPECT_EQ(db.WordsOf(kFirst, example), (std::vector<std::string>{"事例 1", "例え 1"}));
  ArbRecord show = Variant(db, kFirst, "示す", kVerb, 1);
  EXPECT_EQ(TextOf(show, FEATURE_VALUE), "ある人が何かを----");
  ArbRecord japanese = db.Get(kSharedStore, kLanguages, 1);
  EXPECT_EQ(TextsOf(japanese, NAME),
            (std::vector<std::string>{"Japanese", "enJapanese", "ja日本語"}));
}

TEST_F(LmfSharedFilesTest, DefaultWhiteSpaceCollapsesPreservedStays) {
  Build("mini-lmf-1.3.xml");
  ASSERT_TRUE(run_.ok) << run_.error;
  StoredDatabase db = Open();
  ArbRecord foo = Variant(db, kFirst, "foo", kNoun, 1);
  ArbRecord bar = Variant(db, kFirst, "bar", kNoun, 1);
  ArbRecord baz = Variant(db, kFirst, "baz", kNoun, 1);
  EXPECT_EQ(TextOf(foo, DEFINITION), "one two three");
  EXPECT_EQ(TextOf(bar, DEFINITION), "one two three");
  EXPECT_EQ(TextOf(baz, DEFINITION), "\n        one\n          two\n        three\n      ");
}

TEST_F(LmfSharedFilesTest, SenseNumbersFromNOrPositionPerLemma) {
  Build("mini-lmf-1.4.xml");
  ASSERT_TRUE(run_.ok) << run_.error;
  StoredDatabase db = Open();
  EXPECT_EQ(db.WordsOf(kFirst, 1),
            (std::vector<std::string>{"Foo Bar 3", "foo bar 2", "baz 1", "BAZ 2", "Baz 2"}));
  EXPECT_EQ(db.WordsOf(kFirst, 2), (std::vector<std::string>{"foo bar 1", "Baz 2"}));
  EXPECT_EQ(db.WordsOf(kFirst, 3), (std::vector<std::string>{"baz 1"}));
  EXPECT_EQ(run_.report.skippedRelations, 2u);
}

TEST_F(LmfSharedFilesTest, MembersNameSensesOrEntries) {
  Build("sense-member-order.xml");
  ASSERT_TRUE(run_.ok) << run_.error;
  StoredDatabase db = Open();
  EXPECT_EQ(db.WordsOf(kFirst, 1), (std::vector<std::string>{"bar 2", "foo 1"}));
  EXPECT_EQ(db.WordsOf(kFirst, 2), (std::vector<std::string>{"bar 1", "foo 2"}));
}

TEST_F(LmfSharedFilesTest, DuplicateIdStopsTheBuildWithNothingWritten) {
  Build("E101-0.xml");
  EXPECT_FALSE(run_.ok);
  EXPECT_EQ(run_.error, path_ + ":19: duplicate ID \"test-e101-foo-n\" (first given at line 14)");
  EXPECT_TRUE(dir_.Files().empty());
}

TEST_F(LmfSharedFilesTest, BlankDefinitionIsAWarning) {
  Build("W305-0.xml");
  ASSERT_TRUE(run_.ok) << run_.error;
  EXPECT_TRUE(
      HasWarning(run_, path_ + ":20: blank definition of synset \"test-w305-01-n\" left out"));
  StoredDatabase db = Open();
  ArbRecord foo = Variant(db, kFirst, "foo", kNoun, 1);
  EXPECT_EQ(TextOf(foo, DEFINITION), "<none>");
  ArbRecord ili = IliOfConcept(db, kFirst, 1);
  EXPECT_EQ(TextOf(ili, ILI_IDENTIFIER), "i12345");
}

}  // namespace
