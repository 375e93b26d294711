// What the information pages show for the selected line, and the browse listing of word forms.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Dictionary.h"
#include "LexicalSchema.h"
#include "RecordingPerson.h"
#include "ViewerFixture.h"
#include "bars/BrowseListing.h"
#include "bars/InfoPages.h"
#include "bars/LanguageCodeTable.h"
#include "lexicon/LexiconFixture.h"
#include "shell/LanguageEntry.h"
#include "shell/ViewerDatabase.h"
#include "tree/ConceptPane.h"

using namespace fixture;
using namespace schema;

namespace {

using Colour = InfoPages::Colour;
using Strings = std::vector<std::string>;

class InfoPagesTest : public ViewerFixture {
 protected:
  void SetUp() override {
    ViewerFixture::SetUp();
    // A concept whose variant has a definition, features and a usage label, and a word of ILI
    // record 1.
    Write([](void* db) {
      Put(db, kEnglish, kConcepts, 5,
          {F(0, CONCEPT), N(1, CONCEPT_TYPE, 1), N(1, PART_OF_SPEECH, 1)});
      Put(db, kEnglish, kDefaultContainer, 7,
          {F(0, VARIANT), P(1, CONCEPT, 5), T(1, LITERAL, "hound"), N(2, SENSE, 1),
           T(1, DEFINITION, "a dog used in hunting")});
      Put(db, kIliVariantStore, kDefaultContainer, 10,
          {F(0, ILI_VARIANT), P(1, TARGET_ILI, 1), T(1, LITERAL, "dog"), N(2, SENSE, 1)});
    });
    ASSERT_EQ(database_.Open(path_), 1);
    pane_.SetLanguage("EN");
  }

  // The first line of `kind` at or after the top whose text or first variant starts with `text`.
  TreeItem* Line(LineKind kind, const std::string& text) {
    for (TreeItem* line = pane_.Lines().First(); line != nullptr; line = line->Next()) {
      const std::string shown = line->VariantCount() > 0 ? line->Variant(1)->Text() : line->Text();
      if (line->Kind() == kind && shown.starts_with(text)) return line;
    }
    ADD_FAILURE() << "no line " << text;
    return nullptr;
  }

  InfoPages::Content Page(const TreeItem* line, int tab) {
    return InfoPages::For(line, tab, pane_, database_);
  }

  static std::string Joined(const InfoPages::RichText& text) {
    std::string joined;
    for (const InfoPages::Piece& piece : text) joined += piece.text;
    return joined;
  }

