// Filling concept and relation lines of a concept pane as they are expanded.
#include <gtest/gtest.h>

#include <string>

#include "ConceptPaneFixture.h"

namespace {

class ConceptPaneExpandTest : public ConceptPaneFixture {
 protected:
  bool OpensAtSetUp() const override { return false; }

  // Switches off the filter item of the relation named `name`.
  void HideRelation(const std::string& name) {
    FilterState& filter = database_.Filter();
    for (std::size_t i = 0; i < filter.Count(); ++i) {
      if (filter.Name(i) == name) filter.Toggle(i);
    }
  }
};

TEST_F(ConceptPaneExpandTest, ConceptGetsRelationLinesAndRelationItsTargets) {
  Open();
  pane_.LookUp("dog", nullptr, 0);
  TreeItem& dog = LineOf("dog :1");
  pane_.ExpandLine(dog);
  EXPECT_EQ(Shape()[5], "3has hyperonym");
  EXPECT_EQ(LineStatus(), "Ln 1 LnCnt 9");

  pane_.ExpandLine(LineOf("has hyperonym"));
  EXPECT_EQ(Shape()[6], "4canine :1");
  EXPECT_EQ(Shape()[7], "4<No ILI links>+");
  EXPECT_EQ(Shape()[8], "1Verb");

  // The filter applies when the concept is filled again.
  HideRelation("has hyperonym");
  pane_.ExpandLine(dog);
  EXPECT_EQ(Shape()[5], "3has hyperonym");
  pane_.CollapseLine(dog);
  pane_.ExpandLine(dog);
  EXPECT_EQ(Shape()[5], "1Verb");
  EXPECT_TRUE(dog.IsExpanded());
}

TEST_F(ConceptPaneExpandTest, RelationLinesFollowTheLinkOrder) {
  AddLink(3, 8, kPuppy, kDog);
  AddLink(4, 10, kPuppy, kCanine);
  AddLink(5, 8, kPuppy, kCanine);
  // A relation the database does not list gets no line.
  AddLink(6, 15, kPuppy, kCanine);
  Open();
  pane_.LookUp("puppy", nullptr, 0);
  pane_.ExpandLine(LineOf("puppy :1"));
  EXPECT_EQ(Shape(), (Lines{"0puppy", "1Noun", "2puppy :1", "2a member of the genus Canis+",
                            "2a young dog+", "3has hyperonym", "3has hyponym", "3has hyperonym"}));

  // Each relation line holds every target of its relation, not only the adjacent links.
  pane_.ExpandLine(*pane_.Lines().Last());
  EXPECT_EQ(Shape()[8], "4dog :1|domestic dog :1|Canis familiaris :1");
  EXPECT_EQ(Shape()[11], "4canine :1");
}

TEST_F(ConceptPaneExpandTest, CrossPartOfSpeechTargetsAreGrouped) {
  AddLink(3, 2, kPuppy, kDogVerb);
  AddLink(4, 2, kPuppy, kDog);
  AddLink(5, 2, kPuppy, kCanine);
  Open();
  pane_.LookUp("puppy", nullptr, 0);
  pane_.ExpandLine(LineOf("puppy :1"));
  pane_.ExpandLine(LineOf("xpos near synonym"));
  EXPECT_EQ(Shape(),
            (Lines{"0puppy", "1Noun", "2puppy :1", "2a member of the genus Canis+", "2a young dog+",
                   "3xpos near synonym", "4Verb", "5dog :2", "5<No ILI links>+", "4Noun",
                   "5dog :1|domestic dog :1|Canis familiaris :1", "5a member of the genus Canis+",
                   "5<No Gloss>+", "5canine :1", "5<No ILI links>+"}));
  // A part-of-speech line under a relation line gets its own targets back.
  TreeItem& noun = LineOf("Noun", 1);
  pane_.CollapseLine(noun);
  EXPECT_EQ(Shape().size(), 10u);
  pane_.ExpandLine(noun);
  EXPECT_EQ(Shape().size(), 15u);
  EXPECT_EQ(Shape()[13], "5canine :1");
}
}  // namespace
