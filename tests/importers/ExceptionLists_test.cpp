// WordNet's exception lists in a built database: what the English store keeps of them, what a
// faulty line costs, and the base forms the library then finds with them.
#include "ExceptionLists.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "BaseForms.h"
#include "ImporterTestSupport.h"
#include "LanguageWordNet.h"
#include "LanguageWordNets.h"
#include "LexicalSchema.h"
#include "Polylex.h"
#include "lexicon/Factory.h"

namespace {

using namespace schema;
using Forms = std::vector<std::string>;

class ExceptionListsTest : public testing::Test {
 protected:
  void SetUp() override {
    WordNetSnippet snippet;
    snippet.Synset("noun", "dog", "05 n 02 dog 0 Canis_familiaris 0 000 | a domestic canine");
    snippet.IndexLine("noun", "dog n 1 0 1 0 {dog}");
    snippet.IndexLine("noun", "canis_familiaris n 1 0 1 0 {dog}");
    snippet.ExtraFile("noun.exc",
                      "canes_familiares canis_familiaris\ndogges dog\ndoggo\n\ndogi dog hound\n");
    snippet.ExtraFile("adj.exc", "doggier dog\n");
    snippet.ExtraFile("cntlist.rev", "dog%1:05:00:: 1 3\n");
    snippet.Write(dir_.Path());
    options_.output = dir_.Path("out.fdb");
    options_.wordnetDir = dir_.Path();
  }

  ScratchDir dir_;
  importers::BuildOptions options_;
};

TEST_F(ExceptionListsTest, EnglishStoreKeepsEveryWellFormedLine) {
  const BuildRun run = RunBuild(options_);
  ASSERT_TRUE(run.ok) << run.error;
  ASSERT_EQ(run.warnings.size(), 1u);
  EXPECT_NE(run.warnings[0].find("noun.exc:3"), std::string::npos) << run.warnings[0];

  StoredDatabase db(options_.output);
  ASSERT_EQ(db.Count(kFirstLanguageStore, kWordFormExceptions), 4u);
  ArbRecord collocation = db.Get(kFirstLanguageStore, kWordFormExceptions, 1);
  EXPECT_EQ(TextOf(collocation, INFLECTED_FORM), "canes familiares");
  EXPECT_EQ(NumberOf(collocation, PART_OF_SPEECH), kNoun);
  EXPECT_EQ(TextsOf(collocation, BASE_FORM), (Forms{"canis familiaris"}));
  ArbRecord two = db.Get(kFirstLanguageStore, kWordFormExceptions, 3);
  EXPECT_EQ(TextsOf(two, BASE_FORM), (Forms{"dog", "hound"}));
  ArbRecord adjective = db.Get(kFirstLanguageStore, kWordFormExceptions, 4);
  EXPECT_EQ(NumberOf(adjective, PART_OF_SPEECH), kAdjective);
}

TEST_F(ExceptionListsTest, BaseFormsUseTheStoredListsAndTheDictionary) {
  ASSERT_TRUE(RunBuild(options_).ok);
  Polylex polylex;
  polylex.Open(options_.output.c_str(), nullptr, 1, 0);
  lexicon::Owned<LanguageWordNets> all(polylex.GetLanguageWordNets());
  lexicon::Owned<LanguageWordNet> english(all->GetItem("EN"));
  BaseForms forms(*english);
  // The dictionary's spelling, not the list's.
  EXPECT_EQ(forms.Find("canes familiares"), (Forms{"Canis familiaris"}));
  // hound is no word of this dictionary.
  EXPECT_EQ(forms.Find("dogi"), (Forms{"dog"}));
  EXPECT_EQ(forms.Find("dogges"), (Forms{"dog"}));
  // The list's part of speech counts: dog is no adjective.
  EXPECT_TRUE(forms.Find("doggier").empty());
}

TEST_F(ExceptionListsTest, WithoutListsTheRulesStillApply) {
  std::filesystem::remove(dir_.Path("noun.exc"));
  std::filesystem::remove(dir_.Path("adj.exc"));
  const BuildRun run = RunBuild(options_);
  ASSERT_TRUE(run.ok) << run.error;
  for (const std::string& warning : run.warnings) ADD_FAILURE() << warning;
  StoredDatabase db(options_.output);
  EXPECT_EQ(db.Count(kFirstLanguageStore, kWordFormExceptions), 0u);

  Polylex polylex;
  polylex.Open(options_.output.c_str(), nullptr, 1, 0);
  lexicon::Owned<LanguageWordNets> all(polylex.GetLanguageWordNets());
  lexicon::Owned<LanguageWordNet> english(all->GetItem("EN"));
  BaseForms forms(*english);
  EXPECT_TRUE(forms.Find("dogges").empty());
  EXPECT_EQ(forms.Find("dogs"), (Forms{"dog"}));
}

}  // namespace
