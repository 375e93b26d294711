// Base forms of inflected word forms on the whole of WordNet 3.0: the exception lists the build
// stored, the English rules of detachment, collocations, and languages without rules.
#include "BaseForms.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "LanguageWordNet.h"
#include "LanguageWordNets.h"
#include "LexicalSchema.h"
#include "Polylex.h"
#include "importers/SharedWordNet.h"
#include "lexicon/Factory.h"

using lexicon::Owned;
using Forms = std::vector<std::string>;

namespace {

class BaseFormsTest : public testing::Test {
 protected:
  void SetUp() override {
    const std::string path = SharedWordNetDatabase();
    if (path.empty()) GTEST_SKIP() << WORDNET_DIR << " holds no WordNet";
    polylex_.Open(path.c_str(), nullptr, 1, 0);
    english_.reset(Language("EN"));
    forms_ = std::make_unique<BaseForms>(*english_);
  }

  LanguageWordNet* Language(const char* code) {
    Owned<LanguageWordNets> all(polylex_.GetLanguageWordNets());
    return all->GetItem(code);
  }

  Forms Find(const char* form, std::int16_t partOfSpeech = 0) {
    return forms_->Find(form, partOfSpeech);
  }

  Polylex polylex_;
  Owned<LanguageWordNet> english_;
  std::unique_ptr<BaseForms> forms_;
};

TEST_F(BaseFormsTest, RulesOfEachPartOfSpeech) {
  EXPECT_EQ(Find("dogs"), (Forms{"dog"}));
  EXPECT_EQ(Find("puppies"), (Forms{"puppy"}));
  EXPECT_EQ(Find("churches"), (Forms{"church"}));
  EXPECT_EQ(Find("walked", schema::kVerb), (Forms{"walk"}));
  EXPECT_EQ(Find("making", schema::kVerb), (Forms{"make"}));
  EXPECT_EQ(Find("wider", schema::kAdjective), (Forms{"wide"}));
  // Letter case of the form does not matter; the dictionary's spelling comes back.
  EXPECT_EQ(Find("DOGS"), (Forms{"dog"}));
}

TEST_F(BaseFormsTest, ExceptionsComeFirstThenRules) {
  EXPECT_EQ(Find("geese"), (Forms{"goose"}));
  EXPECT_EQ(Find("ran"), (Forms{"run"}));
  EXPECT_EQ(Find("better", schema::kAdverb), (Forms{"well", "better"}));
  // The exception list names ax and axis; the plural rule adds axe after them.
  EXPECT_EQ(Find("axes", schema::kNoun), (Forms{"ax", "axis", "axe"}));
}

TEST_F(BaseFormsTest, FormThatIsBothLemmaAndInflectionComesLast) {
  // "found" is a verb of its own and the past of find; "better" a word of four parts of speech.
  EXPECT_EQ(Find("found", schema::kVerb), (Forms{"find", "found"}));
  const Forms better = Find("better");
  ASSERT_FALSE(better.empty());
  EXPECT_EQ(better.back(), "better");
  EXPECT_EQ(Forms(better.begin(), better.end() - 1), (Forms{"good", "well"}));
  // A lemma that is no inflection gives itself only.
  EXPECT_EQ(Find("dog"), (Forms{"dog"}));
}

TEST_F(BaseFormsTest, CollocationsWordByWord) {
  EXPECT_EQ(Find("attorneys general"), (Forms{"attorney general"}));
  EXPECT_EQ(Find("  attorneys   general "), (Forms{"attorney general"}));
  EXPECT_EQ(Find("sea lions", schema::kNoun), (Forms{"sea lion"}));
}

TEST_F(BaseFormsTest, NothingForWordsOfNoLanguageOrBadArguments) {
  EXPECT_TRUE(Find("qzxvwkes").empty());
  EXPECT_TRUE(Find("").empty());
  EXPECT_TRUE(Find("   ").empty());
  EXPECT_TRUE(forms_->Find(nullptr).empty());
  EXPECT_TRUE(Find("dogs", 7).empty());
  // Adverbs have no rules: "dogs" is no adverb's inflection.
  EXPECT_TRUE(Find("dogs", schema::kAdverb).empty());
}

TEST_F(BaseFormsTest, OtherLanguagesHaveNoEnglishRules) {
  if (!SharedWordNetHasTabs()) GTEST_SKIP() << "no Dutch wordnet";
  Owned<LanguageWordNet> dutch(Language("NL"));
  BaseForms forms(*dutch);
  EXPECT_EQ(forms.Find("hond"), (Forms{"hond"}));
  EXPECT_TRUE(forms.Find("honds").empty());
  // The ILI language wordnet has no dictionary of its own.
  Owned<LanguageWordNet> ili(polylex_.GetILILanguageWordNet());
  EXPECT_TRUE(BaseForms(*ili).Find("dogs").empty());
}

}  // namespace
