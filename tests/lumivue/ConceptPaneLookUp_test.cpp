// Looking a word up into a concept pane, and filling word and part-of-speech lines on expansion.
#include <gtest/gtest.h>

#include "ConceptPaneFixture.h"
#include "tree/PartOfSpeechNames.h"

namespace {

class ConceptPaneLookUpTest : public ConceptPaneFixture {};

TEST_F(ConceptPaneLookUpTest, WordGetsItsMeaningsByPartOfSpeech) {
  TreeItem* word = pane_.LookUp("dog", nullptr, 0);
  ASSERT_NE(word, nullptr);
  EXPECT_EQ(word->Kind(), LineKind::kWord);
  EXPECT_EQ(Shape(), (Lines{"0dog", "1Noun", "2dog :1|domestic dog :1|Canis familiaris :1",
                            "2a member of the genus Canis+", "2<No Gloss>+", "1Verb", "2dog :2",
                            "2<No ILI links>+"}));
  EXPECT_EQ(pane_.Lines().Selected(), word);
  EXPECT_EQ(LineStatus(), "Ln 1 LnCnt 8");
  EXPECT_TRUE(pane_.Lines().AutoExpand());
  EXPECT_TRUE(person_.messages.empty());
}

TEST_F(ConceptPaneLookUpTest, NothingFoundOrNoLanguage) {
  EXPECT_EQ(pane_.LookUp("cat", nullptr, 0), nullptr);
  EXPECT_EQ(pane_.Lines().Count(), 0u);
  EXPECT_TRUE(person_.messages.empty());
  // Letter case counts in the look-up.
  EXPECT_EQ(pane_.LookUp("Dog", nullptr, 0), nullptr);

  ConceptPane other(database_, person_);
  EXPECT_EQ(other.LookUp("dog", nullptr, 0), nullptr);
  EXPECT_EQ(person_.messages, (Lines{"No language selected !"}));
  other.SetLanguage("FR");
  EXPECT_EQ(other.LookUp("dog", nullptr, 0), nullptr);
  EXPECT_EQ(person_.messages.size(), 2u);
  EXPECT_EQ(other.Lines().Count(), 0u);
}

TEST_F(ConceptPaneLookUpTest, FilteredPartOfSpeechGivesNoLines) {
  FilterState& filter = database_.Filter();
  filter.Toggle(filter.PartOfSpeechRoot() + 2);  // Verb
  pane_.LookUp("dog", nullptr, 0);
  EXPECT_EQ(Shape(), (Lines{"0dog", "1Noun", "2dog :1|domestic dog :1|Canis familiaris :1",
                            "2a member of the genus Canis+", "2<No Gloss>+"}));
}

TEST_F(ConceptPaneLookUpTest, WordOnlyLineFillsItselfLevelByLevel) {
  pane_.LookUp("puppy", nullptr, 0);
  TreeItem* word = pane_.LookUp("dog", nullptr, ConceptPane::kWordOnly | ConceptPane::kWordAtEnd);
  ASSERT_NE(word, nullptr);
  EXPECT_EQ(pane_.Lines().Last(), word);
  EXPECT_EQ(Shape(), (Lines{"0puppy", "1Noun", "2puppy :1", "2a member of the genus Canis+",
                            "2a young dog+", "0dog"}));

  pane_.Select(word);
  pane_.ExpandLine(*word);
  EXPECT_EQ(Shape().size(), 8u);
  EXPECT_EQ(Shape()[6], "1Noun");
  EXPECT_EQ(Shape()[7], "1Verb");
  EXPECT_FALSE(LineOf("Verb").IsExpanded());
  // Filling a line leaves the selection where it was.
  EXPECT_EQ(pane_.Lines().Selected(), word);
  EXPECT_EQ(LineStatus(), "Ln 6 LnCnt 8");

  pane_.ExpandLine(*pane_.Lines().Last());
  EXPECT_EQ(Shape().back(), "2<No ILI links>+");
  EXPECT_EQ(Shape()[8], "2dog :2");

  // Collapsing drops the lines; expanding builds them again.
  pane_.CollapseLine(*word);
  EXPECT_EQ(Shape().size(), 6u);
  pane_.ToggleLine(*word);
  EXPECT_EQ(Shape().size(), 8u);
}

TEST_F(ConceptPaneLookUpTest, BarLookUpTrimsAndSwitchesLanguage) {
  ASSERT_NE(pane_.LookUpFromBar("EN", "  puppy :1 "), nullptr);
  EXPECT_EQ(Shape().front(), "0puppy");

  ASSERT_NE(pane_.LookUpFromBar("NL", "hond"), nullptr);
  EXPECT_EQ(pane_.Language(), "NL");
  EXPECT_EQ(Shape(), (Lines{"0hond", "1Noun", "2hond :1", "2a member of the genus Canis+"}));

  // A language the database lacks clears the pane and is left to the bar.
  EXPECT_EQ(pane_.LookUpFromBar("FR", "hond"), nullptr);
  EXPECT_EQ(pane_.Lines().Count(), 0u);
  EXPECT_TRUE(person_.messages.empty());
}

TEST_F(ConceptPaneLookUpTest, BarLookUpFallsBackOnBaseForms) {
  // Letter case the dictionary lacks finds the word it has.
  ASSERT_NE(pane_.LookUpFromBar("EN", "Dog"), nullptr);
  EXPECT_EQ(Shape().front(), "0dog");
  EXPECT_EQ(person_.status[PersonInterface::StatusPane::kMessage], "Dog: showing dog");
  EXPECT_EQ(pane_.Lines().Selected(), pane_.Lines().First());

  // Dutch has no rules of detachment.
  EXPECT_EQ(pane_.LookUpFromBar("NL", "honden"), nullptr);
  EXPECT_EQ(pane_.LookUpFromBar("NL", "honds"), nullptr);
  EXPECT_EQ(pane_.Lines().Count(), 0u);
  EXPECT_TRUE(person_.messages.empty());
}

class ConceptPaneMixedWordTest : public ConceptPaneFixture {
 protected:
  bool OpensAtSetUp() const override { return false; }
};

TEST_F(ConceptPaneMixedWordTest, PartOfSpeechLineIsSharedByItsMeanings) {
  // Variants of "dog" now run noun, verb, noun.
  AddConcept(5, 1, 7, "dog", 3);
  Open();
  pane_.LookUp("dog", nullptr, 0);
  EXPECT_EQ(Shape(), (Lines{"0dog", "1Noun", "2dog :1|domestic dog :1|Canis familiaris :1",
                            "2a member of the genus Canis+", "2<No Gloss>+", "2dog :3",
                            "2<No ILI links>+", "1Verb", "2dog :2", "2<No ILI links>+"}));
}
TEST_F(ConceptPaneMixedWordTest, ExactFormKeepsItsPriorityOverBaseForms) {
  AddConcept(5, 1, 7, "dogge", 1, true);
  AddConcept(6, 2, 8, "dogg", 1, true);
  AddConcept(7, 1, 9, "dogs", 1, true);
  Open();
  // "dogs" is a word of its own as well as the plural of dog.
  ASSERT_NE(pane_.LookUpFromBar("EN", "dogs"), nullptr);
  EXPECT_EQ(Shape(), (Lines{"0dogs", "1Noun", "2dogs :1", "2<No ILI links>+"}));
  EXPECT_EQ(person_.status.count(PersonInterface::StatusPane::kMessage), 0u);

  // Two base forms, by a noun rule and by a verb rule: one word line each, the first on top.
  pane_.ClearTree();
  ASSERT_NE(pane_.LookUpFromBar("EN", "dogges"), nullptr);
  EXPECT_EQ(person_.status[PersonInterface::StatusPane::kMessage], "dogges: showing dogge, dogg");
  const Lines shape = Shape();
  ASSERT_EQ(shape.size(), 8u);
  EXPECT_EQ(shape[0], "0dogge");
  EXPECT_EQ(shape[4], "0dogg");
  EXPECT_EQ(shape[6], "2dogg :1");
}
}  // namespace
