// How the synsets of WN-LMF lexicons reach the inter-lingual index of a build that also reads a
// small WordNet: by the WordNet offset their ID encodes, by the ILI identifier an earlier synset
// brought, or through a record of their own; and how conflicting identifiers are met.
#include <gtest/gtest.h>

#include <algorithm>

#include "ImporterTestSupport.h"
#include "LexicalSchema.h"

namespace {

using namespace schema;

constexpr std::uint32_t kEnglish = 100;
constexpr std::uint32_t kDutch = 101;
constexpr std::uint32_t kFrench = 102;

std::string Lexicon(const std::string& id, const std::string& language, const std::string& body) {
  return "<?xml version=\"1.0\"?>\n<LexicalResource>\n<Lexicon id=\"" + id +
         "\" label=\"L\" language=\"" + language + "\" email=\"e\" license=\"l\" version=\"1\">\n" +
         body + "</Lexicon>\n</LexicalResource>\n";
}

// An entry of one sense of synset `synset`, and that synset.
std::string Meaning(const std::string& lemma, const std::string& synset, const std::string& ili,
                    const std::string& inside = "") {
  return "<LexicalEntry id=\"" + synset + "-" + lemma + "\"><Lemma writtenForm=\"" + lemma +
         "\" partOfSpeech=\"n\"/><Sense id=\"" + synset + "-" + lemma + "-1\" synset=\"" + synset +
         "\"/></LexicalEntry>\n<Synset id=\"" + synset + "\" ili=\"" + ili +
         "\" partOfSpeech=\"n\">" + inside + "</Synset>\n";
}

class LmfIliTest : public testing::Test {
 protected:
  void SetUp() override {
    snippet_.Synset("noun", "dog", "05 n 01 dog 0 000 | a domestic canine");
    snippet_.Synset("noun", "cat", "05 n 01 cat 0 000 | a feline");
    snippet_.IndexLine("noun", "dog n 1 0 1 0 {dog}");
    snippet_.IndexLine("noun", "cat n 1 0 1 0 {cat}");
    snippet_.ExtraFile("cntlist.rev", "dog%1:05:00:: 1 4\n");
    snippet_.Write(dir_.Path());
    options_.output = dir_.Path("out.fdb");
    options_.wordnetDir = dir_.Path();
  }

  void AddLmf(const std::string& name, const std::string& text) {
    WriteTextFile(dir_.Path(name), text);
    options_.lmf.push_back({dir_.Path(name), ""});
  }

  std::string Offset(const char* name) const { return snippet_.OffsetText(name); }
  // WordNet's synsets are ILI records 1 and 2, in offset order.
  std::uint32_t Dog() const { return 1; }
  std::uint32_t Cat() const { return 2; }