  RecordingPerson person_;
  ViewerDatabase database_{person_};
  ConceptPane pane_{database_, person_};
};

TEST_F(InfoPagesTest, ConceptLineFillsGlossSynsetAndVariantPages) {
  pane_.LookUp("dog", nullptr, 0);
  const TreeItem* dog = Line(LineKind::kConcept, "dog :1");

  const InfoPages::Content gloss = Page(dog, InfoPages::kGloss);
  EXPECT_FALSE(gloss.prompt);
  EXPECT_FALSE(gloss.iliOnly);
  EXPECT_EQ(gloss.languageName, "English");
  ASSERT_EQ(gloss.definition.size(), 1u);
  EXPECT_EQ(gloss.definition[0].text, "<No Definition>");
  EXPECT_EQ(gloss.definition[0].colour, Colour::kMissing);
  // Both records in relation order; the one without gloss says so in red.
  EXPECT_EQ(Joined(gloss.ili), "Synonym: a member of the genus Canis\nHas Hyperonym: <No Gloss>");
  EXPECT_EQ(gloss.ili.front().colour, Colour::kRelation);
  EXPECT_EQ(gloss.ili.back().colour, Colour::kMissing);

  const InfoPages::Content synset = Page(dog, InfoPages::kSynset);
  EXPECT_EQ(synset.variants, (Strings{"dog :1", "domestic dog :1", "Canis familiaris :1"}));
  EXPECT_EQ(synset.iliVariants, (Strings{"dog :1"}));

  // The ILI and export tabs have nothing for a concept line.
  EXPECT_TRUE(Page(dog, InfoPages::kIli).prompt);
  EXPECT_TRUE(Page(dog, InfoPages::kExport).prompt);
}

TEST_F(InfoPagesTest, CurrentVariantGivesDefinitionAndDetails) {
  pane_.LookUp("hound", nullptr, 0);
  const TreeItem* hound = Line(LineKind::kConcept, "hound");
  const InfoPages::Content gloss = Page(hound, InfoPages::kGloss);
  EXPECT_EQ(Joined(gloss.definition), "a dog used in hunting");
  EXPECT_EQ(gloss.definition[0].colour, Colour::kText);
  // No ILI record at all: "<No ILI links>" on the gloss and synset pages.
  EXPECT_EQ(Joined(gloss.ili), "<No ILI links>");
  EXPECT_EQ(gloss.ili[0].colour, Colour::kMissing);
  EXPECT_EQ(Page(hound, InfoPages::kSynset).iliVariants, (Strings{"<No ILI links>"}));
  const InfoPages::Content variant = Page(hound, InfoPages::kVariant);
  EXPECT_FALSE(variant.prompt);
  EXPECT_EQ(variant.features, "");
  EXPECT_EQ(variant.usageLabels, "");
}

TEST_F(InfoPagesTest, IliLineShowsItsRecordOnly) {
  pane_.LookUp("dog", nullptr, 0);
  const InfoPages::Content gloss = Page(Line(LineKind::kIli, "a member"), InfoPages::kGloss);
  EXPECT_TRUE(gloss.iliOnly);
  EXPECT_EQ(Joined(gloss.ili), "Synonym: a member of the genus Canis");
  EXPECT_TRUE(gloss.definition.empty());
  EXPECT_EQ(Page(Line(LineKind::kIli, "a member"), InfoPages::kSynset).iliVariants,
            (Strings{"dog :1"}));
  EXPECT_EQ(Joined(Page(Line(LineKind::kIli, "<No ILI"), InfoPages::kGloss).ili), "<No ILI links>");
  // Variant and ILI tabs go back to the prompt for an ILI line.
  EXPECT_TRUE(Page(Line(LineKind::kIli, "a member"), InfoPages::kVariant).prompt);
  EXPECT_TRUE(Page(Line(LineKind::kIli, "a member"), InfoPages::kIli).prompt);
}

TEST_F(InfoPagesTest, OtherLinesAndNoLineShowThePrompt) {
  pane_.LookUp("dog", nullptr, 0);
  EXPECT_TRUE(Page(nullptr, InfoPages::kGloss).prompt);
  EXPECT_TRUE(Page(Line(LineKind::kWord, "dog"), InfoPages::kGloss).prompt);
  EXPECT_TRUE(Page(Line(LineKind::kPartOfSpeech, "Noun"), InfoPages::kSynset).prompt);
}

TEST_F(InfoPagesTest, BrowseListsFormsFromTheTextOnward) {
  Dictionary& words = *database_.FindLanguage("EN")->Words();
  EXPECT_EQ(BrowseListing::From(words, "d"), (Strings{"dog", "domestic dog", "hound", "puppy"}));
  EXPECT_EQ(BrowseListing::From(words, "DO").front(), "dog");
  EXPECT_EQ(BrowseListing::From(words, "").front(), "canine");
  EXPECT_TRUE(BrowseListing::From(words, "zz").empty());
  EXPECT_EQ(BrowseListing::Matching(words, "*OG"), (Strings{"dog", "domestic dog"}));
  EXPECT_EQ(BrowseListing::Matching(words, "h?und"), (Strings{"hound"}));
  EXPECT_TRUE(BrowseListing::IsPattern("d?g"));
  EXPECT_FALSE(BrowseListing::IsPattern("dog"));
}

TEST_F(InfoPagesTest, BrowseStopsAtSeventyOneForms) {
  database_.Close();
  Write([](void* db) {
    for (std::uint32_t i = 0; i < 80; ++i) {
      const std::string form = "w" + std::to_string(10 + i);
      Put(db, kEnglish, kDefaultContainer, 100 + i,
          {F(0, VARIANT), P(1, CONCEPT, 1), T(1, LITERAL, form.c_str()), N(2, SENSE, 1)});
    }
  });
  ASSERT_EQ(database_.Open(path_), 1);
  const Strings forms = BrowseListing::From(*database_.FindLanguage("EN")->Words(), "w15");
  ASSERT_EQ(forms.size(), BrowseListing::kMostForms);
  EXPECT_EQ(forms.front(), "w15");
  EXPECT_EQ(forms.back(), "w85");
}

TEST(LanguageCodeTableTest, CodesAreFoundWithoutRegardToCase) {
  EXPECT_EQ(LanguageCodeTable::PositionOf("??"), 1);
  EXPECT_EQ(LanguageCodeTable::PositionOf("en"), 9);
  EXPECT_EQ(LanguageCodeTable::PositionOf("Nl"), 6);
  EXPECT_EQ(LanguageCodeTable::PositionOf("TR"), 31);
  EXPECT_EQ(LanguageCodeTable::PositionOf("XX"), 0);
  EXPECT_EQ(LanguageCodeTable::PositionOf("E"), 0);
  EXPECT_EQ(LanguageCodeTable::CodeAt(13), "FR");
  EXPECT_FALSE(LanguageCodeTable::HasPicture(LanguageCodeTable::PositionOf("SV")));
}

}  // namespace
