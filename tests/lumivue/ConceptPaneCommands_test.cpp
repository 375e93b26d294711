// The commands of a concept pane that act on its lines: look-up of the current variant, clearing,
// notes, find, refresh and the copy for a new window.
#include <gtest/gtest.h>

#include "ConceptPaneFixture.h"
#include "Concepts.h"
#include "LexicalSchema.h"
#include "lexicon/LexiconFixture.h"
#include "tree/ConceptItem.h"

namespace {

using Direction = LineFinder::Direction;

class ConceptPaneCommandsTest : public ConceptPaneFixture {};

TEST_F(ConceptPaneCommandsTest, LookUpCurrentVariant) {
  pane_.LookUp("puppy", nullptr, 0);
  pane_.LookUpCurrentVariant();
  EXPECT_EQ(person_.messages, (Lines{"Literal not selected !"}));

  pane_.LookUp("dog", nullptr, 0);
  TreeItem& dog = LineOf("dog :1");
  dog.SetCurrentVariant(0);
  pane_.Select(&dog);
  pane_.LookUpCurrentVariant();
  EXPECT_EQ(person_.messages, Lines(2, "Literal not selected !"));

  dog.SetCurrentVariant(2);
  pane_.LookUpCurrentVariant();
  EXPECT_EQ(person_.messages.size(), 2u);
  EXPECT_EQ(Shape()[0], "0domestic dog");
  EXPECT_EQ(Shape()[2], "2dog :1|domestic dog :1|Canis familiaris :1");
  EXPECT_EQ(pane_.Lines().Selected(), pane_.Lines().First());
}

TEST_F(ConceptPaneCommandsTest, CurrentVariantThatLooksUpNothing) {
  database_.Close();
  Write([](void* db) {
    using namespace fixture;
    using namespace schema;
    // Cut at its colon, this literal is no word of the language.
    ASSERT_EQ(
        Build({F(0, VARIANT), P(1, CONCEPT, kPuppy), T(1, LITERAL, "whelp: young"), N(2, SENSE, 1)})
            .Add(db, kEnglish, kDefaultContainer, 7),
        1);
  });
  Open();
  pane_.LookUp("puppy", nullptr, 0);
  TreeItem& puppy = LineOf("puppy :1");
  ASSERT_TRUE(puppy.SetCurrentVariant(2));
  pane_.Select(&puppy);
  const std::size_t lines = pane_.Lines().Count();
  pane_.LookUpCurrentVariant();
  EXPECT_EQ(person_.messages, (Lines{"Word not found !"}));
  EXPECT_EQ(pane_.Lines().Count(), lines);
}

TEST_F(ConceptPaneCommandsTest, ClearSubtreeAndTree) {
  pane_.ClearSubtree();
  EXPECT_EQ(person_.messages, (Lines{"No line in the list selected !"}));

  pane_.LookUp("dog", nullptr, 0);
  pane_.Select(&LineOf("<No ILI links>"));
  pane_.ClearSubtree();
  EXPECT_EQ(person_.messages.back(), "Cannot delete an ILI record !");
  EXPECT_EQ(Shape().size(), 8u);

  // The next sibling takes the selection.
  pane_.Select(&LineOf("Noun"));
  pane_.ClearSubtree();
  EXPECT_EQ(Shape(), (Lines{"0dog", "1Verb", "2dog :2", "2<No ILI links>+"}));
  EXPECT_EQ(pane_.Lines().Selected(), &LineOf("Verb"));
  EXPECT_EQ(LineStatus(), "Ln 2 LnCnt 4");
  // Without one, the row before it.
  pane_.Select(&LineOf("dog :2"));
  pane_.ClearSubtree();
  EXPECT_EQ(pane_.Lines().Selected(), &LineOf("Verb"));
  EXPECT_FALSE(LineOf("Verb").IsExpanded());

  pane_.ClearTree();
  EXPECT_EQ(pane_.Lines().Count(), 0u);
  EXPECT_EQ(LineStatus(), "Ln 0 LnCnt 0");
  EXPECT_EQ(person_.messages.size(), 2u);
}

TEST_F(ConceptPaneCommandsTest, NotesGoAboveTheSelectedTree) {
  EXPECT_EQ(pane_.AddNote(""), nullptr);
  TreeItem* first = pane_.AddNote("first");
  ASSERT_NE(first, nullptr);
  pane_.LookUp("puppy", nullptr, 0);
  pane_.LookUp("canine", nullptr, 0);
  pane_.Select(&LineOf("puppy :1"));
  TreeItem* second = pane_.AddNote("second");
  EXPECT_EQ(pane_.Lines().Selected(), second);
  EXPECT_EQ(Shape()[0], "0canine");
  EXPECT_EQ(Shape()[4], "0second");
  EXPECT_EQ(Shape()[5], "0puppy");
  EXPECT_EQ(Shape().back(), "0first");

  EXPECT_TRUE(pane_.EditNote(*second, "changed"));
  EXPECT_EQ(second->Text(), "changed");
  EXPECT_FALSE(pane_.EditNote(*second, ""));
  EXPECT_FALSE(pane_.EditNote(LineOf("puppy"), "word"));
  EXPECT_EQ(LineOf("puppy").Text(), "puppy");
}

TEST_F(ConceptPaneCommandsTest, FindWalksLinesAndVariants) {
  pane_.LookUp("dog", nullptr, 0);
  TreeItem& dog = LineOf("dog :1");
  pane_.Select(&dog);
  // Letter case is ignored, and a match need not start at the first occurrence of the first letter.
  ASSERT_TRUE(pane_.Find("DOG", Direction::kForward));
  EXPECT_EQ(pane_.Lines().Selected(), &dog);
  EXPECT_EQ(dog.CurrentVariant(), 2);
  ASSERT_TRUE(pane_.Find("dog", Direction::kForward));
  EXPECT_EQ(pane_.Lines().Selected(), &LineOf("dog :2"));
  EXPECT_EQ(LineOf("dog :2").CurrentVariant(), 1);

  ASSERT_TRUE(pane_.Find("genus", Direction::kBackward));
  EXPECT_EQ(pane_.Lines().Selected(), &LineOf("a member"));
  EXPECT_EQ(LineStatus(), "Ln 4 LnCnt 8");
  ASSERT_TRUE(pane_.Find("dog", Direction::kBackward));
  EXPECT_EQ(pane_.Lines().Selected(), &dog);
  EXPECT_EQ(dog.CurrentVariant(), 2);
  // From a line's own text back to the previous line's last variant... and on to the top.
  ASSERT_TRUE(pane_.Find("dog", Direction::kBackward));
  ASSERT_TRUE(pane_.Find("dog", Direction::kBackward));
  EXPECT_EQ(pane_.Lines().Selected(), pane_.Lines().First());
  EXPECT_EQ(pane_.Lines().First()->CurrentVariant(), 0);

  EXPECT_FALSE(pane_.Find("dog", Direction::kBackward));
  EXPECT_FALSE(pane_.Find("", Direction::kForward));
  EXPECT_FALSE(pane_.Find("cat", Direction::kForward));
  EXPECT_EQ(person_.messages, Lines(3, "Word not found !"));
  EXPECT_EQ(pane_.Lines().Selected(), pane_.Lines().First());

  // Hidden lines are not searched.
  pane_.CollapseLine(*pane_.Lines().First());
  EXPECT_FALSE(pane_.Find("genus", Direction::kForward));
}

TEST_F(ConceptPaneCommandsTest, RefreshReadsConceptsAgain) {
  pane_.LookUp("dog", nullptr, 0);
  pane_.LookUp("puppy", nullptr, 0);
  database_.Close();
  Write([](void* db) {
    using namespace fixture;
    using namespace schema;
    ASSERT_EQ(Build({F(0, VARIANT), P(1, CONCEPT, 1), T(1, LITERAL, "hound"), N(2, SENSE, 4)})
                  .Add(db, kEnglish, kDefaultContainer, 7),
              1);
    ASSERT_EQ(ArbRecord().Remove(db, kEnglish, kConcepts, kPuppy), 1);
  });
  ASSERT_EQ(database_.Open(path_), 1);
  pane_.Refresh();
  EXPECT_EQ(Shape(), (Lines{"0puppy", "1Noun", "2", "2<No ILI links>+", "0dog", "1Noun",
                            "2dog :1|domestic dog :1|Canis familiaris :1|hound :4",
                            "2a member of the genus Canis+", "2<No Gloss>+", "1Verb", "2dog :2",
                            "2<No ILI links>+"}));
  EXPECT_TRUE(person_.messages.empty());
}

TEST_F(ConceptPaneCommandsTest, CopyRebuildsTheTopLevel) {
  pane_.LookUp("dog", nullptr, 0);
  pane_.AddNote("remember");
  pane_.LookUp("puppy", nullptr, ConceptPane::kWordOnly);
  pane_.ExpandLine(LineOf("dog :2"));
  // A top-level concept line, as a view file restores one.
  const lexicon::Owned<Concepts> concepts(database_.FindLanguage("EN")->WordNet().GetConcepts());
  Concept* canine = nullptr;
  ASSERT_EQ(concepts->GetItem(kCanine, &canine), 1);
  ConceptItem* topConcept = pane_.AddConceptLine(nullptr, lexicon::Owned<Concept>(canine));
  ASSERT_NE(topConcept, nullptr);
  pane_.ExpandLine(*topConcept);

  ConceptPane copy(database_, person_);
  copy.CopyFrom(pane_);
  EXPECT_EQ(copy.Language(), "EN");
  std::vector<std::string> texts;
  for (const TreeItem* line = copy.Lines().First(); line != nullptr; line = line->Next()) {
    texts.push_back(std::to_string(line->Level()) + line->Text());
  }
  // The expanded word line is filled one level: its parts of speech, not their concepts.
  EXPECT_EQ(texts, (Lines{"0puppy", "0remember", "0dog", "1Noun", "1Verb", "0", "0<No ILI links>",
                          "1has hyponym"}));
  EXPECT_EQ(copy.Lines().Last()->Kind(), LineKind::kRelation);
  EXPECT_TRUE(copy.Lines().Last()->IsVisible());
}
}  // namespace