  ScratchDir dir_;
  WordNetSnippet snippet_;
  importers::BuildOptions options_;
};

TEST_F(LmfIliTest, OffsetThenIdentifierThenNewRecord) {
  AddLmf("nl.xml",
         Lexicon("nl", "nld",
                 Meaning("hond", "nl-" + Offset("dog") + "-n", "i1") +
                     Meaning("kat", "nl-" + Offset("cat") + "-n", "") +
                     Meaning("spook", "nl-99999999-n", "i7", "<Definition>a ghost</Definition>") +
                     Meaning("muis", "nl-muis", "in",
                             "<Definition>a mouse</Definition>"
                             "<ILIDefinition>a small rodent</ILIDefinition>")));
  AddLmf("fr.xml",
         Lexicon("fr", "fr",
                 Meaning("chien", "fr-1", "i1") + Meaning("fantome", "fr-2", "i7") +
                     Meaning("souris", "fr-3", "i9", "<Definition>une souris</Definition>")));
  const BuildRun run = RunBuild(options_);
  ASSERT_TRUE(run.ok) << run.error;
  EXPECT_EQ(run.report.languages, (std::vector<std::string>{"EN", "NL", "FR"}));
  EXPECT_EQ(run.report.iliByOffset, 2u);
  EXPECT_EQ(run.report.iliByIdentifier, 2u);
  EXPECT_EQ(run.report.iliCreated, 3u);
  StoredDatabase db(options_.output);
  EXPECT_EQ(db.Count(kIliStore, kDefaultContainer), 5u);

  const std::uint32_t hond = db.ConceptOf(kDutch, "hond", kNoun, 1);
  EXPECT_EQ(db.IliOf(kDutch, hond), Dog());
  EXPECT_EQ(db.IliOf(kEnglish, db.ConceptOf(kEnglish, "dog", kNoun, 1)), Dog());
  EXPECT_EQ(db.IliOf(kDutch, db.ConceptOf(kDutch, "kat", kNoun, 1)), Cat());
  // The WordNet record took the identifier, and the French synset found it by that.
  ArbRecord dog = db.Get(kIliStore, kDefaultContainer, Dog());
  EXPECT_EQ(TextOf(dog, ILI_IDENTIFIER), "i1");
  EXPECT_EQ(TextOf(dog, GLOSS), "a domestic canine");
  EXPECT_EQ(NumberOf(dog, ADD_ON_ID), 0);
  EXPECT_EQ(db.IliOf(kFrench, db.ConceptOf(kFrench, "chien", kNoun, 1)), Dog());

  // An offset WordNet lacks: a new record, found again by its identifier.
  const std::uint32_t ghost = db.IliOf(kDutch, db.ConceptOf(kDutch, "spook", kNoun, 1));
  EXPECT_EQ(ghost, 3u);
  EXPECT_EQ(db.IliOf(kFrench, db.ConceptOf(kFrench, "fantome", kNoun, 1)), ghost);
  ArbRecord ghostRecord = db.Get(kIliStore, kDefaultContainer, ghost);
  EXPECT_EQ(TextOf(ghostRecord, ILI_IDENTIFIER), "i7");
  EXPECT_EQ(TextOf(ghostRecord, GLOSS), "a ghost");
  EXPECT_EQ(NumberOf(ghostRecord, ADD_ON_ID), 1);
  ArbRecord mouse = db.Get(kIliStore, kDefaultContainer, 4);
  EXPECT_EQ(TextOf(mouse, GLOSS), "a small rodent");
  EXPECT_EQ(TextOf(mouse, ILI_IDENTIFIER), "<none>");
  EXPECT_EQ(NumberOf(mouse, ADD_ON_ID), 2);
  ArbRecord mouseFr = db.Get(kIliStore, kDefaultContainer, 5);
  EXPECT_EQ(TextOf(mouseFr, ILI_IDENTIFIER), "i9");
  EXPECT_EQ(NumberOf(mouseFr, ADD_ON_ID), 3);

  ArbRecord build = db.Get(kSiteStore, kDefaultContainer, kBuildRecord);
  EXPECT_EQ(TextsOf(build, BUILD_SOURCE),
            (std::vector<std::string>{"Princeton WordNet 3.0", "L (nl)", "L (fr)"}));
}

TEST_F(LmfIliTest, ConflictingIdentifiersAreWarningsAndTheOffsetWins) {
  AddLmf("nl.xml", Lexicon("nl", "nl", Meaning("hond", "nl-" + Offset("dog") + "-n", "i1")));
  AddLmf("fr.xml", Lexicon("fr", "fr",
                           Meaning("chat", "fr-" + Offset("cat") + "-n", "i1") +
                               Meaning("chien", "fr-" + Offset("dog") + "-n", "i2")));
  const BuildRun run = RunBuild(options_);
  ASSERT_TRUE(run.ok) << run.error;
  const std::string file = dir_.Path("fr.xml");
  EXPECT_EQ(run.warnings, (std::vector<std::string>{
                              file + ":5: ILI i1 of synset \"fr-" + Offset("cat") +
                                  "-n\" already names ILI record 1; the synset links to the "
                                  "record of its WordNet offset",
                              file + ":7: synset \"fr-" + Offset("dog") +
                                  "-n\" gives ILI i2 to the WordNet meaning that i1 names already",
                          }));
  StoredDatabase db(options_.output);
  EXPECT_EQ(db.IliOf(kFrench, db.ConceptOf(kFrench, "chat", kNoun, 1)), Cat());
  EXPECT_EQ(db.IliOf(kFrench, db.ConceptOf(kFrench, "chien", kNoun, 1)), Dog());
  ArbRecord cat = db.Get(kIliStore, kDefaultContainer, Cat());
  EXPECT_EQ(TextOf(cat, ILI_IDENTIFIER), "<none>");
}

TEST_F(LmfIliTest, IdsThatOnlyLookLikeOffsetsOrDisagreeInPartOfSpeech) {
  // Seven digits, and a verb letter for a noun offset: neither reaches WordNet.
  AddLmf("nl.xml", Lexicon("nl", "nl",
                           Meaning("hond", "nl-" + Offset("dog").substr(1) + "-n", "") +
                               "<LexicalEntry id=\"v\"><Lemma writtenForm=\"blaffen\" "
                               "partOfSpeech=\"v\"/><Sense id=\"v-1\" synset=\"nl-" +
                               Offset("dog") + "-v\"/></LexicalEntry>\n<Synset id=\"nl-" +
                               Offset("dog") + "-v\" ili=\"\" partOfSpeech=\"v\"/>\n"));
  const BuildRun run = RunBuild(options_);
  ASSERT_TRUE(run.ok) << run.error;
  EXPECT_EQ(run.report.iliByOffset, 0u);
  EXPECT_EQ(run.report.iliCreated, 2u);
}

TEST_F(LmfIliTest, CodeGivesALexiconAnotherLanguage) {
  AddLmf("nl.xml", Lexicon("x", "en", Meaning("hond", "x-1", "")));
  options_.lmf.back().code = "nl";
  const BuildRun run = RunBuild(options_);
  ASSERT_TRUE(run.ok) << run.error;
  EXPECT_EQ(run.report.languages, (std::vector<std::string>{"EN", "NL"}));
  // Without --code the lexicon's English would meet WordNet's.
  options_.lmf.back().code = "";
  options_.force = true;
  EXPECT_EQ(RunBuild(options_).error, dir_.Path("nl.xml") + ":3: language EN given twice");
}

}  // namespace
